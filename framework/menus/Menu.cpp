#include "framework/menus/Menu.h"

#include "framework/controls/Control.h"
#include "framework/controls/WinControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/core/WideText.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/MenuPainter.h"
#include "framework/system/DeviceContextScope.h"
#include "framework/system/ErrorReport.h"
#include "framework/system/SavedDCScope.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <memory>
#include <string>
#include <type_traits>

namespace fw {

namespace {

constexpr wchar_t kTrackingClass[] = L"TMenuTracking";

bool ChainEnabled(const MenuItem* item) {
    for (; item != nullptr && item->Parent() != nullptr; item = item->Parent())
        if (!item->Enabled()) return false;
    return true;
}

MenuItem* FindShortCutBelow(const MenuItem& parent, ShortCut s) {
    for (int i = 0; i < parent.Count(); ++i) {
        MenuItem* item = parent.Items(i);
        if (item->ShortCut() == s && ChainEnabled(item)) return item;
        if (MenuItem* found = FindShortCutBelow(*item, s)) return found;
    }
    return nullptr;
}

// The item of a native item's data, if it still lives and belongs to a menu.
MenuItem* ItemOfData(ULONG_PTR data) {
    if (data == 0 || data > 0xFFFF) return nullptr;
    MenuItem* item = MenuItem::FromCommand(static_cast<unsigned>(data));
    return item != nullptr && item->Parent() != nullptr && item->GetParentMenu() != nullptr ? item : nullptr;
}

} // namespace

Menu::Menu(Component* owner) : Component(owner), items_(std::make_unique<MenuItem>(nullptr)) { items_->menu_ = this; }

Menu::~Menu() {
    BeginDestroy();
    items_.reset();
}

const ClassInfo& Menu::StaticClass() {
    static const ClassInfo& info = ClassBuilder<Menu>("TMenu", Component::StaticClass())
                                       .AddBoolean("OwnerDraw", &Menu::OwnerDraw, &Menu::SetOwnerDraw)
                                       .AddEvent("OnChange", &Menu::OnChange)
                                       .Register();
    return info;
}

void Menu::SetOwnerDraw(bool v) {
    if (v == ownerDraw_) return;
    ownerDraw_ = v;
    ItemChanged(nullptr, true);
}

void Menu::SetImages(const ImageList* images) {
    if (images == images_) return;
    images_ = images;
    ItemChanged(nullptr, false);
}

void Menu::Loaded() {
    Component::Loaded();
    MenuChanged(nullptr, true);
}

void Menu::ItemChanged(MenuItem* source, bool rebuild) {
    if (IsLoading() || IsDestroying()) return;
    MenuChanged(source, rebuild);
}

void Menu::MenuChanged(MenuItem* source, bool rebuild) { OnChange(this, source, rebuild); }

// --- finding items ---

MenuItem* Menu::FindItem(unsigned command) const {
    MenuItem* item = MenuItem::FromCommand(command);
    return item != nullptr && item != items_.get() && item->GetParentMenu() == this ? item : nullptr;
}

MenuItem* Menu::FindShortCut(fw::ShortCut shortCut) const {
    if (ShortCutKey(shortCut) == 0) return nullptr;
    return FindShortCutBelow(*items_, shortCut);
}

fw::ShortCut Menu::ShortCutOfKey(const Message& m) {
    ShortCut modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0) modifiers |= scShift;
    if (GetKeyState(VK_CONTROL) < 0) modifiers |= scCtrl;
    // Bit 29 of a key message is the context code: Alt was down.
    if ((m.lParam & (1 << 29)) != 0 || GetKeyState(VK_MENU) < 0) modifiers |= scAlt;
    return MakeShortCut(static_cast<int>(m.wParam), modifiers);
}

bool Menu::IsShortCut(const Message& keyMessage) {
    if (keyMessage.msg != WM_KEYDOWN && keyMessage.msg != WM_SYSKEYDOWN) return false;
    const int key = static_cast<int>(keyMessage.wParam);
    // A modifier key on its own is never a shortcut.
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == 0) return false;
    MenuItem* item = FindShortCut(ShortCutOfKey(keyMessage));
    if (item == nullptr) return false;
    item->Click();
    return true;
}

// --- native menus ---

