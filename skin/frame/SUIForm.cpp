#include "skin/frame/SUIForm.h"

#include "framework/controls/RedrawSuspension.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/FlagScope.h"
#include "framework/forms/Application.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/system/DeviceContextScope.h"
#include "skin/frame/SUIMainMenu.h"
#include "skin/frame/SUIMenuBar.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <algorithm>
#include <utility>

namespace {

// The form whose shortcut keys the application-wide filter routes (the first skinned form's).
TsuiForm* filterOwner = nullptr;

void AppMessageFilter(MSG& msg, bool& handled) {
    if (msg.message != WM_KEYDOWN || filterOwner == nullptr) return;
    handled = filterOwner->CheckMenuShortCut(fw::Message{msg.message, msg.wParam, msg.lParam, 0});
}

} // namespace

int TsuiForm::MaxRestoreCount = 0;
bool TsuiForm::MDITitleHidden = false;

TsuiForm::TsuiForm(fw::Component* owner) : fw::Panel(owner), fileTheme_(*this), menu_(*this), formPanel_(*this) {
    ownerForm_ = dynamic_cast<fw::Form*>(owner);
    if (ownerForm_ == nullptr) return;
    for (int i = 0; i < ownerForm_->ControlCount(); ++i)
        if (dynamic_cast<TsuiForm*>(ownerForm_->Controls(i)) != nullptr)
            throw fw::Exception("Sorry, You can create only one TsuiForm component in one form!");

    // A window smaller than this has no room for its title bar; a larger designed minimum stays.
    fw::SizeConstraints& limits = ownerForm_->Constraints();
    if (limits.MinHeight() < 50) limits.SetMinHeight(50);
    if (limits.MinWidth() < 125) limits.SetMinWidth(125);
    startBounds_ = ownerForm_->BoundsRect();
    startMaximized_ = ownerForm_->GetWindowState() == fw::WindowState::Maximized;

    SetParent(ownerForm_);
    titleBar_ = new TsuiTitleBar(this);
    titleBar_->SetParent(this);
    menuBarColor_ = GetColor();
    menuBarHeight_ = 22;
    orgBorderStyle_ = ownerForm_->GetBorderStyle();
    SetUIStyle(TsuiUIStyle::DeepBlue);
    autoUpdateSub_ = false;
    SetBevelOuter(fw::BevelCut::None);
    SetBevelInner(fw::BevelCut::None);
    fw::Panel::SetBorderStyle(fw::ControlBorderStyle::None);
    SetAlign(fw::Align::None);
    SetCaption(ownerForm_->Caption());
    SetTitleBarVisible(true);
    fw::Control::SetCaption(" ");

    ownerForm_->SetScaled(false);
    ownerForm_->SetBorderStyle(fw::BorderStyle::None);
    ownerForm_->SetAutoScroll(false);
    oldWndProc_ = ownerForm_->WindowProc();
    ownerForm_->SetWindowProc([this](fw::Message& m) { FormWndProc(m); });
    if (ownerForm_->HandleAllocated()) {
        HWND h = ownerForm_->Handle();
        SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION));
    }
    if (!fw::App().OnMessage) {
        fw::App().OnMessage = &AppMessageFilter;
        filterOwner = this;
        ownsAppFilter_ = true;
    }
    constructing_ = false;
    PlaceInForm();
}

TsuiForm::~TsuiForm() {
    BeginDestroy();
    if (auto* menu = dynamic_cast<TsuiMainMenu*>(menu_.Get()); menu != nullptr && menu->LinkedForm() == this)
        menu->SetLinkedForm(nullptr);
    if (ownsAppFilter_) {
        fw::App().OnMessage.Clear();
        filterOwner = nullptr;
    }
    // The owner form outlives its skinned form only when the panel is freed on its own.
    if (ownerForm_ != nullptr && !ownerForm_->IsDestroying() && oldWndProc_) {
        ownerForm_->SetWindowProc(oldWndProc_);
        ownerForm_->Invalidate();
    }
    DestroyHandle();
}

