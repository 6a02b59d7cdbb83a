#pragma once
// Asks the shell to open a document with whatever the system associates with it (a
// "mailto:" link opens the mail program), with the default verb and no parameters.

#include <windows.h>

#include <string>

namespace fw {

// `owner` is the window of any message the shell shows; `showCommand` how the program's
// window appears (SW_SHOWNORMAL, 1, by default). Returns whether the shell started it: an
// empty document, an unknown file or a missing association give false.
bool ShellOpen(HWND owner, const std::string& gbkDocument, int showCommand = SW_SHOWNORMAL);

} // namespace fw
