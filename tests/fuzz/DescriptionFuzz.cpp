// A designed window description through the lexer and the reader, with the core tests' classes
// registered (every kind of property: integers, enumerations, sets, colours, fonts, strings,
// string lists, pictures, collections, references and events). Every fault must come out as a
// ReadError naming the file and line, with everything the reader made destroyed again.

#include "tests/fuzz/FuzzTargets.h"

#include "framework/core/DescriptionLexer.h"
#include "framework/core/DescriptionReader.h"
#include "tests/native/core/TestClasses.h"

#include <string_view>

namespace fuzz {

namespace {

constexpr const char* kFile = "Fuzz.txt";

bool NamesTheFile(const fw::ReadError& e) {
    return e.File() == kFile && e.Line() >= 1 && e.Message().rfind("Fuzz.txt(", 0) == 0;
}

void Tokenize(std::string_view text) {
    fw::DescriptionLexer lexer(text, kFile);
    int line = 1;
    try {
        for (;;) {
            const fw::DescriptionToken token = lexer.Next();
            FUZZ_CHECK(token.line >= line);
            line = token.line;
            token.Describe();
            if (token.type == fw::DescriptionToken::Type::End)
                return;
        }
    } catch (const fw::ReadError& e) {
        FUZZ_CHECK(NamesTheFile(e));
    }
}

} // namespace

void FuzzDescription(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (RegisterTestClasses(), true);
    (void)registered;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Tokenize(text);

    {
        TestForm form(nullptr);
        try {
            fw::DescriptionReader::ReadRoot(form, text, kFile);
        } catch (const fw::ReadError& e) {
            FUZZ_CHECK(NamesTheFile(e));
            FUZZ_CHECK(form.ComponentCount() == 0);
            FUZZ_CHECK(!form.IsLoading());
        }
    }
    {
        fw::Component owner(nullptr);
        try {
            fw::DescriptionReader::CreateRoot(text, kFile, &owner);
            FUZZ_CHECK(owner.ComponentCount() == 1);
        } catch (const fw::ReadError& e) {
            FUZZ_CHECK(NamesTheFile(e));
            FUZZ_CHECK(owner.ComponentCount() == 0);
        }
    }
    // The test classes log what happens to them; keep the log from growing across inputs.
    TestLog().clear();
}

} // namespace fuzz
