#include "skin/frame/SUITitleBar.h"

#include "framework/controls/RedrawSuspension.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/core/WideText.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Icon.h"
#include "framework/menus/MenuItem.h"
#include "skin/frame/SUIForm.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <windowsx.h>

#include <memory>

namespace {

// The system colour of an inactive window's caption.
constexpr fw::Color kInactiveCaption = 0xFF000003;
constexpr int kTitleButtonFrames = 18;

void DefaultErrorBox(const std::string& text) {
    MessageBoxW(GetActiveWindow(), fw::GbkToWide(text).c_str(), fw::GbkToWide(fw::App().Title()).c_str(),
                MB_OK | MB_ICONSTOP);
}

TsuiErrorBox errorBox = &DefaultErrorBox;

fw::Bitmap* BitmapOf(const fw::Picture& picture) { return dynamic_cast<fw::Bitmap*>(picture.GetGraphic().get()); }

fw::Picture PictureOf(const fw::Bitmap& bitmap) {
    fw::Picture p;
    p.SetGraphic(std::make_shared<fw::Bitmap>(bitmap));
    return p;
}

// The first two bytes of a GBK caption (one double-byte character or two single-byte ones).
std::string FirstTwoBytes(const std::string& caption) { return caption.substr(0, 2); }

} // namespace

void SetSkinErrorBox(TsuiErrorBox box) { errorBox = box != nullptr ? box : &DefaultErrorBox; }
void ShowSkinErrorBox(const std::string& gbkText) { errorBox(gbkText); }

// --- TsuiTitleBarSection ---

TsuiTitleBarSection::TsuiTitleBarSection(fw::Collection& collection) : fw::CollectionItem(collection) {}

const fw::EnumInfo& TsuiTitleBarSection::AlignInfo() {
    static const fw::EnumInfo info("TsuiTitleBarAlign", std::vector<std::string>{"suiLeft", "suiRight", "suiClient"});
    return info;
}

const fw::ClassInfo& TsuiTitleBarSection::StaticClass() {
    using S = TsuiTitleBarSection;
    static const fw::ClassInfo& info = fw::ClassBuilder<S>("TsuiTitleBarSection", fw::CollectionItem::StaticClass())
                                           .AddInteger("Width", &S::Width, &S::SetWidth)
                                           .AddEnum("Align", AlignInfo(), &S::Align, &S::SetAlign)
                                           .AddPicture("Picture", static_cast<fw::Picture& (S::*)()>(&S::Picture),
                                                       &S::SetPicture)
                                           .AddBoolean("Stretch", &S::Stretch, &S::SetStretch)
                                           .AddBoolean("AutoSize", &S::AutoSize, &S::SetAutoSize)
                                           .Register();
    return info;
}

void TsuiTitleBarSection::SetAutoSize(bool v) {
    autoSize_ = v;
    if (picture_.HasGraphic()) width_ = picture_.Width();
    Changed();
}

void TsuiTitleBarSection::SetWidth(int v) {
    width_ = v;
    Changed();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign a) {
    if (a == TsuiTitleBarAlign::suiClient) {
        auto& sections = static_cast<TsuiTitleBarSections&>(OwnerCollection());
        for (int i = 0; i < sections.Count(); ++i)
            if (sections.Item(i).Align() == TsuiTitleBarAlign::suiClient) {
                ShowSkinErrorBox("Sorry, only one section's Align property can be \"suiClient\"");
                return;
            }
        stretch_ = true;
    }
    align_ = a;
    Changed();
}

void TsuiTitleBarSection::SetPicture(const fw::Picture& p) {
    picture_.Assign(p);
    if (picture_.HasGraphic() && autoSize_) width_ = picture_.Width();
    Changed();
}

void TsuiTitleBarSection::SetStretch(bool v) {
    stretch_ = v || align_ == TsuiTitleBarAlign::suiClient;
    Changed();
}

void TsuiTitleBarSection::Assign(const fw::CollectionItem& source) {
    const auto* s = dynamic_cast<const TsuiTitleBarSection*>(&source);
    if (s == nullptr || s == this) return;
    SetWidth(s->width_);
    SetAlign(s->align_);
    SetPicture(s->picture_);
    SetStretch(s->stretch_);
    SetAutoSize(s->autoSize_);
}

// --- TsuiTitleBarButton ---

TsuiTitleBarButton::TsuiTitleBarButton(fw::Collection& collection) : fw::CollectionItem(collection) {}

