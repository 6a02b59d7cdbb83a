#pragma once
// Driving another process's windows from outside, as a user would: finding them by caption or
// by the point they cover, clicking and typing with messages, reading their texts, the clipboard
// and the screen. Every wait polls with short sleeps and gives up after a bounded time.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace desktop {

// Polls `condition` every 20 ms until it holds or `ms` pass; true when it held.
bool WaitFor(const std::function<bool()>& condition, int ms = 10000);

// Top-level windows of a process.
std::vector<HWND> TopLevelWindows(DWORD pid);
// The first top-level window of the process with this caption (visible ones only when asked).
HWND FindTopLevel(DWORD pid, const std::wstring& caption, bool visibleOnly);
// The first descendant of `parent` with this caption, nullptr if none.
HWND FindDescendant(HWND parent, const std::wstring& caption);
// The deepest visible child window under a point of `top`'s client area.
HWND WindowAt(HWND top, int x, int y);

std::wstring Text(HWND window);
// The point of `window`'s client area given in `top`'s client coordinates.
POINT ToClient(HWND top, HWND window, POINT inTop);

// A left click at a point of the window's client area (its centre by default). Sent clicks
// return once the program has handled them; posted ones return at once (for commands that
// open a modal dialog).
void Click(HWND window, bool post = false);
void ClickAt(HWND window, int x, int y, bool post = false);
// Replaces the text of an edit by typing: select all, then one character message each.
void Type(HWND edit, const std::wstring& text);
// A key press posted to the thread of `window` (menus read keys from the queue).
void PostKey(HWND window, UINT key);

// Real input through the system's input queue, as the display delivers it. The mouse moves to
// a point of the window's client area and clicks there (the window under it gets the click and
// is activated); keys are pressed in order and released in reverse, going to the focus of the
// foreground window; text is typed as Unicode characters.
void MouseClickAt(HWND window, int x, int y);
void SendChord(std::initializer_list<WORD> keys);
void SendText(const std::wstring& text);
// Waits until `window` is the foreground window, bringing it there first.
bool BringToForeground(HWND window);
// The window with the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
// The pointer moved to a point of the window's client area, and the left button pressed or
// released there, each through the input queue (a drag is made of them).
void RealMouseTo(HWND window, int x, int y);
void RealLeftButton(bool down);

// The clipboard as Unicode text; empty when there is none.
std::wstring ClipboardText();
void SetClipboardText(const std::wstring& text);
// The clipboard as an X program reads it: `xclip -o -selection clipboard`, a Unix program that
// Wine starts as it is, writing into a file in `folder`. Empty when the clipboard holds no
// text; "<no answer>" when xclip got none within 2 s (Wine's clipboard keeper may leave a
// request unanswered while the clipboard changes hands).
std::wstring XClipboardText(const std::wstring& folder);

// The window as it is on the screen now, written as a 24-bit bitmap file.
bool SaveScreenshot(HWND window, const std::wstring& path);

// Wide (UTF-16) text of GBK bytes and back, for comparing with the record files.
std::wstring FromGbk(const std::string& gbk);
std::string ToGbk(const std::wstring& text);

} // namespace desktop
