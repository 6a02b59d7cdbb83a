// bench_startup: the time from starting a process to the first painted main window, for
// vornik.exe (with a small book in its working folder) and for Wine's own notepad in the same
// run, as medians of several starts, and their ratio. A window counts as painted once the
// screen under it shows more than one colour (the display's background is one flat colour).

#include "Desktop.h"
#include "VornikProcess.h"
#include "app/record/CipherLibrary.h"
#include "app/record/RecordCodec.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// Starts vary by a third or more from one to the next on a busy machine, and the two programs
// are within a tenth of each other: with eleven of each, the ratio of the medians still moved
// by 0.15 from one run of the benchmark to the next. Twenty-one of each nearly halve its variance.
constexpr int Runs = 21;
constexpr int TimeoutMs = 30000;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool Painted(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool varied = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        const DWORD first = pixels[0] & 0xFFFFFF;
        for (int i = 1; i < width * height && !varied; ++i) varied = (pixels[i] & 0xFFFFFF) != first;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return varied;
}

// The first visible top-level window of the process that is at least 100 pixels each way.
HWND MainWindowOf(DWORD pid) {
    for (HWND w : desktop::TopLevelWindows(pid)) {
        RECT r{};
        GetWindowRect(w, &r);
        if (IsWindowVisible(w) && r.right - r.left >= 100 && r.bottom - r.top >= 100) return w;
    }
    return nullptr;
}

struct Start {
    double Ms = -1;  // negative when the window never painted
    // Peak working set and peak private bytes, read once start-up has settled.
    double PeakWorkingSetMb = 0;
    double PeakPrivateMb = 0;
};

// One start.
Start StartOnce(const std::wstring& folder, const std::wstring& program) {
    Start result;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    VornikProcess process(folder, program);
    if (!process.Started()) return result;
    double elapsed = -1;
    // Polled every 2 ms: finer than the waits of the tests.
    const ULONGLONG end = GetTickCount64() + TimeoutMs;
    while (GetTickCount64() < end && process.Running()) {
        HWND w = MainWindowOf(process.Pid());
        if (w != nullptr && Painted(w)) {
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            elapsed = Milliseconds(start, now);
            break;
        }
        Sleep(2);
    }
    result.Ms = elapsed;
    if (elapsed >= 0) {
        // What the program does right after its first paint (the notification icon, the rest
        // of the painting) belongs to its start-up too.
        Sleep(700);
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof(counters);
        if (GetProcessMemoryInfo(process.Handle(), &counters, sizeof(counters))) {
            result.PeakWorkingSetMb = static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
            result.PeakPrivateMb = static_cast<double>(counters.PeakPagefileUsage) / (1024.0 * 1024.0);
        }
    }
    process.Terminate();
    process.WaitForExit(10000);
    // The next start should find the screen flat again.
    Sleep(300);
    return result;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

void WriteSmallBook(const std::wstring& path) {
    EntryBook book = EntryBook::Designed();
    book.StyleNumber = 3;
    book.Nodes.insert(book.Nodes.begin() + 1, EntryNode{"邮箱", 1, 0});
    book.Table.UserName[1] = "li.lei@example.cn";
    book.Table.Password[1] = "s3cret!";
    book.Table.UpdateTime[1] = "2026/12/8 9:15:02";
    EntryRecord buffer;
    const std::string bytes = EncodeRecordFile(book, CipherLibrary::Instance(), buffer);
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main() {
    WorkFolder folder;
    try {
        WriteSmallBook(folder.Record());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
        return 1;
    }
    const std::wstring vornik = BuildFolder() + L"\\vornik.exe";
    std::vector<Start> ours;
    std::vector<Start> notepad;
    for (int i = 0; i < Runs; ++i) {
        // Alternating keeps slow phases of a loaded machine from favouring either program.
        const Start a = StartOnce(folder.Path(), vornik);
        const Start b = StartOnce(folder.Path(), L"notepad.exe");
        if (a.Ms < 0 || b.Ms < 0) {
            std::fprintf(stderr, "bench_startup: a window did not paint within %d ms\n", TimeoutMs);
            return 1;
        }
        ours.push_back(a);
        notepad.push_back(b);
    }
    const auto median = [](const std::vector<Start>& starts, double Start::*field) {
        std::vector<double> values;
        for (const Start& s : starts) values.push_back(s.*field);
        return Median(values);
    };
    const double m = median(ours, &Start::Ms);
    const double n = median(notepad, &Start::Ms);
    std::printf("start-up to first painted main window, median of %d:\n", Runs);
    std::printf("  vornik.exe   %8.1f ms\n", m);
    std::printf("  notepad.exe  %8.1f ms\n", n);
    std::printf("  ratio        %8.2f\n", m / n);
    std::printf("peak memory after start-up, median of %d (working set / private bytes):\n", Runs);
    std::printf("  vornik.exe   %6.1f MB / %6.1f MB\n", median(ours, &Start::PeakWorkingSetMb),
                median(ours, &Start::PeakPrivateMb));
    std::printf("  notepad.exe  %6.1f MB / %6.1f MB\n", median(notepad, &Start::PeakWorkingSetMb),
                median(notepad, &Start::PeakPrivateMb));
    return 0;
}