const fw::EnumInfo& TsuiTitleBarButton::ButtonTypeInfo() {
    static const fw::EnumInfo info("TsuiTitleBarBtnType", std::vector<std::string>{"suiMax", "suiMin", "suiClose",
                                                                                 "suiHelp", "suiControlBox",
                                                                                 "suiCustom"});
    return info;
}

const fw::ClassInfo& TsuiTitleBarButton::StaticClass() {
    using B = TsuiTitleBarButton;
    using P = fw::Picture& (B::*)();
    static const fw::ClassInfo& info =
        fw::ClassBuilder<B>("TsuiTitleBarButton", fw::CollectionItem::StaticClass())
            .AddBoolean("Visible", &B::Visible, &B::SetVisible)
            .AddEnum("ButtonType", ButtonTypeInfo(), &B::ButtonType, &B::SetButtonType)
            .AddBoolean("Transparent", &B::Transparent, &B::SetTransparent)
            .AddInteger("Top", &B::Top, &B::SetTop)
            .AddEnum("UIStyle", UIStyleInfo(), &B::UIStyle, &B::SetUIStyle)
            .AddPicture("PicNormal", static_cast<P>(&B::PicNormal))
            .AddPicture("PicMouseOn", static_cast<P>(&B::PicMouseOn))
            .AddPicture("PicMouseDown", static_cast<P>(&B::PicMouseDown))
            .AddReference("ControlBoxMenu", &B::ControlBoxMenu, &B::SetControlBoxMenu)
            .Register();
    return info;
}

TsuiTitleBar* TsuiTitleBarButton::TitleBar() const {
    return dynamic_cast<TsuiTitleBar*>(OwnerCollection().Owner());
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    ReloadPictures();
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType t) {
    if (t == TsuiTitleBarBtnType::suiControlBox) {
        auto& buttons = static_cast<TsuiTitleBarButtons&>(OwnerCollection());
        for (int i = 0; i < buttons.Count(); ++i)
            if (buttons.Item(i).ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
                ShowSkinErrorBox("Sorry, only one button's ButtonType property can be \"suiControlBox\"");
                return;
            }
    }
    type_ = t;
    ReloadPictures();
    Changed();
}

void TsuiTitleBarButton::SetTransparent(bool v) {
    transparent_ = v;
    Changed();
}

void TsuiTitleBarButton::SetTop(int v) {
    top_ = v;
    Changed();
}

void TsuiTitleBarButton::SetControlBoxMenu(fw::PopupMenu* menu) {
    TsuiTitleBar* bar = TitleBar();
    if (bar != nullptr && controlBoxMenu_ != nullptr) bar->RemoveFreeNotification(controlBoxMenu_);
    controlBoxMenu_ = menu;
    if (bar != nullptr && menu != nullptr) bar->FreeNotification(menu);
}

void TsuiTitleBarButton::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

void TsuiTitleBarButton::LoadFrames(int first) {
    TsuiTitleBar* bar = TitleBar();
    const TsuiStyleValues values(bar != nullptr ? bar->FileTheme() : nullptr, uiStyle_);
    fw::Bitmap frame;
    values.Bitmap(TsuiThemeElement::TitleBarButtonImage, frame, first);
    picNormal_ = PictureOf(frame);
    values.Bitmap(TsuiThemeElement::TitleBarButtonImage, frame, first + 1);
    picMouseOn_ = PictureOf(frame);
    values.Bitmap(TsuiThemeElement::TitleBarButtonImage, frame, first + 2);
    picMouseDown_ = PictureOf(frame);
}

void TsuiTitleBarButton::ReloadPictures() {
    TsuiTitleBar* bar = TitleBar();
    const TsuiStyleValues values(bar != nullptr ? bar->FileTheme() : nullptr, uiStyle_);
    transparent_ = values.Bool(TsuiThemeElement::TitleBarButtonTransparentBool);
    int first = 0;
    switch (type_) {
    case TsuiTitleBarBtnType::suiControlBox: first = 1; break;
    case TsuiTitleBarBtnType::suiHelp: first = 4; break;
    case TsuiTitleBarBtnType::suiMax: first = 7; break;
    case TsuiTitleBarBtnType::suiMin: first = 13; break;
    case TsuiTitleBarBtnType::suiClose: first = 16; break;
    case TsuiTitleBarBtnType::suiCustom: break;
    }
    if (first != 0) {
        LoadFrames(first);
        top_ = values.Int(TsuiThemeElement::TitleBarButtonTopInt);
    }
    if (type_ == TsuiTitleBarBtnType::suiMax) UpdateMaxRestorePictures();
    Changed();
}

