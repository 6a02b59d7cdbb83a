#include "app/record/RecordCodec.h"

#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"

#include <climits>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr int MaxLevel = 2;

// The string as the cipher library sees it: a C string ends at its first zero byte.
std::string_view AsCString(std::string_view text) { return text.substr(0, text.find('\0')); }

std::optional<int> ParseInteger(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

// Reads the fields of the record in `buffer`, raising the loader's errors.
class RecordReader {
public:
    RecordReader(RecordCipher& cipher, const EntryRecord& buffer) : cipher_(cipher), buffer_(buffer) {}

    void SetRecord(std::size_t number) { number_ = number; }

    std::optional<std::string> Deciphered(RecordField field) {
        const std::optional<std::string> stored = buffer_.Field(field);
        if (!stored)
            throw fw::Exception(fw::Format("Record %d is damaged", static_cast<int>(number_)));
        return cipher_.Decipher(std::string(AsCString(*stored)));
    }

    int Integer(RecordField field) {
        const std::string text = Deciphered(field).value_or(std::string());
        const std::optional<int> value = ParseInteger(text);
        if (!value)
            throw fw::Exception(fw::Format("'%s' is not a valid integer value", text.c_str()));
        return *value;
    }

private:
    RecordCipher& cipher_;
    const EntryRecord& buffer_;
    std::size_t number_ = 0;
};

struct ReadNode {
    EntryNode Node;
    // A node whose record stops early holds no values.
    std::string UserName = PlaceholderUserName;
    std::string Password = PlaceholderPassword;
    std::string UpdateTime = PlaceholderUpdateTime;
    std::vector<int> Children;
};

// Lays the nodes read into the book in pre-order; each node's entry travels with it.
void Flatten(const std::vector<ReadNode>& nodes, const std::vector<int>& roots, EntryBook& book) {
    book.Nodes.clear();
    book.Table = EntryTable{};
    std::vector<std::pair<int, int>> pending; // node, depth
    for (auto it = roots.rbegin(); it != roots.rend(); ++it)
        pending.emplace_back(*it, 0);
    while (!pending.empty()) {
        const auto [index, depth] = pending.back();
        pending.pop_back();
        const ReadNode& read = nodes[static_cast<std::size_t>(index)];
        const std::size_t k = book.Nodes.size();
        book.Nodes.push_back(read.Node);
        book.Nodes.back().Level = depth;
        book.Table.UserName[k] = read.UserName;
        book.Table.Password[k] = read.Password;
        book.Table.UpdateTime[k] = read.UpdateTime;
        for (auto it = read.Children.rbegin(); it != read.Children.rend(); ++it)
            pending.emplace_back(*it, depth + 1);
    }
}

} // namespace

void RecordLoadResult::ThrowIfFailed() const {
    if (!Error.empty())
        throw fw::Exception(Error);
}

EncipheredBook EncipherBook(EntryBook& book, RecordCipher& cipher) {
    if (book.Count() > EntryBook::MaxNodes)
        throw fw::Exception(fw::Format("The book holds more than %d records", EntryBook::MaxNodes));
    auto encipher = [&](RecordField field, const std::string& plain) {
        return cipher.Encipher(fw::GbkCut(AsCString(plain), EntryRecord::Capacity(field))).value_or(std::string());
    };
    EncipheredBook fields;
    fields.StyleNumber = encipher(RecordField::Caption, std::to_string(book.StyleNumber));
    fields.Nodes.resize(book.Nodes.size());
    EntryTable& table = book.Table;
    for (std::size_t i = 0; i < book.Nodes.size(); ++i) {
        const EntryNode& node = book.Nodes[i];
        auto& f = fields.Nodes[i];
        f[static_cast<int>(RecordField::Caption)] = encipher(RecordField::Caption, node.Caption);
        f[static_cast<int>(RecordField::UserName)] = encipher(RecordField::UserName, table.UserName[i]);
        f[static_cast<int>(RecordField::Password)] = encipher(RecordField::Password, table.Password[i]);
        f[static_cast<int>(RecordField::Level)] = encipher(RecordField::Level, std::to_string(node.Level));
        if (table.UpdateTime[i].empty())
            table.UpdateTime[i] = PlaceholderUpdateTime;
        f[static_cast<int>(RecordField::UpdateTime)] = encipher(RecordField::UpdateTime, table.UpdateTime[i]);
        f[static_cast<int>(RecordField::ImageIndex)] = encipher(RecordField::ImageIndex, std::to_string(node.ImageIndex));
    }
    return fields;
}

