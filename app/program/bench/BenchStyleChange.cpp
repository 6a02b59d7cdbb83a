// bench_style: the time of a change of look of the main window: the theme manager gives the
// style to every listed component, and the whole window (the side channel open) repaints.
// Prints the median and the range over the five looks, repeated.

#include "app/program/Unit1.h"
#include "framework/forms/Application.h"
#include "skin/frame/SUISideChannel.h"
#include "skin/styles/SUIMgr.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    constexpr int Rounds = 10;
    constexpr TsuiUIStyle Looks[] = {TsuiUIStyle::BlueGlass, TsuiUIStyle::DeepBlue, TsuiUIStyle::MacOS,
                                     TsuiUIStyle::Protein, TsuiUIStyle::WinXP};
    fw::Application& app = fw::App();
    TForm1* form = nullptr;
    try {
        RegisterMainWindowClasses(GetModuleHandleW(nullptr));
        app.SetTitle("Vornik bench");
        form = app.CreateForm<TForm1>();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_style: %s\n", e.what());
        return 1;
    }
    auto* manager = dynamic_cast<TsuiThemeManager*>(form->FindComponent("suiThemeManager1"));
    auto* channel = dynamic_cast<TsuiSideChannel*>(form->FindComponent("suiSideChannel1"));
    if (manager == nullptr || channel == nullptr) {
        std::fprintf(stderr, "bench_style: the main window lacks its theme manager or side channel\n");
        return 1;
    }
    form->Show();
    channel->SetStayOn(true);
    app.ProcessMessages();

    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        for (TsuiUIStyle look : Looks) {
            const auto start = std::chrono::steady_clock::now();
            manager->SetUIStyle(look);
            RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            GdiFlush();
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            app.ProcessMessages();
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("style change of the main window (%zu changes, side channel open):\n", times.size());
    std::printf("  median %6.1f ms, range %.1f to %.1f ms (target under 30 ms)\n", times[times.size() / 2],
                times.front(), times.back());
    return 0;
}