HMENU Menu::BuildMenu(const MenuItem& parent, bool bar) const {
    // Destroyed with everything inserted so far unless it is complete.
    std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)> menu(bar ? CreateMenu() : CreatePopupMenu(),
                                                                             &DestroyMenu);
    if (menu == nullptr) throw Exception("Cannot create a menu");
    UINT position = 0;
    for (int i = 0; i < parent.Count(); ++i) {
        const MenuItem& item = *parent.Items(i);
        if (!item.Visible()) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.wID = item.Command();
        info.dwItemData = item.Command();
        if (item.IsLine()) info.fType |= MFT_SEPARATOR;
        if (OwnerDraw()) info.fType |= MFT_OWNERDRAW;
        if (!item.Enabled()) info.fState |= MFS_DISABLED;
        if (item.Checked()) info.fState |= MFS_CHECKED;
        if (item.Default()) info.fState |= MFS_DEFAULT;
        // Owner-drawn items carry no text: their accelerators are found by WM_MENUCHAR
        // alike on every system.
        std::wstring text;
        if (!item.IsLine() && !OwnerDraw()) {
            text = GbkToWide(item.Caption());
            const std::string shortCut = ShortCutToText(item.ShortCut());
            if (!bar && !shortCut.empty()) text += L"\t" + GbkToWide(shortCut);
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
        }
        if (item.Count() > 0) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = BuildMenu(item, false);
        }
        if (!InsertMenuItemW(menu.get(), position, TRUE, &info)) {
            if (info.hSubMenu != nullptr) DestroyMenu(info.hSubMenu);
            throw Exception("Cannot add a menu item");
        }
        ++position;
    }
    return menu.release();
}

unsigned Menu::Track(MenuItem& item, int x, int y, UINT flags, const TPMPARAMS* params) {
    if (item.GetParentMenu() != this) throw Exception("The item does not belong to this menu");
    HMENU native = BuildMenu(item, false);
    unsigned command = 0;
    if (GetMenuItemCount(native) > 0) {
        HWND owner = TrackingWindow();
        // Opened while another program is in front (from the notification area), the menu
        // would not close on a click elsewhere unless its owner comes to the front, and the
        // system wants a message after it.
        HWND front = GetForegroundWindow();
        const bool foreign = front == nullptr || GetWindowThreadProcessId(front, nullptr) != GetCurrentThreadId();
        if (foreign) SetForegroundWindow(owner);
        command = static_cast<unsigned>(
            TrackPopupMenuEx(native, flags | TPM_RETURNCMD, x, y, owner, const_cast<TPMPARAMS*>(params)));
        if (foreign) PostMessageW(owner, WM_NULL, 0, 0);
    }
    DestroyMenu(native);
    return command;
}

MenuItem* Menu::TrackItems(MenuItem& item, int x, int y, UINT flags) {
    const unsigned command = Track(item, x, y, flags, nullptr);
    // The choice comes back as the return value only (no WM_COMMAND), so it is clicked once
    // here; it may have been destroyed while the menu was open (by a drawing handler, say).
    MenuItem* chosen = command != 0 ? FindItem(command) : nullptr;
    if (chosen != nullptr) chosen->Click();
    return chosen;
}

