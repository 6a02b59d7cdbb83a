#include "framework/menus/MainMenu.h"

#include "framework/core/ClassBuilder.h"

#include <utility>
#include <vector>

namespace fw {

namespace {

// The top-level windows of this thread that show `menu` as their bar.
std::vector<HWND> WindowsShowing(HMENU menu) {
    std::pair<HMENU, std::vector<HWND>> search{menu, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<std::pair<HMENU, std::vector<HWND>>*>(p);
            if (GetMenu(w) == s->first) s->second.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

} // namespace

MainMenu::MainMenu(Component* owner) : Menu(owner) {}

MainMenu::~MainMenu() {
    // Forms showing the bar hear of the removal (and detach it) before it is destroyed.
    BeginDestroy();
    if (handle_ != nullptr) {
        for (HWND w : WindowsShowing(handle_)) SetMenu(w, nullptr);
        DestroyMenu(handle_);
    }
}

const ClassInfo& MainMenu::StaticClass() {
    static const ClassInfo& info = ClassBuilder<MainMenu>("TMainMenu", Menu::StaticClass()).Register();
    return info;
}

HMENU MainMenu::Handle() {
    if (handle_ == nullptr) handle_ = BuildMenu(Items(), true);
    return handle_;
}

void MainMenu::RebuildHandle() {
    HMENU fresh = BuildMenu(Items(), true);
    HMENU old = std::exchange(handle_, fresh);
    if (old == nullptr) return;
    for (HWND w : WindowsShowing(old)) {
        SetMenu(w, fresh);
        DrawMenuBar(w);
    }
    DestroyMenu(old);
}

void MainMenu::MenuChanged(MenuItem* source, bool rebuild) {
    // Captions and states live in the native items too, so every change rebuilds a bar that
    // exists; menus are small.
    if (handle_ != nullptr) RebuildHandle();
    Menu::MenuChanged(source, rebuild);
}

bool MainMenu::MenuMessage(Message& m) {
    // Commands are taken only for this menu's items: other code may send the form commands
    // with numbers of its own.
    if (m.msg == WM_COMMAND && (HIWORD(m.wParam) != 0 || m.lParam != 0 || FindItem(LOWORD(m.wParam)) == nullptr))
        return false;
    return DispatchMenuMessage(m);
}

} // namespace fw