const fw::ClassInfo& TsuiForm::StaticClass() {
    using F = TsuiForm;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<F>("TsuiForm", fw::Panel::StaticClass())
            .AddReference("FileTheme", &F::FileTheme, &F::SetFileTheme)
            .AddEnum("UIStyle", UIStyleInfo(), &F::UIStyle, &F::SetUIStyle)
            .AddBoolean("UIStyleAutoUpdateSub", &F::UIStyleAutoUpdateSub, &F::SetUIStyleAutoUpdateSub)
            .AddColor("BorderColor", &F::BorderColor, &F::SetBorderColor)
            .AddInteger("BorderWidth", &F::BorderWidth, &F::SetBorderWidth)
            .AddInteger("Width", &F::Width, &F::SetPanelWidth)
            .AddInteger("Height", &F::Height, &F::SetPanelHeight)
            .AddText("Caption", &F::Caption, &F::SetCaption)
            .AddBoolean("TitleBarVisible", &F::TitleBarVisible, &F::SetTitleBarVisible)
            .AddCollection("TitleBarButtons", &F::TitleBarButtons,
                           [](F& f, const fw::Collection& c) { f.TitleBarButtons().Assign(c); })
            .AddCollection("TitleBarSections", &F::TitleBarSections,
                           [](F& f, const fw::Collection& c) { f.TitleBarSections().Assign(c); })
            .AddBoolean("TitleBarDrawAppIcon", &F::TitleBarDrawAppIcon, &F::SetTitleBarDrawAppIcon)
            .AddFont("Font", &F::TitleFont)
            .AddInteger("RoundCorner", &F::RoundCorner, &F::SetRoundCorner)
            .AddReference("Menu", &F::Menu, &F::SetMenu)
            .AddColor("MenuBarColor", &F::MenuBarColor, &F::SetMenuBarColor)
            .AddInteger("MenuBarHeight", &F::MenuBarHeight, &F::SetMenuBarHeight)
            .AddReference("FormPanel", &F::FormPanel, &F::SetFormPanel)
            .AddEvent("OnTitleBarCustomBtnsClick", &F::OnTitleBarCustomBtnsClick)
            .AddEvent("OnTitleBarHelpBtnClick", &F::OnTitleBarHelpBtnClick)
            .Register();
    return info;
}

// --- style ---

void TsuiForm::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    // The border, the title bar's height and the menu move the children: drawn once, at the end.
    const fw::RedrawSuspension quiet(this);
    // A new border width resizes the window and the title bar brings new corners: each would
    // give the window a region of its own (a frame change of the top-level window, some ten
    // display lookups under Wine). The region is set once, when both are known.
    {
        const fw::FlagScope restyling(restyling_);
        ApplyUIStyle();
    }
    if (!restyling_ && titleBar_ != nullptr) titleBar_->UpdateWindowRegion();
    Invalidate();
    DrawFormBorder();
}

void TsuiForm::ApplyUIStyle() {
    const TsuiStyleValues values = StyleValues();
    SetBorderColor(values.Color(TsuiThemeElement::FormBorderColor));
    SetBorderWidth(values.Int(TsuiThemeElement::FormBorderWidthInt));
    SetColor(values.Color(TsuiThemeElement::FormBackgroundColor));
    SetMenuBarColor(GetColor());
    if (titleBar_ != nullptr) {
        titleBar_->SetFileTheme(fileTheme_.Get());
        titleBar_->SetUIStyle(uiStyle_);
    }
    if (auto* menu = dynamic_cast<TsuiMainMenu*>(menu_.Get())) {
        menu->SetUIStyle(uiStyle_);
        menu->SetFileTheme(fileTheme_.Get());
    }
    if (autoUpdateSub_) ContainerApplyUIStyle(this, uiStyle_, fileTheme_.Get());
    PlaceInForm();
}

