#pragma once
// The cipher the record file passes every field through: JM and UJM of encrypt.dll in the
// program, the same cipher's core in native tests.

#include <optional>
#include <string>

class RecordCipher {
public:
    virtual ~RecordCipher() = default;
    // The cipher text of `plain` (no zero byte; an empty text is passed as a null argument), or
    // nothing for a null result.
    virtual std::optional<std::string> Encipher(const std::string& plain) = 0;
    // The plain text of `cipherText`, or nothing for a null result (an absent value).
    virtual std::optional<std::string> Decipher(const std::string& cipherText) = 0;
};
