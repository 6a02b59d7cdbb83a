#pragma once
// encrypt.dll's cipher core behind the record file's cipher interface, as the library behaves:
// a null or empty argument gives a null result.

#include "app/record/RecordCipher.h"
#include "cipher/CipherCore.h"

class CoreCipher : public RecordCipher {
public:
    std::optional<std::string> Encipher(const std::string& plain) override {
        ++Calls;
        if (plain.empty())
            return std::nullopt;
        return cipher::Encipher(plain);
    }
    std::optional<std::string> Decipher(const std::string& cipherText) override {
        ++Calls;
        if (cipherText.empty())
            return std::nullopt;
        return cipher::Decipher(cipherText);
    }
    int Calls = 0;
};
