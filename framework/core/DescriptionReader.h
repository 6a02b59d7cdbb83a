#pragma once
// Reads a designed window: a UTF-8 text of nested objects and property assignments.
//
//   object Form1: TForm1                  // root: name and class
//     Caption = '我的记事本'               // text ('' is a quote; #13 a character code; '+' joins)
//     Left = 192                          // integers, also $00E7E7E7
//     Color = clBtnFace                   // identifiers: enumeration values, colours, True/False
//     Font.Style = [fsBold]               // sets; Sub.Prop paths
//     OnCreate = FormCreate               // event: a handler method registered by the root's class
//     object Panel1: TPanel               // a component owned by the root, shown inside Form1
//       PopupMenu = PopupMenu1            // reference, resolved once every object exists; nil for none
//       Buttons = <                       // collection items
//         item
//           Kind = bkClose
//         end>
//       Items.Strings = ('a' 'b')         // string list
//     end
//   end
//
// Every component is created through the class registry with the root as owner, gets
// SetParentComponent(enclosing object), and its properties in file order while its loading
// flag is set. Then references are resolved, and Loaded() runs on every component in creation
// order (root first), each with its loading flag cleared just before. Strings become GBK.
// Any fault raises ReadError "<file>(<line>): <what>"; on a fault the components created so far
// are destroyed again.

#include "framework/core/Exception.h"

#include <string>
#include <string_view>

namespace fw {

class Component;

class ReadError : public Exception {
public:
    ReadError(const std::string& file, int line, const std::string& reason);
    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string file_;
    int line_;
    std::string reason_;
};

class DescriptionReader {
public:
    // Creates the root object by its class name (owned by `owner`; the caller owns it when
    // `owner` is null) and reads it.
    static Component* CreateRoot(std::string_view utf8Text, const std::string& fileName, Component* owner);
    // Reads into an existing root (a main window class constructed in code); the described
    // class must be the root's class or one of its ancestors.
    static void ReadRoot(Component& root, std::string_view utf8Text, const std::string& fileName);
};

} // namespace fw