void TsuiForm::SetFileTheme(TsuiFileTheme* theme) {
    if (theme == fileTheme_.Get()) return;
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiForm::SetBorderColor(fw::Color c) {
    borderColor_ = c;
    PlaceInForm();
    DrawFormBorder();
}

void TsuiForm::SetBorderWidth(int v) {
    borderWidth_ = v;
    // While the panel is being made, the owner form keeps its size and the panel fits in it.
    if (!constructing_) SetPanelWidth(Width());
    PlaceInForm();
    if (!constructing_) SetPanelHeight(Height());
    DrawFormBorder();
}

const std::string& TsuiForm::Caption() const { return titleBar_ != nullptr ? titleBar_->Caption() : fw::Control::Caption(); }

void TsuiForm::SetCaption(const std::string& gbk) {
    if (titleBar_ != nullptr) titleBar_->SetCaption(gbk);
    if (ownerForm_ != nullptr) ownerForm_->SetCaption(gbk);
}

bool TsuiForm::TitleBarVisible() const { return titleBar_ != nullptr && titleBar_->Visible(); }

void TsuiForm::SetTitleBarVisible(bool v) {
    if (titleBar_ == nullptr || titleBar_->Visible() == v) return;
    titleBar_->SetVisible(v);
    titleBar_->SetTop(0);
    PlaceInForm();
    DrawFormBorder();
}

// --- the menu bar ---

void TsuiForm::SetMenu(fw::MainMenu* menu) {
    if (auto* old = dynamic_cast<TsuiMainMenu*>(menu_.Get()); old != nullptr && old->LinkedForm() == this)
        old->SetLinkedForm(nullptr);
    menu_.Set(menu);
    if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu)) skinned->SetLinkedForm(this);
    if (menu == nullptr) {
        DestroyMenuBar();
        return;
    }
    CreateMenuBar();
    RebuildMenuBar();
}

void TsuiForm::CreateMenuBar() {
    if (menuBar_ != nullptr || ownerForm_ == nullptr) return;
    menuBar_ = new TsuiMenuBar(this);
    // Top-aligned controls stand in the order of their tops: the title bar stays above the bar.
    if (titleBar_ != nullptr) titleBar_->SetTop(0);
}

void TsuiForm::DestroyMenuBar() {
    delete std::exchange(menuBar_, nullptr);
    if (auto* old = dynamic_cast<TsuiMainMenu*>(menu_.Get()); old != nullptr && old->LinkedForm() == this)
        old->SetLinkedForm(nullptr);
    menu_.Set(nullptr);
}

void TsuiForm::RebuildMenuBar() {
    if (menuBar_ == nullptr || IsDestroying()) return;
    if (menu_.Get() == nullptr) {
        DestroyMenuBar();
        return;
    }
    UpdateMenuBarFont();
    menuBar_->Rebuild(*menu_.Get());
}

void TsuiForm::SyncMenuBar() {
    if (menuBar_ != nullptr && !IsDestroying()) menuBar_->Sync();
}

void TsuiForm::UpdateMenuBarFont() {
    if (menuBar_ != nullptr && menu_.Get() != nullptr && !IsDestroying()) menuBar_->UpdateFont();
}

void TsuiForm::SetMenuBarColor(fw::Color c) {
    menuBarColor_ = c;
    if (menuBar_ != nullptr) menuBar_->SetColor(c);
}

void TsuiForm::SetMenuBarHeight(int v) {
    menuBarHeight_ = v;
    if (menuBar_ != nullptr) menuBar_->SetBarHeight(v);
}

void TsuiForm::SetFormPanel(fw::Panel* panel) {
    if (panel == this) {
        ShowSkinErrorBox("Sorry, you can't select the Form assign to FormPanel property");
        return;
    }
    formPanel_.Set(panel);
    if (panel == nullptr) return;
    panel->SetAlign(fw::Align::Client);
    if (panel->ClassType().Name() == "TPanel") {
        panel->SetBevelInner(fw::BevelCut::None);
        panel->SetBevelOuter(fw::BevelCut::None);
        panel->SetBorderStyle(fw::ControlBorderStyle::None);
        panel->SetCaption("");
    } else if (panel->ClassType().Name() == "TsuiImagePanel") {
        panel->SetCaption("");
    }
}

void TsuiForm::SetPanelWidth(int w) {
    if (ownerForm_ != nullptr) ownerForm_->SetWidth(w + 2 * borderWidth_);
    PlaceInForm();
}

