#include "RecordFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using CipherFunction = const char*(__stdcall*)(const char*);

constexpr size_t RecordSize = 158;
constexpr size_t Capacities[6] = {50, 50, 30, 1, 20, 1};

struct Cipher {
    CipherFunction jm = nullptr;
    CipherFunction ujm = nullptr;
};

const Cipher& Library() {
    static const Cipher cipher = [] {
        Cipher c;
        // The program's own copy, by name, from the folder of the test programs.
        HMODULE module = LoadLibraryW(L"encrypt.dll");
        if (module != nullptr) {
            c.jm = reinterpret_cast<CipherFunction>(reinterpret_cast<void*>(GetProcAddress(module, "JM")));
            c.ujm = reinterpret_cast<CipherFunction>(reinterpret_cast<void*>(GetProcAddress(module, "UJM")));
        }
        return c;
    }();
    return cipher;
}

std::string Call(CipherFunction f, const std::string& text) {
    if (f == nullptr) {
        ADD_FAILURE() << "encrypt.dll or its functions are missing";
        return std::string();
    }
    const char* result = f(text.empty() ? nullptr : text.c_str());
    return result != nullptr ? std::string(result) : std::string();
}

int Number(const std::string& text) {
    try {
        return std::stoi(text);
    } catch (...) {
        ADD_FAILURE() << "not a number: '" << text << "'";
        return -1;
    }
}

} // namespace

std::string RecordFiles::Encipher(const std::string& plain) { return Call(Library().jm, plain); }
std::string RecordFiles::Decipher(const std::string& cipherText) { return Call(Library().ujm, cipherText); }

StoredBook RecordFiles::Read(const std::wstring& path) {
    StoredBook book;
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in)
        return book;
    book.Exists = true;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size() % RecordSize, 0u) << "a torn record";
    const size_t count = bytes.size() / RecordSize;
    for (size_t r = 0; r < count; ++r) {
        std::string fields[6];
        size_t offset = r * RecordSize;
        for (int f = 0; f < 6; ++f) {
            const size_t length = static_cast<unsigned char>(bytes[offset]);
            EXPECT_LE(length, Capacities[f]) << "record " << r << " field " << f;
            fields[f] = Decipher(bytes.substr(offset + 1, std::min(length, Capacities[f])));
            offset += 1 + Capacities[f];
            if (r == 0)
                break; // the header carries only its number
        }
        if (r == 0) {
            book.Header = fields[0];
            continue;
        }
        StoredNode node;
        node.Caption = fields[0];
        node.UserName = fields[1];
        node.Password = fields[2];
        node.Level = Number(fields[3]);
        node.UpdateTime = fields[4];
        node.ImageIndex = Number(fields[5]);
        book.Nodes.push_back(node);
    }
    return book;
}

void RecordFiles::Write(const std::wstring& path, const std::string& header, const std::vector<StoredNode>& nodes) {
    std::string bytes;
    auto record = [&](const std::string (&plain)[6]) {
        std::string r(RecordSize, '\0');
        size_t offset = 0;
        for (int f = 0; f < 6; ++f) {
            const std::string cipherText = Encipher(plain[f]).substr(0, Capacities[f]);
            r[offset] = static_cast<char>(cipherText.size());
            r.replace(offset + 1, cipherText.size(), cipherText);
            offset += 1 + Capacities[f];
        }
        bytes += r;
    };
    record({header, "", "", "", "", ""});
    for (const StoredNode& n : nodes)
        record({n.Caption, n.UserName, n.Password, std::to_string(n.Level), n.UpdateTime, std::to_string(n.ImageIndex)});
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write the prepared record file";
}

std::vector<StoredNode> DesignedGroups() {
    return {{"网络", "", "", "未知", 0, 1}, {"软件", "", "", "未知", 0, 2}, {"生活", "", "", "未知", 0, 3}};
}