void TsuiTitleBarButton::UpdateMaxRestorePictures() {
    if (type_ != TsuiTitleBarBtnType::suiMax) return;
    TsuiTitleBar* bar = TitleBar();
    fw::Form* form = bar != nullptr ? bar->ParentFormOf() : nullptr;
    const bool maximized = form != nullptr && form->HandleAllocated() && IsZoomed(form->Handle());
    LoadFrames(maximized ? 10 : 7);
    Changed();
}

void TsuiTitleBarButton::DoClick() {
    TsuiTitleBar* bar = TitleBar();
    fw::Form* form = bar != nullptr ? bar->ParentFormOf() : nullptr;
    if (form == nullptr) return;
    switch (type_) {
    case TsuiTitleBarBtnType::suiMax: {
        const bool maximized = form->HandleAllocated() && IsZoomed(form->Handle());
        form->SetWindowState(maximized ? fw::WindowState::Normal : fw::WindowState::Maximized);
        UpdateMaxRestorePictures();
        break;
    }
    case TsuiTitleBarBtnType::suiMin:
        if (fw::App().MainForm() == form)
            SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        else
            ShowWindow(form->Handle(), SW_SHOWMINIMIZED);
        break;
    case TsuiTitleBarBtnType::suiClose: form->Close(); break;
    case TsuiTitleBarBtnType::suiControlBox:
        if (controlBoxMenu_ != nullptr) {
            const fw::Point p = bar->ClientToScreen(fw::Point{0, bar->Height()});
            controlBoxMenu_->Popup(p.X, p.Y);
        }
        break;
    case TsuiTitleBarBtnType::suiHelp:
    case TsuiTitleBarBtnType::suiCustom: break;
    }
}

void TsuiTitleBarButton::Assign(const fw::CollectionItem& source) {
    const auto* s = dynamic_cast<const TsuiTitleBarButton*>(&source);
    if (s == nullptr || s == this) return;
    SetVisible(s->visible_);
    SetButtonType(s->type_);
    SetTransparent(s->transparent_);
    SetTop(s->top_);
    SetUIStyle(s->uiStyle_);
    picNormal_.Assign(s->picNormal_);
    picMouseOn_.Assign(s->picMouseOn_);
    picMouseDown_.Assign(s->picMouseDown_);
    SetControlBoxMenu(s->controlBoxMenu_);
    Changed();
}

const fw::ClassInfo& TsuiTitleBarSections::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiTitleBarSections>("TsuiTitleBarSections", fw::Collection::StaticClass()).Register();
    return info;
}

const fw::ClassInfo& TsuiTitleBarButtons::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiTitleBarButtons>("TsuiTitleBarButtons", fw::Collection::StaticClass()).Register();
    return info;
}

// --- TsuiTitleBarPopupMenu ---

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar) : TsuiPopupMenu(titleBar), titleBar_(titleBar) {
    const auto add = [this](const char* caption, void (TsuiTitleBarPopupMenu::*click)(fw::Component*)) {
        auto* item = new fw::MenuItem(this);
        item->SetCaption(caption);
        if (click != nullptr) item->OnClick = [this, click](fw::Component* sender) { (this->*click)(sender); };
        Items().Add(item);
    };
    add("Minimize", &TsuiTitleBarPopupMenu::MinimizeClick);
    add("Maximize/Restore", &TsuiTitleBarPopupMenu::MaxRestoreClick);
    add("-", nullptr);
    add("Close", &TsuiTitleBarPopupMenu::CloseClick);
    HookItemDrawing();
}

const fw::ClassInfo& TsuiTitleBarPopupMenu::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiTitleBarPopupMenu>("TsuiTitleBarPopupMenu", TsuiPopupMenu::StaticClass())
            .Factory(nullptr)
            .Register();
    return info;
}

