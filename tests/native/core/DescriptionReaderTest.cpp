#include "TestClasses.h"

#include "framework/core/DescriptionReader.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

#include <random>

using fw::DescriptionReader;
using Log = std::vector<std::string>;

namespace {

// Descriptions are UTF-8; our narrow literals are GBK, so the Chinese ones are written as u8.
std::string U8(const char8_t* s) { return std::string(reinterpret_cast<const char*>(s)); }

const std::string kWindow = U8(u8R"(object Form1: TTestForm
  object First: TTestWidget
    Left = 10
    Buddy = Third
    Caption = '我的Vornik'
    OnClick = ButtonClick
    object Second: TTestPanel
      Left = 20
      UIStyle = MacOS
      Color = $00E7E7E7
      Anchors = [akLeft, akRight]
      Font.Name = '宋体'
      Font.Style = [fsBold]
      Font.Color = clNavy
      Lines.Strings = (
        '蓝色'
        'It''s'#13'x' +
        '!')
      Buttons = <
        item
          Top = 4
          Menu = Third
        end
        item
          Visible = False
        end>
    end
  end
  object Third: TTestWidget   // declared after the references to it
    Left = 30
    Buddy = first
    Visible = false
    Cursor = crHandPoint
    OnMeasure = Measure
  end
end
)");

class DescriptionReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        TestLog().clear();
    }

    // The message of the reader's error, and the form must be left without components.
    static std::string ReadError(const std::string& text) {
        TestForm form(nullptr);
        try {
            DescriptionReader::ReadRoot(form, text, "Form1.txt");
        } catch (const fw::ReadError& e) {
            EXPECT_EQ(form.ComponentCount(), 0) << text;
            EXPECT_FALSE(form.IsLoading());
            return e.Message();
        }
        return "(no error)";
    }
};

TEST_F(DescriptionReaderTest, BuildsNestedObjectsThenResolvesReferencesThenCallsLoaded) {
    TestForm form(nullptr);
    DescriptionReader::ReadRoot(form, kWindow, "Form1.txt");

    EXPECT_EQ(TestLog(), (Log{"set First.Left", "set Second.Left", "set Second.UIStyle", "set Third.Left",
                              "set First.Buddy", "set Third.Buddy", "loaded Form1", "loaded First", "loaded Second",
                              "loaded Third"}));
    EXPECT_EQ(form.Name(), "Form1");
    ASSERT_EQ(form.ComponentCount(), 3);
    auto* first = dynamic_cast<TestWidget*>(form.Components(0));
    auto* second = dynamic_cast<TestPanel*>(form.Components(1));
    auto* third = dynamic_cast<TestWidget*>(form.Components(2));
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(second->Name(), "Second");
    EXPECT_EQ(first->ParentComponent(), &form);
    EXPECT_EQ(second->ParentComponent(), first);
    EXPECT_EQ(third->ParentComponent(), &form);

    EXPECT_EQ(first->Buddy(), third);
    EXPECT_EQ(third->Buddy(), first);
    EXPECT_TRUE(first->buddyWasSetWhileLoading);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(form.Components(i)->IsLoading());

    EXPECT_EQ(first->Caption(), "我的Vornik");
    EXPECT_EQ(second->UIStyle(), TestStyle::MacOS);
    EXPECT_EQ(second->Color(), fw::RgbColor(231, 231, 231));
    EXPECT_EQ(second->Anchors(), akLeft | akRight);
    EXPECT_EQ(second->Font().Name(), "宋体");
    EXPECT_EQ(second->Font().Style(), fw::fsBold);
    EXPECT_EQ(second->Font().Color(), fw::clNavy);
    EXPECT_EQ(second->Lines().Lines(), (std::vector<std::string>{"蓝色", "It's\rx!"}));
    EXPECT_EQ(second->linesSetterCalls, 0);
    ASSERT_EQ(second->Buttons().Count(), 2);
    EXPECT_EQ(second->Buttons().Item(0).Top(), 4);
    EXPECT_EQ(second->Buttons().Item(0).Menu(), third);
    EXPECT_FALSE(second->Buttons().Item(1).Visible());
    EXPECT_FALSE(third->Visible());
    EXPECT_EQ(third->Cursor(), -21);

    first->OnClick(first);
    EXPECT_EQ(form.clicks, std::vector<std::string>{"First"});
    int size = 0;
    third->OnMeasure(third, size);
    EXPECT_EQ(size, 42);
}

