#include "Desktop.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace desktop {

bool WaitFor(const std::function<bool()>& condition, int ms) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(20);
    }
}

std::vector<HWND> TopLevelWindows(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == s->pid)
                s->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD pid, const std::wstring& caption, bool visibleOnly) {
    for (HWND w : TopLevelWindows(pid))
        if (Text(w) == caption && (!visibleOnly || IsWindowVisible(w)))
            return w;
    return nullptr;
}

HWND FindDescendant(HWND parent, const std::wstring& caption) {
    struct Search {
        const std::wstring* caption;
        HWND found;
    } search{&caption, nullptr};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            if (Text(w) != *s->caption)
                return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WindowAt(HWND top, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(top, &screen);
    HWND current = top;
    for (;;) {
        POINT p = screen;
        ScreenToClient(current, &p);
        HWND child = ChildWindowFromPointEx(current, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (child == nullptr || child == current)
            return current;
        current = child;
    }
}

std::wstring Text(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return std::wstring();
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &got);
    text.resize(got);
    return text;
}

POINT ToClient(HWND top, HWND window, POINT inTop) {
    ClientToScreen(top, &inTop);
    ScreenToClient(window, &inTop);
    return inTop;
}

void ClickAt(HWND window, int x, int y, bool post) {
    const LPARAM at = MAKELPARAM(x, y);
    if (post) {
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(window, WM_LBUTTONUP, 0, at);
        return;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_LBUTTONDOWN, MK_LBUTTON, at, 0, 10000, &result);
    SendMessageTimeoutW(window, WM_LBUTTONUP, 0, at, 0, 10000, &result);
}

void Click(HWND window, bool post) {
    RECT r{};
    GetClientRect(window, &r);
    ClickAt(window, (r.right - r.left) / 2, (r.bottom - r.top) / 2, post);
}

void Type(HWND edit, const std::wstring& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(edit, EM_SETSEL, 0, -1, 0, 5000, &result);
    SendMessageTimeoutW(edit, WM_CHAR, VK_BACK, 0, 0, 5000, &result);
    for (wchar_t c : text)
        SendMessageTimeoutW(edit, WM_CHAR, c, 1, 0, 5000, &result);
}

void PostKey(HWND window, UINT key) {
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, key, 1 | (static_cast<LPARAM>(scan) << 16));
    PostMessageW(window, WM_KEYUP, key, 1 | (static_cast<LPARAM>(scan) << 16) | (3LL << 30));
}

void MouseClickAt(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        // Absolute coordinates map the primary screen onto 0..65535.
        i.mi.dx = static_cast<LONG>((p.x * 65536LL + width / 2) / width);
        i.mi.dy = static_cast<LONG>((p.y * 65536LL + height / 2) / height);
        i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    in[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    in[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(1, &in[0], sizeof(INPUT));
    WaitFor([&] {
        POINT at{};
        GetCursorPos(&at);
        return at.x == p.x && at.y == p.y;
    }, 2000);
    SendInput(2, &in[1], sizeof(INPUT));
}

namespace {

INPUT KeyInput(WORD vk, WORD scan, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = scan;
    in.ki.dwFlags = flags;
    return in;
}

} // namespace

void SendChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, DWORD up) {
        const bool extended = vk == VK_INSERT || vk == VK_DELETE || vk == VK_HOME || vk == VK_END || vk == VK_PRIOR ||
                              vk == VK_NEXT || (vk >= VK_LEFT && vk <= VK_DOWN);
        inputs.push_back(KeyInput(vk, static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)),
                                  up | (extended ? KEYEVENTF_EXTENDEDKEY : 0)));
    };
    for (WORD k : keys)
        add(k, 0);
    for (auto k = std::rbegin(keys); k != std::rend(keys); ++k)
        add(*k, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool BringToForeground(HWND window) {
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 3000);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void RealMouseTo(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    SendInput(1, &in, sizeof in);
    Sleep(60);
}

void RealLeftButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
    Sleep(100);
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, 3000))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::wstring& text) {
    if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, 3000))
        return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory != nullptr) {
        auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
        text.copy(chars, text.size());
        chars[text.size()] = L'\0';
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
}

namespace {

std::string FileBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

std::wstring XClipboardText(const std::wstring& folder) {
    const std::wstring outPath = folder + L"\\xclip.out";
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, &inherit,
                             CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    // Wine hands a Unix program only its standard input and output, so xclip's exit status
    // follows the text on the output: 0 text, 1 no text, 124 no answer in time.
    wchar_t command[] =
        L"/bin/sh -c \"timeout 2 /usr/bin/xclip -o -selection clipboard 2>/dev/null; echo :xclip-exit-$?\"";
    PROCESS_INFORMATION process{};
    const bool started =
        CreateProcessW(nullptr, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process) != FALSE;
    CloseHandle(out);
    if (!started)
        return L"<xclip not started>";
    if (process.hProcess != nullptr)
        CloseHandle(process.hProcess);
    if (process.hThread != nullptr)
        CloseHandle(process.hThread);
    // Wine gives no waitable handle for a Unix program: it is done once the status is written.
    std::string output;
    WaitFor(
        [&] {
            output = FileBytes(outPath);
            return !output.empty() && output.back() == '\n';
        },
        5000);
    const size_t status = output.rfind(":xclip-exit-");
    if (status == std::string::npos)
        return L"<no answer>";
    const std::string code = output.substr(status);
    if (code == ":xclip-exit-1\n")
        return L"";
    if (code != ":xclip-exit-0\n")
        return L"<no answer>";
    const std::string text = output.substr(0, status);
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
    RECT r{};
    if (!GetWindowRect(window, &r))
        return false;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as the file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
        if (ok) {
            const DWORD stride = static_cast<DWORD>((width * 3 + 3) & ~3);
            const DWORD imageSize = stride * static_cast<DWORD>(height);
            BITMAPFILEHEADER file{};
            file.bfType = 0x4D42;
            file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
            file.bfSize = file.bfOffBits + imageSize;
            info.bmiHeader.biSizeImage = imageSize;
            std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(&file), sizeof(file));
            out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
            out.write(static_cast<const char*>(bits), imageSize);
            ok = out.good();
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

std::wstring FromGbk(const std::string& gbk) {
    if (gbk.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), n);
    return wide;
}

std::string ToGbk(const std::wstring& text) {
    if (text.empty())
        return std::string();
    const int n = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), gbk.data(), n, nullptr, nullptr);
    return gbk;
}

} // namespace desktop
