#include "framework/core/DescriptionLexer.h"

#include "framework/core/DescriptionReader.h"
#include "framework/core/GbkText.h"

namespace fw {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

constexpr size_t kShown = 40;

} // namespace

bool DescriptionToken::IsWord(std::string_view word) const {
    return type == Type::Identifier && GbkSameText(text, word);
}

std::string DescriptionToken::Describe() const {
    switch (type) {
    case Type::End: return "end of file";
    case Type::Identifier: return GbkCut(text, kShown);
    case Type::Integer: return Format("%lld", static_cast<long long>(number));
    case Type::String: return "'" + GbkCut(text, kShown) + "'";
    case Type::Symbol: return text;
    }
    return {};
}

DescriptionLexer::DescriptionLexer(std::string_view utf8Text, std::string fileName)
    : text_(utf8Text), fileName_(std::move(fileName)) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

void DescriptionLexer::Fail(int line, const std::string& what) const { throw ReadError(fileName_, line, what); }

const DescriptionToken& DescriptionLexer::Peek() {
    if (!peeked_) {
        next_ = Scan();
        peeked_ = true;
    }
    return next_;
}

DescriptionToken DescriptionLexer::Next() {
    Peek();
    peeked_ = false;
    return std::move(next_);
}

void DescriptionLexer::SkipBlanks() {
    while (!AtEnd()) {
        const char c = text_[pos_];
        if (c == '\n') {
            ++line_;
            ++pos_;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f') {
            ++pos_;
        } else if (c == '/' && At(pos_ + 1) == '/') {
            while (!AtEnd() && text_[pos_] != '\n') ++pos_;
        } else {
            return;
        }
    }
}

DescriptionToken DescriptionLexer::Scan() {
    SkipBlanks();
    DescriptionToken token;
    token.line = line_;
    if (AtEnd()) return token;
    const char c = text_[pos_];
    if (IsLetter(c)) {
        const size_t start = pos_;
        while (!AtEnd() && (IsLetter(text_[pos_]) || IsDigit(text_[pos_]))) ++pos_;
        token.type = DescriptionToken::Type::Identifier;
        token.text = std::string(text_.substr(start, pos_ - start));
    } else if (IsDigit(c) || c == '$' || c == '-') {
        ScanNumber(token);
    } else if (c == '\'' || c == '#') {
        ScanString(token);
    } else if (std::string_view("=:.,()[]<>").find(c) != std::string_view::npos) {
        token.type = DescriptionToken::Type::Symbol;
        token.text = std::string(1, c);
        ++pos_;
    } else if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F) {
        Fail(line_, Format("Unexpected character '%c'", c));
    } else {
        Fail(line_, Format("Unexpected character $%02X", static_cast<unsigned>(static_cast<unsigned char>(c))));
    }
    return token;
}

void DescriptionLexer::ScanNumber(DescriptionToken& token) {
    const bool negative = text_[pos_] == '-';
    if (negative) ++pos_;
    const bool hex = At(pos_) == '$';
    if (hex) ++pos_;
    const int base = hex ? 16 : 10;
    const auto digit = [&](char ch) { return hex ? HexDigit(ch) : (IsDigit(ch) ? ch - '0' : -1); };
    if (digit(At(pos_)) < 0) Fail(line_, "Number expected");
    std::uint64_t value = 0;
    const auto limit = static_cast<std::uint64_t>(INT64_MAX);
    while (!AtEnd() && digit(text_[pos_]) >= 0) {
        const auto d = static_cast<std::uint64_t>(digit(text_[pos_]));
        if (value > (limit - d) / static_cast<std::uint64_t>(base)) Fail(line_, "Number out of range");
        value = value * static_cast<std::uint64_t>(base) + d;
        ++pos_;
    }
    if (IsLetter(At(pos_))) Fail(line_, "Malformed number");
    token.type = DescriptionToken::Type::Integer;
    token.number = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
}

// A string is a run of quoted parts ('It''s') and character codes (#13, #$4E2D), written next
// to each other or joined by '+'. The file's bytes are UTF-8; the result is GBK.
void DescriptionLexer::ScanString(DescriptionToken& token) {
    std::string utf8;
    while (true) {
        if (At(pos_) == '\'') {
            ++pos_;
            while (true) {
                if (AtEnd() || text_[pos_] == '\n' || text_[pos_] == '\r') Fail(line_, "Unterminated string");
                if (text_[pos_] == '\'') {
                    if (At(pos_ + 1) != '\'') break;
                    ++pos_;
                }
                utf8.push_back(text_[pos_++]);
            }
            ++pos_;
        } else {
            ++pos_;  // '#'
            const bool hex = At(pos_) == '$';
            if (hex) ++pos_;
            std::uint32_t cp = 0;
            size_t digits = 0;
            while (!AtEnd() && (hex ? HexDigit(text_[pos_]) >= 0 : IsDigit(text_[pos_]))) {
                cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(hex ? HexDigit(text_[pos_]) : text_[pos_] - '0');
                ++pos_;
                if (++digits > 7) Fail(line_, "Invalid character code");
            }
            if (digits == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) Fail(line_, "Invalid character code");
            AppendUtf8(utf8, static_cast<char32_t>(cp));
        }
        if (At(pos_) == '\'' || At(pos_) == '#') continue;
        // Look past blanks for '+'; without one the string ends here.
        const size_t savedPos = pos_;
        const int savedLine = line_;
        SkipBlanks();
        if (At(pos_) != '+') {
            pos_ = savedPos;
            line_ = savedLine;
            break;
        }
        ++pos_;
        SkipBlanks();
        if (At(pos_) != '\'' && At(pos_) != '#') Fail(line_, "String expected after '+'");
    }
    token.type = DescriptionToken::Type::String;
    token.text = Utf8ToGbk(utf8);
}

} // namespace fw