void TsuiTitleBarPopupMenu::Popup(int x, int y) {
    bool min = false;
    bool max = false;
    bool close = false;
    TsuiTitleBarButtons& buttons = titleBar_->Buttons();
    for (int i = 0; i < buttons.Count(); ++i) {
        const TsuiTitleBarBtnType t = buttons.Item(i).ButtonType();
        min = min || t == TsuiTitleBarBtnType::suiMin;
        max = max || t == TsuiTitleBarBtnType::suiMax;
        close = close || t == TsuiTitleBarBtnType::suiClose;
    }
    Items().Items(0)->SetEnabled(min);
    Items().Items(1)->SetEnabled(max);
    Items().Items(3)->SetEnabled(close);
    TsuiPopupMenu::Popup(x, y);
}

void TsuiTitleBarPopupMenu::MinimizeClick(fw::Component*) {
    fw::Form* form = titleBar_->ParentFormOf();
    if (form == nullptr) return;
    if (fw::App().MainForm() == form)
        SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else
        ShowWindow(form->Handle(), SW_SHOWMINIMIZED);
}

void TsuiTitleBarPopupMenu::MaxRestoreClick(fw::Component*) {
    TsuiTitleBarButtons& buttons = titleBar_->Buttons();
    for (int i = 0; i < buttons.Count(); ++i)
        if (buttons.Item(i).ButtonType() == TsuiTitleBarBtnType::suiMax) buttons.Item(i).DoClick();
}

void TsuiTitleBarPopupMenu::CloseClick(fw::Component*) {
    if (fw::Form* form = titleBar_->ParentFormOf()) form->Close();
}

// --- TsuiTitleBar ---

TsuiTitleBar::TsuiTitleBar(fw::Component* owner)
    : fw::CustomControl(owner), fileTheme_(*this), sections_(this), buttons_(this) {
    SetDoubleBuffered(true);
    SetParentFont(false);
    systemMenu_ = new TsuiTitleBarPopupMenu(this);
    sections_.OnChange = [this](fw::CollectionItem*) { Invalidate(); };
    buttons_.OnChange = [this](fw::CollectionItem*) { Invalidate(); };
    for (TsuiTitleBarBtnType t : {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose,
                                  TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin})
        buttons_.Add().SetButtonType(t);
    SetAlign(fw::Align::Top);
    fw::Font f = Font();
    f.SetName("Tahoma");
    f.SetStyle(fw::fsBold);
    f.SetColor(fw::clWhite);
    SetFont(f);
    auto* form = dynamic_cast<fw::Form*>(owner);
    SetUIStyle(form != nullptr ? GetSUIFormStyle(owner) : TsuiUIStyle::DeepBlue);
}

TsuiTitleBar::~TsuiTitleBar() {
    BeginDestroy();
    DestroyHandle();
    buttons_.Clear();
    sections_.Clear();
}

const fw::ClassInfo& TsuiTitleBar::StaticClass() {
    using T = TsuiTitleBar;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<T>("TsuiTitleBar", fw::CustomControl::StaticClass())
            .AddEnum("UIStyle", UIStyleInfo(), &T::UIStyle, &T::SetUIStyle)
            .AddReference("FileTheme", &T::FileTheme, &T::SetFileTheme)
            .AddBoolean("AutoSize", &T::AutoSize, &T::SetAutoSize)
            .AddCollection("Sections", &T::Sections, &T::SetSections)
            .AddCollection("Buttons", &T::Buttons, &T::SetButtons)
            .AddInteger("ButtonInterval", &T::ButtonInterval, &T::SetButtonInterval)
            .AddBoolean("FormActive", &T::FormActive, &T::SetFormActive)
            .AddInteger("LeftBtnXOffset", &T::LeftBtnXOffset, &T::SetLeftBtnXOffset)
            .AddInteger("RightBtnXOffset", &T::RightBtnXOffset, &T::SetRightBtnXOffset)
            .AddBoolean("DrawAppIcon", &T::DrawAppIcon, &T::SetDrawAppIcon)
            .AddInteger("RoundCorner", &T::RoundCorner, &T::SetRoundCorner)
            .AddEvent("OnCustomBtnsClick", &T::OnCustomBtnsClick)
            .AddEvent("OnHelpBtnClick", &T::OnHelpBtnClick)
            .Register();
    return info;
}

TsuiStyleValues TsuiTitleBar::StyleValues() const { return TsuiStyleValues(fileTheme_.Get(), uiStyle_); }

bool TsuiTitleBar::IsOnSkinnedForm() const { return dynamic_cast<TsuiForm*>(Parent()) != nullptr; }

bool TsuiTitleBar::SetsRegionNow() const {
    const auto* form = dynamic_cast<const TsuiForm*>(Parent());
    return form != nullptr && !form->Restyling();
}

