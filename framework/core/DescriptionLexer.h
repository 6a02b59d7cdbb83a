#pragma once
// Tokens of a designed window description (see DescriptionReader.h). Strings come out as GBK;
// every fault raises ReadError with the file and line.

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

struct DescriptionToken {
    enum class Type { End, Identifier, Integer, String, Symbol };
    Type type = Type::End;
    std::string text;         // identifier, GBK string, or the symbol character
    std::int64_t number = 0;  // Integer
    int line = 1;

    bool IsSymbol(char c) const { return type == Type::Symbol && text.size() == 1 && text[0] == c; }
    // Identifier equal to `word` ignoring letter case.
    bool IsWord(std::string_view word) const;
    // The token as a message shows it: end of file, 'text', 12, =.
    std::string Describe() const;
};

class DescriptionLexer {
public:
    DescriptionLexer(std::string_view utf8Text, std::string fileName);

    const DescriptionToken& Peek();
    DescriptionToken Next();
    const std::string& FileName() const { return fileName_; }
    // Raises ReadError "<file>(<line>): <what>".
    [[noreturn]] void Fail(int line, const std::string& what) const;

private:
    DescriptionToken Scan();
    void SkipBlanks();
    void ScanString(DescriptionToken& token);
    void ScanNumber(DescriptionToken& token);
    bool AtEnd() const { return pos_ >= text_.size(); }
    char At(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

    std::string_view text_;
    std::string fileName_;
    size_t pos_ = 0;
    int line_ = 1;
    bool peeked_ = false;
    DescriptionToken next_;
};

} // namespace fw
