#pragma once
// The two shell services the program uses, taken from shell32 when first called instead of
// imported. Importing loads shell32 (and the libraries it needs) at every start, before the
// first window is painted, for an icon that is added after that paint and links seldom opened.

#include <windows.h>

#include <shellapi.h>

namespace fw {

// Shell_NotifyIconW; FALSE when shell32 cannot be had.
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAW* data);

// ShellExecuteW; values of 32 and less are errors (SE_ERR_DLLNOTFOUND when shell32 cannot be had).
HINSTANCE ShellExecuteDocument(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                               const wchar_t* directory, int show);

} // namespace fw