TEST_F(DescriptionReaderTest, CreatesTheRootByItsClassName) {
    fw::Component owner(nullptr);
    fw::Component* root = DescriptionReader::CreateRoot(
        "\xEF\xBB\xBFobject Box: TTestPanel\r\n  Left = -5\r\n  object Inner: TTestWidget\r\n  end\r\nend\r\n", "Box.txt",
        &owner);
    auto* box = dynamic_cast<TestPanel*>(root);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Owner(), &owner);
    EXPECT_EQ(box->Left(), -5);
    ASSERT_EQ(box->ComponentCount(), 1);
    EXPECT_EQ(box->Components(0)->Name(), "Inner");
    EXPECT_EQ(TestLog(), (Log{"set Box.Left", "loaded Box", "loaded Inner"}));

    // On an error nothing is left behind in the owner.
    EXPECT_THROW(DescriptionReader::CreateRoot("object Box2: TTestPanel\n  Left = x\nend", "Box.txt", &owner),
                 fw::ReadError);
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST_F(DescriptionReaderTest, FaultsNameTheFileAndLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Foo = 1\n  end\nend",
         "Form1.txt(3): Property Foo does not exist"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Left = 1\n    Font.Nme = 'x'\n  end\nend",
         "Form1.txt(4): Property Font.Nme does not exist"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Left 10\n  end\nend",
         "Form1.txt(3): '=' expected but 10 found"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Caption = 'abc\n  end\nend",
         "Form1.txt(3): Unterminated string"},
        {"object Form1: TTestForm\n\n  object A: TNope\n  end\nend", "Form1.txt(3): Class TNope not found"},
        {"object Form1: TTestForm\n  object A: TTestItem\n  end\nend", "Form1.txt(2): Class TTestItem cannot be created"},
        {"object Form1: TTestForm\n  object A: TTestBroken\n  end\nend",
         "Form1.txt(2): Class TTestBroken reports itself as TComponent"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    OnClick = NoSuch\n  end\nend",
         "Form1.txt(3): Event handler NoSuch does not exist"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    OnClick = Measure\n  end\nend",
         "Form1.txt(3): Handler Measure does not fit event OnClick"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Left = 1\n    Buddy = Nobody\n  end\nend",
         "Form1.txt(4): Component Nobody does not exist"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Buddy = Form1\n  end\nend",
         "Form1.txt(3): Invalid value Form1 for property Buddy"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    UIStyle = Purple\n  end\nend",
         "Form1.txt(3): Invalid value Purple for property UIStyle"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Left = <>\n  end\nend",
         "Form1.txt(3): Invalid value <items> for property Left"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Left = 99999999999999999999\n  end\nend",
         "Form1.txt(3): Number out of range"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n  end\n  object a: TTestWidget\n  end\nend",
         "Form1.txt(4): A component named a already exists"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Buttons = <\n      item\n        Top = 1\n"
         "        Menu = Ghost\n      end>\n  end\nend",
         "Form1.txt(6): Component Ghost does not exist"},
        {"object Form1: TTestWidget\nend", "Form1.txt(1): Class TTestWidget does not match TTestForm"},
        {"object Form1: TTestForm\n  object A: TTestWidget\n    Left = 1\n", "Form1.txt(4): Property name expected but end of file found"},
        {"object Form1: TTestForm\nend\nend", "Form1.txt(3): End of file expected but end found"},
        {"object Form1: TTestForm\n  Tag = 1 ;\nend", "Form1.txt(2): Unexpected character ';'"},
        {"object Form1: TTestForm\n  Tag = \x01\nend", "Form1.txt(2): Unexpected character $01"},
        {"  thing Form1: TTestForm\nend", "Form1.txt(1): 'object' expected but thing found"},
        {"object Form1: TTestForm\n  Name = 'two words'\nend", "Form1.txt(2): \"two words\" is not a valid component name"},
        {"object Form1: TTestForm\n  Tag = 'x' + 5\nend", "Form1.txt(2): String expected after '+'"},
        {"object Form1: TTestForm\n  Tag = #55296\nend", "Form1.txt(2): Invalid character code"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(ReadError(text), message) << text;
}