bool Menu::DropDownItems(MenuItem& item, const Rect& anchor, bool selectFirst) {
    bool any = false;
    for (int i = 0; i < item.Count() && !any; ++i) any = item.Items(i)->Visible();
    if (!any) return false;
    TPMPARAMS params{};
    params.cbSize = sizeof(params);
    params.rcExclude = RECT{anchor.Left, anchor.Top, anchor.Right, anchor.Bottom};
    // The menu's own loop takes the key from the queue, as if the user had pressed it.
    if (selectFirst) PostMessageW(TrackingWindow(), WM_KEYDOWN, VK_DOWN, 0);
    const unsigned command =
        Track(item, anchor.Left, anchor.Bottom, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, &params);
    // The tracking window clicks it (DispatchMenuMessage), after the opener has returned.
    if (command != 0) PostMessageW(TrackingWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return true;
}

// --- owner drawing ---

void Menu::MeasureItem(MenuItem& item, Canvas& canvas, int& width, int& height) {
    if (item.OnMeasureItem) item.OnMeasureItem(&item, canvas, width, height);
}

void Menu::DrawItem(MenuItem& item, Canvas& canvas, const Rect& rect, OwnerDrawState state) {
    if (item.OnAdvancedDrawItem) {
        item.OnAdvancedDrawItem(&item, canvas, rect, state);
    } else if (item.OnDrawItem) {
        item.OnDrawItem(&item, canvas, rect, (state & odSelected) != 0);
    } else {
        MenuPainter::Draw(item, canvas, rect, state, IsMenuBar() && item.Parent() == items_.get(), Images());
    }
}

bool Menu::MeasureMessage(Message& m) {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
    if (mis == nullptr || mis->CtlType != ODT_MENU) return false;
    MenuItem* item = ItemOfData(mis->itemData);
    if (item == nullptr) return false;
    Menu* menu = item->GetParentMenu();
    {
        const DeviceContextScope screen = DeviceContextScope::Client(nullptr);
        Canvas canvas(screen.Handle());
        canvas.Font() = MenuPainter::SystemMenuFont();
        const bool barItem = menu->IsMenuBar() && item->Parent() == menu->items_.get();
        const Size size = MenuPainter::DefaultSize(*item, canvas, barItem, menu->Images());
        int width = size.Width;
        int height = size.Height;
        menu->MeasureItem(*item, canvas, width, height);
        mis->itemWidth = static_cast<UINT>(std::max(width, 0));
        mis->itemHeight = static_cast<UINT>(std::max(height, 0));
    }
    m.result = TRUE;
    return true;
}

bool Menu::DrawMessage(Message& m) {
    const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
    if (dis == nullptr || dis->CtlType != ODT_MENU) return false;
    MenuItem* item = ItemOfData(dis->itemData);
    if (item == nullptr) return false;
    OwnerDrawState state = 0;
    if (dis->itemState & ODS_SELECTED) state |= odSelected;
    if (dis->itemState & ODS_GRAYED) state |= odGrayed;
    if (dis->itemState & ODS_DISABLED) state |= odDisabled;
    if (dis->itemState & ODS_CHECKED) state |= odChecked;
    if (dis->itemState & ODS_FOCUS) state |= odFocused;
    if (dis->itemState & ODS_DEFAULT) state |= odDefault;
    if (dis->itemState & ODS_HOTLIGHT) state |= odHotLight;
    if (dis->itemState & ODS_INACTIVE) state |= odInactive;
    if (dis->itemState & ODS_NOACCEL) state |= odNoAccel;
    if (dis->itemState & ODS_NOFOCUSRECT) state |= odNoFocusRect;
    // The handlers leave the context as they found it: the canvas restores its objects, and
    // the saved state undoes colours, modes and clipping.
    {
        SavedDCScope saved(dis->hDC);
        Canvas canvas(dis->hDC);
        canvas.Font() = MenuPainter::SystemMenuFont();
        const Rect rect{dis->rcItem.left, dis->rcItem.top, dis->rcItem.right, dis->rcItem.bottom};
        item->GetParentMenu()->DrawItem(*item, canvas, rect, state);
    }
    m.result = TRUE;
    return true;
}

bool Menu::MenuCharMessage(Message& m) {
    // Owner-drawn items have no text (BuildMenu) the system could search for accelerators.
    auto menu = reinterpret_cast<HMENU>(m.lParam);
    const wchar_t typed = static_cast<wchar_t>(LOWORD(m.wParam));
    if (menu == nullptr || typed == 0 || typed > 0x7F) return false;
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    const int count = GetMenuItemCount(menu);
    for (int pos = 0; pos < count; ++pos) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &info) || (info.fType & MFT_OWNERDRAW) == 0) continue;
        const MenuItem* item = ItemOfData(info.dwItemData);
        if (item != nullptr && item->Enabled() && Control::AcceleratorOf(item->Caption()) == wanted) {
            m.result = MAKELRESULT(pos, MNC_EXECUTE);
            return true;
        }
    }
    return false;
}

bool Menu::DispatchMenuMessage(Message& m) {
    switch (m.msg) {
    case WM_MEASUREITEM: return MeasureMessage(m);
    case WM_DRAWITEM: return DrawMessage(m);
    case WM_MENUCHAR: return MenuCharMessage(m);
    case WM_COMMAND: {
        // Menus send notification code 0 and no control window.
        if (HIWORD(m.wParam) != 0 || m.lParam != 0) return false;
        MenuItem* item = ItemOfData(LOWORD(m.wParam));
        if (item == nullptr) return false;
        m.result = 0;
        item->Click();
        return true;
    }
    default: return false;
    }
}

// --- the tracking window ---

LRESULT CALLBACK Menu::TrackingWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Message m{msg, wParam, lParam, 0};
    bool handled = true;
    Guarded([&] { handled = DispatchMenuMessage(m); });
    return handled ? m.result : DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND Menu::TrackingWindow() {
    static HWND window = nullptr;
    if (window != nullptr && IsWindow(window)) return window;
    HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    if (!GetClassInfoExW(module, kTrackingClass, &cls)) {
        cls = WNDCLASSEXW{};
        cls.cbSize = sizeof(cls);
        cls.lpfnWndProc = &Menu::TrackingWndProc;
        cls.hInstance = module;
        cls.lpszClassName = kTrackingClass;
        if (RegisterClassExW(&cls) == 0) throw Exception("Cannot register the menu window class");
    }
    // A hidden top-level window: popup menus need a window of this thread as their owner.
    window = CreateWindowExW(WS_EX_TOOLWINDOW, kTrackingClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module,
                             nullptr);
    if (window == nullptr) throw Exception("Cannot create the menu window");
    return window;
}

} // namespace fw