fw::Form* TsuiTitleBar::ParentFormOf() const { return Parent() != nullptr ? ParentForm() : nullptr; }

bool TsuiTitleBar::ParentMaximized() const {
    fw::Form* form = ParentFormOf();
    return form != nullptr && form->HandleAllocated() && IsZoomed(form->Handle());
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    const TsuiStyleValues values = StyleValues();
    sections_.BeginUpdate();
    try {
        sections_.Clear();
        LoadSections(values);
    } catch (...) {
        sections_.EndUpdate();
        throw;
    }
    sections_.EndUpdate();
    buttons_.BeginUpdate();
    for (int i = 0; i < buttons_.Count(); ++i) buttons_.Item(i).SetUIStyle(values.EffectiveStyle());
    buttons_.EndUpdate();
    systemMenu_->SetUIStyle(values.EffectiveStyle());
    systemMenu_->SetFileTheme(fileTheme_.Get());
    if (SetsRegionNow()) SetWindowRegion(roundCorner_);
    if (!keepFontColor_)
        Font().SetColor(values.EffectiveStyle() == TsuiUIStyle::MacOS ? fw::clBlack : fw::clWhite);
    SetAutoSize(true);
    Invalidate();
}

void TsuiTitleBar::LoadSections(const TsuiStyleValues& values) {
    fw::Bitmap image;
    values.Bitmap(TsuiThemeElement::TitleBarLeftImage, image);
    TsuiTitleBarSection& left = sections_.Add();
    left.SetPicture(PictureOf(image));
    left.SetAutoSize(true);
    left.SetAlign(TsuiTitleBarAlign::suiLeft);

    image = fw::Bitmap();
    values.Bitmap(TsuiThemeElement::TitleBarRightImage, image);
    TsuiTitleBarSection& right = sections_.Add();
    right.SetPicture(PictureOf(image));
    right.SetAutoSize(true);
    right.SetAlign(TsuiTitleBarAlign::suiRight);

    image = fw::Bitmap();
    values.Bitmap(TsuiThemeElement::TitleBarClientImage, image);
    TsuiTitleBarSection& client = sections_.Add();
    client.SetPicture(PictureOf(image));
    client.SetAlign(TsuiTitleBarAlign::suiClient);

    leftBtnXOffset_ = values.Int(TsuiThemeElement::TitleBarButtonLeftOffsetInt);
    rightBtnXOffset_ = values.Int(TsuiThemeElement::TitleBarButtonRightOffsetInt);
    cornerColor_ = values.Color(TsuiThemeElement::FormBorderColor);
    image = fw::Bitmap();
    values.Bitmap(TsuiThemeElement::TitleBarButtonImage, image);
    captionAreaHeight_ = image.Height();
    captionTop_ = values.Int(TsuiThemeElement::TitleBarButtonTopInt);
    if (fw::Form* form = ParentFormOf()) form->Constraints().SetMinWidth(values.Int(TsuiThemeElement::FormMinWidthInt));
    roundCorner_ = values.Int(TsuiThemeElement::FormRoundCornerInt);
}

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* theme) {
    // The skinned form sets the theme and then the look on every change of look: the same
    // theme again would only load every picture twice.
    if (theme == fileTheme_.Get()) return;
    fileTheme_.Set(theme);
    keepFontColor_ = true;
    try {
        SetUIStyle(uiStyle_);
    } catch (...) {
        keepFontColor_ = false;
        throw;
    }
    keepFontColor_ = false;
}

void TsuiTitleBar::SetAutoSize(bool v) {
    autoSize_ = v;
    if (sections_.Count() == 0) {
        autoSize_ = false;
        return;
    }
    SetHeight(sections_.Item(0).Picture().Height());
}

void TsuiTitleBar::SetButtonInterval(int v) {
    buttonInterval_ = v;
    Invalidate();
}

void TsuiTitleBar::SetFormActive(bool v) {
    formActive_ = v;
    Invalidate();
}

void TsuiTitleBar::SetLeftBtnXOffset(int v) {
    leftBtnXOffset_ = v;
    Invalidate();
}

void TsuiTitleBar::SetRightBtnXOffset(int v) {
    rightBtnXOffset_ = v;
    Invalidate();
}

void TsuiTitleBar::SetDrawAppIcon(bool v) {
    drawAppIcon_ = v;
    Invalidate();
}

