#pragma once
// JM and UJM of encrypt.dll, loaded by name once and kept for the life of the process.

#include "app/record/RecordCipher.h"

class CipherLibrary : public RecordCipher {
public:
    // The process's library, loaded on first use. Throws fw::Exception when encrypt.dll or one of
    // its functions cannot be found; the next call tries again.
    static CipherLibrary& Instance();

    std::optional<std::string> Encipher(const std::string& plain) override;
    std::optional<std::string> Decipher(const std::string& cipherText) override;

private:
    using Function = const char*(__stdcall*)(const char*);

    CipherLibrary(Function jm, Function ujm) : jm_(jm), ujm_(ujm) {}
    static std::optional<std::string> Call(Function function, const std::string& text);

    Function jm_;
    Function ujm_;
};