TEST_F(DescriptionReaderTest, ErrorsCarryFileAndLineSeparately) {
    TestForm form(nullptr);
    try {
        DescriptionReader::ReadRoot(form, "object Form1: TTestForm\n\n  Bar = 1\nend", "Unit1.txt");
        FAIL() << "unknown property accepted";
    } catch (const fw::ReadError& e) {
        EXPECT_EQ(e.File(), "Unit1.txt");
        EXPECT_EQ(e.Line(), 3);
        EXPECT_EQ(e.Reason(), "Property Bar does not exist");
    }
}

TEST_F(DescriptionReaderTest, DeepNestingIsRefused) {
    std::string text = "object Form1: TTestForm\n";
    for (int i = 0; i < 200; ++i) text += "object W" + std::to_string(i) + ": TTestWidget\n";
    for (int i = 0; i < 200; ++i) text += "end\n";
    text += "end\n";
    EXPECT_EQ(ReadError(text), "Form1.txt(65): Objects nested too deeply");

    std::string items = "object Form1: TTestForm\n object A: TTestWidget\n  Buttons = ";
    for (int i = 0; i < 200; ++i) items += "< item Top = ";
    EXPECT_NE(ReadError(items).find("nested too deeply"), std::string::npos);
}

TEST_F(DescriptionReaderTest, RandomInputNeverCrashesOrHangs) {
    std::mt19937 rng(20240601);
    const std::string alphabet = "object end item Form1: TTestForm TTestWidget Left = Buddy 'x'' #13 $1F -7 [a,] (<>) . + \n";
    int succeeded = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        switch (round % 3) {
        case 0:  // random bytes
            text.resize(rng() % 200);
            for (char& c : text) c = static_cast<char>(rng());
            break;
        case 1:  // random tokens of the format
            for (int n = rng() % 60; n > 0; --n) text += alphabet.substr(rng() % alphabet.size(), 1 + rng() % 8);
            break;
        default: {  // a valid window, damaged in a few places
            text = kWindow;
            for (int n = 1 + rng() % 4; n > 0 && !text.empty(); --n) {
                const size_t at = rng() % text.size();
                switch (rng() % 4) {
                case 0: text[at] = static_cast<char>(rng()); break;
                case 1: text.erase(at, 1 + rng() % 10); break;
                case 2: text.insert(at, text.substr(rng() % text.size(), rng() % 30)); break;
                default: text.resize(at); break;
                }
            }
        }
        }
        TestForm form(nullptr);
        try {
            DescriptionReader::ReadRoot(form, text, "Fuzz.txt");
            ++succeeded;
        } catch (const fw::ReadError& e) {
            EXPECT_EQ(e.Message().rfind("Fuzz.txt(", 0), 0u) << e.Message();
            EXPECT_EQ(form.ComponentCount(), 0);
        }
        fw::Component owner(nullptr);
        try {
            DescriptionReader::CreateRoot(text, "Fuzz.txt", &owner);
        } catch (const fw::ReadError&) {
            EXPECT_EQ(owner.ComponentCount(), 0);
        }
    }
    TestLog().clear();
    // Some damaged windows still read (a changed digit, a lost comment).
    EXPECT_GT(succeeded, 0);
}

} // namespace