void TsuiForm::SetPanelHeight(int h) {
    // PlaceInForm leaves BorderWidth below the panel, and above it while the title bar is hidden.
    const int frame = TitleBarVisible() ? borderWidth_ : 2 * borderWidth_;
    if (ownerForm_ != nullptr) ownerForm_->SetHeight(h + frame);
    PlaceInForm();
}

void TsuiForm::Notification(fw::Component* c, fw::Operation operation) {
    fw::Panel::Notification(c, operation);
    if (operation != fw::opRemove) return;
    if (c == titleBar_) titleBar_ = nullptr;
    if (c == menuBar_) menuBar_ = nullptr;
    formPanel_.Removed(c);
    if (menu_.Removed(c) && !IsDestroying()) DestroyMenuBar();
    if (fileTheme_.Removed(c) && !IsDestroying()) {
        ContainerApplyUIStyle(this, TsuiUIStyle::DeepBlue, nullptr);
        SetUIStyle(TsuiUIStyle::DeepBlue);
    }
}

void TsuiForm::Loaded() {
    fw::Panel::Loaded();
    PlaceInForm();
}

// --- placing and painting ---

void TsuiForm::PlaceInForm() {
    if (ownerForm_ == nullptr || IsDestroying()) return;
    const int bw = borderWidth_;
    const int cw = ownerForm_->ClientWidth();
    const int ch = ownerForm_->ClientHeight();
    const int top = TitleBarVisible() ? 0 : bw;
    fw::Panel::SetBounds(bw, top, cw - 2 * bw, ch - bw - top);
}

void TsuiForm::DrawFormBorder() {
    // A suspended window draws its border when it is painted at the end, a hidden one when it
    // is shown.
    if (ownerForm_ == nullptr || !ownerForm_->HandleAllocated() || IsDestroying() || fw::RedrawSuspension::Holds(ownerForm_))
        return;
    HWND h = ownerForm_->Handle();
    if (!IsWindowVisible(h)) return;
    RECT client;
    if (!GetClientRect(h, &client)) return;
    const int cw = client.right;
    const int ch = client.bottom;
    const int bw = borderWidth_;
    const fw::DeviceContextScope dc = fw::DeviceContextScope::Client(h);
    if (dc.Handle() == nullptr) return;
    fw::Canvas canvas(dc.Handle());
    FillRectColor(canvas, fw::Rect{0, 0, bw, ch}, borderColor_);
    FillRectColor(canvas, fw::Rect{0, ch - bw, cw, ch}, borderColor_);
    FillRectColor(canvas, fw::Rect{cw - bw, 0, cw, ch}, borderColor_);
    if (bw > 0) FillRectColor(canvas, fw::Rect{0, 0, cw, bw}, borderColor_);
}

void TsuiForm::Paint() {
    fw::Canvas& canvas = Canvas();
    const fw::Rect r = ClientRect();
    const TsuiUIStyle look = StyleValues().FromFileTheme() ? TsuiUIStyle::FromThemeFile : uiStyle_;
    if (look == TsuiUIStyle::MacOS || look == TsuiUIStyle::Protein) {
        if (backgroundLook_ != look || background_.Width() != r.Width() || background_.Height() != r.Height()) {
            fw::Picture tile;
            auto bitmap = std::make_shared<fw::Bitmap>();
            LoadSkinBitmap(look == TsuiUIStyle::MacOS ? "MACOS_FORM_BACKGROUND" : "PROTEIN_FORM_BACKGROUND", *bitmap);
            tile.SetGraphic(bitmap);
            fw::Bitmap tiled(r.Width(), r.Height());
            TilePicture(tiled.Canvas(), tile, r);
            background_ = std::move(tiled);
            backgroundLook_ = look;
        }
        canvas.Draw(0, 0, background_);
    } else {
        if (!background_.Empty()) background_ = fw::Bitmap();
        backgroundLook_ = TsuiUIStyle::FromThemeFile;
        FillRectColor(canvas, r, GetColor());
    }
    fw::CustomControl::Paint();
}