std::string LayRecordFile(const EncipheredBook& fields, EntryRecord& buffer) {
    std::string file;
    file.reserve((fields.Nodes.size() + 1) * EntryRecord::Size);
    auto emit = [&] { file.append(reinterpret_cast<const char*>(buffer.Bytes.data()), EntryRecord::Size); };
    buffer.SetField(RecordField::Caption, fields.StyleNumber);
    emit();
    for (const auto& node : fields.Nodes) {
        for (int f = 0; f < 6; ++f)
            buffer.SetField(static_cast<RecordField>(f), node[static_cast<std::size_t>(f)]);
        emit();
    }
    return file;
}

std::string EncodeRecordFile(EntryBook& book, RecordCipher& cipher, EntryRecord& buffer) {
    return LayRecordFile(EncipherBook(book, cipher), buffer);
}

RecordLoadResult DecodeRecordFile(std::string_view file, RecordCipher& cipher, EntryRecord& buffer, EntryBook& book) {
    RecordLoadResult result;
    const std::size_t records = file.size() / EntryRecord::Size;
    const bool torn = file.size() % EntryRecord::Size != 0;
    const char* const ReadBeyondEnd = "Read beyond end of file";
    if (records < 2) {
        if (torn)
            result.Error = ReadBeyondEnd;
        return result;
    }

    RecordReader reader(cipher, buffer);
    auto load = [&](std::size_t number) {
        std::memcpy(buffer.Bytes.data(), file.data() + number * EntryRecord::Size, EntryRecord::Size);
        reader.SetRecord(number);
    };

    std::vector<ReadNode> nodes;
    std::vector<int> roots;
    int parentSlot[MaxLevel + 2] = {-1, -1, -1, -1}; // slot 0 stays empty: level 0 has no parent
    try {
        load(0);
        const int style = reader.Integer(RecordField::Caption);
        if (style >= 1 && style <= 5) {
            book.StyleNumber = style;
            result.StyleNumber = style;
        }
        for (std::size_t number = 1; number < records; ++number) {
            if (nodes.size() == EntryBook::MaxNodes)
                throw fw::Exception(fw::Format("The file holds more than %d records", EntryBook::MaxNodes));
            load(number);
            const int level = reader.Integer(RecordField::Level);
            if (level < 0 || level > MaxLevel)
                throw fw::Exception(fw::Format("Record %d has the invalid level %d", static_cast<int>(number), level));
            std::string caption = reader.Deciphered(RecordField::Caption).value_or(std::string());
            const int index = static_cast<int>(nodes.size());
            nodes.emplace_back();
            nodes.back().Node.Caption = std::move(caption);
            const int parent = parentSlot[level];
            (parent < 0 ? roots : nodes[static_cast<std::size_t>(parent)].Children).push_back(index);
            parentSlot[level + 1] = index;

            ReadNode& node = nodes.back();
            node.Node.ImageIndex = reader.Integer(RecordField::ImageIndex);
            node.UserName = reader.Deciphered(RecordField::UserName).value_or(PlaceholderUserName);
            node.Password = reader.Deciphered(RecordField::Password).value_or(PlaceholderPassword);
            node.UpdateTime = reader.Deciphered(RecordField::UpdateTime).value_or(PlaceholderUpdateTime);
        }
        if (torn)
            throw fw::Exception(ReadBeyondEnd);
    } catch (const fw::Exception& e) {
        result.Error = e.Message();
    }
    // A tree without any node would leave nothing to add records to: then the designed one stays.
    result.TreeReplaced = !nodes.empty();
    if (result.TreeReplaced)
        Flatten(nodes, roots, book);
    return result;
}
