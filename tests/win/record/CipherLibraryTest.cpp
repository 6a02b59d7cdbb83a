// encrypt.dll loaded by name: the exports, the call contract, and the same cipher text as the core.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

using Function = const char*(__stdcall*)(const char*);

class EncryptDll : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        module = LoadLibraryW(L"encrypt.dll");
        ASSERT_NE(module, nullptr);
        // Undecorated names, as the program imports them.
        jm = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, "JM")));
        ujm = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, "UJM")));
    }
    static void TearDownTestSuite() { FreeLibrary(module); }

    static std::string Jm(const std::string& text) {
        const char* r = jm(text.c_str());
        return r ? r : "(null)";
    }
    static std::string Ujm(const std::string& text) {
        const char* r = ujm(text.c_str());
        return r ? r : "(null)";
    }

    static HMODULE module;
    static Function jm;
    static Function ujm;
};

HMODULE EncryptDll::module = nullptr;
Function EncryptDll::jm = nullptr;
Function EncryptDll::ujm = nullptr;

TEST_F(EncryptDll, EnciphersAsTheCoreDoes) {
    ASSERT_NE(jm, nullptr);
    std::string hex;
    for (unsigned char c : Jm("UserName"))
        hex += "0123456789abcdef"[c >> 4], hex += "0123456789abcdef"[c & 15];
    EXPECT_EQ(hex, "660250e623322dc4");
}

TEST_F(EncryptDll, UjmInvertsJmAndKeepsTheLength) {
    ASSERT_NE(jm, nullptr);
    for (const std::string& plain : {std::string("网络"), std::string("li.lei@example.cn"), std::string(300, 'z'),
                                     std::string("2024-3-1 9:15:02"), std::string("\xff\x01\x80")}) {
        const std::string cipherText = Jm(plain);
        EXPECT_EQ(cipherText.size(), plain.size());
        EXPECT_NE(cipherText, plain);
        EXPECT_EQ(Ujm(cipherText), plain);
        EXPECT_EQ(Jm(plain), cipherText);
    }
}

TEST_F(EncryptDll, EveryOneByteTextEnciphersToAnotherSingleByte) {
    ASSERT_NE(jm, nullptr);
    std::set<std::string> seen;
    for (int b = 1; b <= 255; ++b) {
        const std::string plain(1, static_cast<char>(b));
        const std::string cipherText = Jm(plain);
        ASSERT_EQ(cipherText.size(), 1u) << b;
        EXPECT_EQ(Ujm(cipherText), plain);
        seen.insert(cipherText);
    }
    EXPECT_EQ(seen.size(), 255u);
}

TEST_F(EncryptDll, NullAndEmptyArgumentsGiveNull) {
    ASSERT_NE(jm, nullptr);
    EXPECT_EQ(jm(nullptr), nullptr);
    EXPECT_EQ(ujm(nullptr), nullptr);
    EXPECT_EQ(jm(""), nullptr);
    EXPECT_EQ(ujm(""), nullptr);
}

} // namespace