void TsuiForm::WndProc(fw::Message& m) {
    switch (m.msg) {
    case WM_CREATE:
        fw::Panel::WndProc(m);
        PlaceInForm();
        DrawFormBorder();
        return;
    case WM_NCHITTEST:
        fw::Panel::WndProc(m);
        // The panel covers the owner form's edges: their resize zones belong to the form.
        if (ResizeZoneAt(POINT{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))}) != 0)
            m.result = HTTRANSPARENT;
        return;
    case WM_ERASEBKGND:
        // Paint covers the whole panel; only the owner form's border needs drawing.
        DrawFormBorder();
        m.result = 1;
        return;
    default: fw::Panel::WndProc(m);
    }
}

// --- the owner form's messages ---

bool TsuiForm::CheckMenuShortCut(const fw::Message& keyMessage) {
    auto* target = dynamic_cast<fw::FormMenuTarget*>(menu_.Get());
    if (target == nullptr || ownerForm_ == nullptr || !FormHasFocus(ownerForm_) || !ownerForm_->Active()) return false;
    return target->IsShortCut(keyMessage);
}

void TsuiForm::FormWndProc(fw::Message& m) {
    oldWndProc_(m);
    if (IsDestroying() || ownerForm_->IsDestroying()) return;
    switch (m.msg) {
    case WM_KEYDOWN: m.result = CheckMenuShortCut(m) ? 1 : 0; break;
    case WM_SHOWWINDOW:
        // The drawn title bar replaces any native menu bar. Setting none where there is none
        // would still recompute the frame, a dozen trips to the window server.
        if (ownerForm_->HandleAllocated() && GetMenu(ownerForm_->Handle()) != nullptr) ::SetMenu(ownerForm_->Handle(), nullptr);
        break;
    case WM_ACTIVATE:
        if (titleBar_ != nullptr) titleBar_->SetFormActive(LOWORD(m.wParam) != WA_INACTIVE);
        break;
    case WM_SIZE: FormSized(); break;
    case WM_ERASEBKGND:
    case WM_PAINT: DrawFormBorder(); break;
    case WM_NCHITTEST: FormHitTest(m); break;
    default: break;
    }
}

void TsuiForm::FormSized() {
    HWND h = ownerForm_->Handle();
    if (startMaximized_) {
        if (!IsZoomed(h)) {
            SetFormBoundsRect(ownerForm_, startBounds_);
            startMaximized_ = false;
        } else if (MaxRestoreCount == 2) {
            ownerForm_->SetWindowState(fw::WindowState::Maximized);
        } else {
            ++MaxRestoreCount;
        }
        MDITitleHidden = true;
    }
    if (IsZoomed(h) && orgBorderStyle_ != fw::BorderStyle::None) {
        // A maximised skinned window leaves the task bar visible.
        fw::Rect area;
        if (GetWorkAreaRect(area)) SetFormBoundsRect(ownerForm_, area);
    }
    PlaceInForm();
    DrawFormBorder();
    if (titleBar_ != nullptr) titleBar_->UpdateWindowRegion();
}

void TsuiForm::FormHitTest(fw::Message& m) {
    const POINT p{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
    if (const int zone = ResizeZoneAt(p)) m.result = zone;
}

int TsuiForm::ResizeZoneAt(POINT p) const {
    if (ownerForm_ == nullptr || !ownerForm_->HandleAllocated()) return 0;
    HWND h = ownerForm_->Handle();
    if (IsZoomed(h) || orgBorderStyle_ != fw::BorderStyle::Sizeable) return 0;
    ::ScreenToClient(h, &p);
    RECT client;
    GetClientRect(h, &client);
    const int cw = client.right;
    const int ch = client.bottom;
    const bool left = p.x < 5;
    const bool top = p.y < 5;
    const bool right = p.x > cw - 5;
    const bool bottom = p.y > ch - 5;
    if (left && top) return HTTOPLEFT;
    if (right && top) return HTTOPRIGHT;
    if (right && bottom) return HTBOTTOMRIGHT;
    if (left && bottom) return HTBOTTOMLEFT;
    if (left) return HTLEFT;
    if (top) return HTTOP;
    if (right) return HTRIGHT;
    if (bottom) return HTBOTTOM;
    return 0;
}