void TsuiTitleBar::SetRoundCorner(int v) {
    roundCorner_ = v;
    if (SetsRegionNow()) SetWindowRegion(roundCorner_);
    Invalidate();
}

void TsuiTitleBar::UpdateWindowRegion() {
    if (SetsRegionNow()) SetWindowRegion(roundCorner_);
}

void TsuiTitleBar::RefreshMaxButtons() {
    for (int i = 0; i < buttons_.Count(); ++i) buttons_.Item(i).UpdateMaxRestorePictures();
}

void TsuiTitleBar::SetWindowRegion(int w) {
    fw::Form* form = ParentFormOf();
    if (form == nullptr || !form->HandleAllocated()) return;
    RECT client;
    if (!GetClientRect(form->Handle(), &client)) return;
    const int cw = client.right;
    const int ch = client.bottom;
    HRGN region = CreateRoundRectRgn(0, 0, cw + 1, ch + 1, w, w);
    if (region == nullptr) return;
    // Only the top corners are round.
    HRGN bottomLeft = CreateRectRgn(0, ch - 2 * w, 2 * w, ch);
    HRGN bottomRight = CreateRectRgn(cw - 2 * w, ch - 2 * w, cw, ch);
    if (bottomLeft != nullptr) CombineRgn(region, region, bottomLeft, RGN_OR);
    if (bottomRight != nullptr) CombineRgn(region, region, bottomRight, RGN_OR);
    if (bottomLeft != nullptr) DeleteObject(bottomLeft);
    if (bottomRight != nullptr) DeleteObject(bottomRight);
    // Setting a region makes the system redraw the whole window, even for the same region, and
    // every change of look and many resizes give the same shape again.
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    const bool same = current != nullptr && GetWindowRgn(form->Handle(), current) != ERROR &&
                      EqualRgn(current, region) != FALSE;
    if (current != nullptr) DeleteObject(current);
    if (same) {
        DeleteObject(region);
        return;
    }
    // Redrawn by the usual painting rather than at once: a change of look sets the region while
    // the window is being restyled and is drawn whole afterwards.
    fw::RedrawSuspension::Deepen(form);
    if (SetWindowRgn(form->Handle(), region, FALSE) == 0) {
        DeleteObject(region);
        return;
    }
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsuiTitleBar::Notification(fw::Component* c, fw::Operation operation) {
    fw::CustomControl::Notification(c, operation);
    if (operation != fw::opRemove) return;
    if (c == systemMenu_) systemMenu_ = nullptr;
    for (int i = 0; i < buttons_.Count(); ++i)
        if (buttons_.Item(i).ControlBoxMenu() == c) buttons_.Item(i).SetControlBoxMenu(nullptr);
    if (fileTheme_.Removed(c) && !IsDestroying()) SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiTitleBar::TextChanged() {
    fw::CustomControl::TextChanged();
    Invalidate();
}

void TsuiTitleBar::FontChanged() {
    fw::CustomControl::FontChanged();
    Invalidate();
}

fw::Rect TsuiTitleBar::ButtonRect(int index) const {
    if (index < 0 || index >= static_cast<int>(buttonRects_.size())) return fw::Rect{};
    return buttonRects_[static_cast<size_t>(index)];
}

// --- painting ---

void TsuiTitleBar::Paint() {
    const int w = Width();
    const int h = Height();
    if (w <= 0 || h <= 0) return;
    fw::Bitmap buffer(w, h);
    fw::Canvas& canvas = buffer.Canvas();
    canvas.Brush().SetStyle(fw::BrushStyle::Clear);
    canvas.Font() = Font();
    DrawSections(buffer);
    DrawButtons(buffer);
    if (StyleValues().EffectiveStyle() != TsuiUIStyle::WinXP && roundCorner_ != 0) {
        canvas.Pen().SetColor(cornerColor_);
        canvas.Pen().SetWidth(1);
        canvas.Brush().SetStyle(fw::BrushStyle::Clear);
        canvas.RoundRect(fw::Rect{-1, 0, w + 1, h + 50}, roundCorner_ + 1, roundCorner_);
    }
    Canvas().Draw(0, 0, buffer);
}

void TsuiTitleBar::DrawSections(fw::Bitmap& buffer) {
    fw::Canvas& canvas = buffer.Canvas();
    const int w = buffer.Width();
    const int h = buffer.Height();
    int left = -1;
    int right = w + 1;
    const TsuiTitleBarSection* client = nullptr;
    const auto copy = [&](const fw::Bitmap& picture, int x, int width) {
        const int saved = canvas.SaveState();
        canvas.IntersectClip(fw::Rect{x, 0, x + width, h});
        canvas.Draw(x, 0, picture);
        canvas.RestoreState(saved);
    };
    for (int i = 0; i < sections_.Count(); ++i) {
        const TsuiTitleBarSection& s = sections_.Item(i);
        const fw::Bitmap* picture = BitmapOf(s.Picture());
        switch (s.Align()) {
        case TsuiTitleBarAlign::suiLeft:
            if (picture != nullptr) {
                if (s.Stretch())
                    canvas.StretchDraw(fw::Rect{left + 1, 0, left + 1 + s.Width(), h}, *picture);
                else
                    copy(*picture, left + 1, s.Width());
            }
            left += s.Width();
            break;
        case TsuiTitleBarAlign::suiRight:
            if (w - left < s.Width()) break;
            if (picture != nullptr) {
                if (s.Stretch())
                    canvas.StretchDraw(fw::Rect{right - 1 - s.Width(), 0, right - 1, h}, *picture);
                else
                    copy(*picture, right - 1 - s.Width(), s.Width());
            }
            right -= s.Width();
            break;
        case TsuiTitleBarAlign::suiClient: client = &s; break;
        }
    }
    if (client != nullptr)
        if (const fw::Bitmap* picture = BitmapOf(client->Picture()))
            canvas.StretchDraw(fw::Rect{left + 1, 0, right - 1, h}, *picture);
}

namespace {

// Draws a button picture, leaving out the colour of its lower-left pixel when transparent.
void DrawButtonPicture(fw::Canvas& canvas, const fw::Picture& picture, int x, int y, bool transparent) {
    const fw::Bitmap* bitmap = BitmapOf(picture);
    if (bitmap == nullptr || bitmap->Empty()) return;
    if (!transparent) {
        canvas.Draw(x, y, *bitmap);
        return;
    }
    const fw::Rect all{0, 0, bitmap->Width(), bitmap->Height()};
    canvas.DrawTransparent(all.Offset(x, y), *bitmap, all, bitmap->Pixel(0, bitmap->Height() - 1));
}

} // namespace

void TsuiTitleBar::DrawButtons(fw::Bitmap& buffer) {
    fw::Canvas& canvas = buffer.Canvas();
    const int w = buffer.Width();
    int x = w + rightBtnXOffset_ + 1;
    hotButton_ = -1;
    buttonRects_.assign(static_cast<size_t>(buttons_.Count()), fw::Rect{});
    // Where the pointer was at the latest message: asking the system where it is now (GetCursorPos)
    // is a round trip to the window server and on to the display.
    POINT cursor{-100000, -100000};
    if (HandleAllocated()) {
        const DWORD pos = GetMessagePos();
        cursor = POINT{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
        ::ScreenToClient(Handle(), &cursor);
    }
    const fw::Point mouse{cursor.x, cursor.y};
    int controlBox = -1;

    const auto state = [&](const TsuiTitleBarButton& b, bool hot) -> const fw::Picture& {
        if (!hot) return b.PicNormal();
        return buttonPressed_ ? b.PicMouseDown() : b.PicMouseOn();
    };
    for (int i = 0; i < buttons_.Count(); ++i) {
        const TsuiTitleBarButton& b = buttons_.Item(i);
        if (!b.Visible()) continue;
        if (b.ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
            controlBox = i;
            continue;
        }
        x -= b.Width() + 1 + buttonInterval_;
        const fw::Rect r{x, b.Top(), x + b.Width(), b.Top() + b.Height()};
        buttonRects_[static_cast<size_t>(i)] = r;
        const bool hot = InRect(mouse, r);
        if (hot) hotButton_ = i;
        DrawButtonPicture(canvas, state(b, hot), x, b.Top(), b.Transparent());
    }

    int lx = leftBtnXOffset_;
    if (controlBox >= 0) {
        const TsuiTitleBarButton& b = buttons_.Item(controlBox);
        const fw::Rect r{lx, b.Top(), lx + b.Width(), b.Top() + b.Height()};
        buttonRects_[static_cast<size_t>(controlBox)] = r;
        const bool hot = InRect(mouse, r);
        if (hot) hotButton_ = controlBox;
        if (drawAppIcon_) {
            if (!appIconLoaded_) {
                appIconLoaded_ = true;
                try {
                    appIcon_.LoadFromResourceName(fw::App().Module(), "MAINICON", 16);
                } catch (const fw::Exception&) {
                    // A program without an icon shows none.
                }
            }
            if (!appIcon_.Empty()) canvas.Draw(lx + 3, b.Top(), appIcon_);
            lx += 21;
        } else {
            DrawButtonPicture(canvas, state(b, hot), lx, b.Top(), b.Transparent());
            lx += b.Width() + 5;
        }
    }
    if (lx == 0) lx = 6;

    if (!formActive_) canvas.Font().SetColor(kInactiveCaption);
    const std::string& caption = Caption();
    drawnCaption_ = canvas.TextWidth(caption) > x - lx ? FirstTwoBytes(caption) + "..." : caption;
    captionLeft_ = lx;
    canvas.Brush().SetStyle(fw::BrushStyle::Clear);
    const int textHeight = canvas.TextHeight(drawnCaption_.empty() ? std::string(" ") : drawnCaption_);
    canvas.TextOut(lx, (captionAreaHeight_ - textHeight) / 2 + captionTop_, drawnCaption_);
}

// --- mouse and window messages ---

void TsuiTitleBar::MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) {
    fw::CustomControl::MouseDown(button, shift, x, y);
    if (button != fw::MouseButton::Left) return;
    buttonPressed_ = true;
    Repaint();
    if (hotButton_ != -1 || ParentMaximized()) return;
    fw::Form* form = ParentFormOf();
    if (form == nullptr) return;
    // The system moves the window with the mouse until the button is released.
    ReleaseCapture();
    SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    buttonPressed_ = false;
}

void TsuiTitleBar::MouseMove(fw::ShiftState shift, int x, int y) {
    fw::CustomControl::MouseMove(shift, x, y);
    Repaint();
}

void TsuiTitleBar::MouseLeave() {
    fw::CustomControl::MouseLeave();
    Invalidate();
}

void TsuiTitleBar::MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) {
    fw::CustomControl::MouseUp(button, shift, x, y);
    if (button != fw::MouseButton::Left) return;
    const int hot = hotButton_;
    if (hot != -1 && hot < buttons_.Count()) {
        TsuiTitleBarButton& b = buttons_.Item(hot);
        const TsuiTitleBarBtnType type = b.ButtonType();
        if (type != TsuiTitleBarBtnType::suiControlBox || b.ControlBoxMenu() != nullptr) {
            b.DoClick();
            if (type == TsuiTitleBarBtnType::suiCustom && OnCustomBtnsClick)
                OnCustomBtnsClick(this, hot);
            else if (type == TsuiTitleBarBtnType::suiHelp && OnHelpBtnClick)
                OnHelpBtnClick(this, hot);
        } else {
            PopupSystemMenu();
        }
    }
    buttonPressed_ = false;
    if (!IsDestroying() && HandleAllocated()) Repaint();
}

void TsuiTitleBar::PopupSystemMenu() {
    if (systemMenu_ == nullptr) return;
    const fw::Point p = ClientToScreen(fw::Point{0, Height()});
    systemMenu_->Popup(p.X, p.Y);
}

void TsuiTitleBar::WndProc(fw::Message& m) {
    if (m.msg == WM_NCLBUTTONDOWN || m.msg == WM_NCLBUTTONUP || m.msg == WM_NCMOUSEMOVE) {
        // The top resize zones belong to the form: its resize loop must run.
        if (fw::Form* form = ParentFormOf()) {
            m.result = SendMessageW(form->Handle(), m.msg, m.wParam, m.lParam);
            return;
        }
    }
    fw::CustomControl::WndProc(m);
}

void TsuiTitleBar::WMNCHitTest(fw::Message& m) {
    fw::CustomControl::WMNCHitTest(m);
    fw::Form* form = ParentFormOf();
    if (form == nullptr || ParentMaximized()) return;
    auto* skinned = dynamic_cast<TsuiForm*>(Parent());
    if (skinned == nullptr || skinned->OrgBorderStyle() != fw::BorderStyle::Sizeable) return;
    POINT p{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
    ::ScreenToClient(Handle(), &p);
    if (p.y >= 5) return;
    if (p.x < 5)
        m.result = HTTOPLEFT;
    else if (p.x > form->ClientWidth() - 5)
        m.result = HTTOPRIGHT;
    else
        m.result = HTTOP;
}
