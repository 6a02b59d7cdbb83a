#include "skin/frame/SUIMenuBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/MainMenu.h"
#include "framework/stdctrls/ToolButton.h"
#include "skin/frame/SUIForm.h"
#include "skin/frame/SUIMainMenu.h"
#include "skin/styles/SUIMenuDraw.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

TsuiMenuBar::TsuiMenuBar(TsuiForm* form) : fw::ToolBar(form), form_(form) {
    SetParentFont(false);
    SetEdgeBorders(0);
    SetFlat(true);
    SetShowCaptions(true);
    SetAlign(fw::Align::Top);
    SetBarHeight(form->MenuBarHeight());
    SetColor(form->MenuBarColor());
    OnCustomDrawButton = [this](fw::Component*, fw::ToolButton* b, fw::CustomDrawState s, bool& d) {
        DrawMenuBarButton(b, s, d);
    };
    OnCustomDraw = [this](fw::Component*, const fw::Rect& r, bool&) { DrawMenuBarBackground(r); };
    SetParent(form);
}

TsuiMenuBar::~TsuiMenuBar() { BeginDestroy(); }

const fw::ClassInfo& TsuiMenuBar::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiMenuBar>("TsuiMenuBar", fw::ToolBar::StaticClass()).Register();
    return info;
}

TsuiStyleValues TsuiMenuBar::StyleValues() const {
    if (auto* menu = dynamic_cast<TsuiMainMenu*>(form_->Menu())) return TsuiStyleValues(menu->FileTheme(), menu->UIStyle());
    return form_->StyleValues();
}

bool TsuiMenuBar::MacLook() const {
    const TsuiStyleValues values = StyleValues();
    return !values.FromFileTheme() && values.EffectiveStyle() == TsuiUIStyle::MacOS;
}

void TsuiMenuBar::Rebuild(fw::Menu& menu) {
    while (ButtonCount() > 0) delete Buttons(ButtonCount() - 1);
    for (int i = 0; i < menu.Items().Count(); ++i) {
        fw::MenuItem* item = menu.Items().Items(i);
        // Owned by the skinned form like the bar; the bar frees them with itself.
        auto* button = new fw::ToolButton(form_);
        button->SetGrouped(true);
        button->SetAutoSize(true);
        button->SetMenuItem(item);
        button->SetVisible(item->Visible());
        button->SetParent(this);
    }
    ArrangeButtons();
}

void TsuiMenuBar::Sync() {
    for (int i = 0; i < ButtonCount(); ++i) {
        fw::ToolButton* button = Buttons(i);
        if (fw::MenuItem* item = button->MenuItem()) {
            button->SetCaption(item->Caption());
            button->SetEnabled(item->Enabled());
        }
    }
}

void TsuiMenuBar::UpdateFont() {
    fw::Font font = Font();
    if (auto* menu = dynamic_cast<TsuiMainMenu*>(form_->Menu())) {
        menu->ApplyItemFont(font);
        if (!menu->UseSystemFont()) font.SetColor(menu->FontColor());
    } else {
        SetSystemMenuFont(font);
    }
    SetFont(font);
    ArrangeButtons();
    Invalidate();
}

void TsuiMenuBar::SetBarHeight(int h) {
    SetHeight(h);
    SetButtonHeight(h);
}

void TsuiMenuBar::DrawMenuBarBackground(const fw::Rect& r) {
    if (!MacLook()) return;
    fw::Bitmap picture;
    LoadSkinBitmap("MACOS_MENU_BAR", picture);
    Canvas().StretchDraw(r, picture);
}

void TsuiMenuBar::DrawMenuBarButton(fw::ToolButton* button, fw::CustomDrawState state, bool& defaultDrawing) {
    const bool selected = (state & fw::cdsSelected) != 0;
    if ((state & fw::cdsHot) == 0 && !selected) return;
    defaultDrawing = false;
    const TsuiStyleValues values = StyleValues();
    const fw::Color textColor = values.Color(TsuiThemeElement::MenuSelectedFontColor);
    fw::Canvas& canvas = Canvas();
    fw::Rect r = button->BoundsRect();
    const unsigned centred = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    if (MacLook()) {
        fw::Bitmap face(r.Width(), r.Height());
        fw::Bitmap picture;
        LoadSkinBitmap("MACOS_MENU_SELECT", picture);
        face.Canvas().StretchDraw(fw::Rect{0, 0, r.Width(), r.Height()}, picture);
        face.Canvas().Font() = Font();
        face.Canvas().Font().SetColor(textColor);
        face.Canvas().Brush().SetStyle(fw::BrushStyle::Clear);
        // One pixel below the exact middle, where the picture's highlight centres the text.
        fw::Rect text{0, 0, r.Width(), r.Height() + 2};
        face.Canvas().DrawText(button->Caption(), text, centred);
        canvas.Draw(r.Left, r.Top, face);
        return;
    }
    if (selected) r.Right -= 2;
    FillRectColor(canvas, r, values.Color(TsuiThemeElement::MenuSelectedBackgroundColor));
    FrameRectColor(canvas, r, values.Color(TsuiThemeElement::MenuSelectedBorderColor));
    // A pressed button's caption moves right and down, the pressed look.
    if (selected) r.Left += 2;
    r.Top += 2;
    canvas.Font() = Font();
    canvas.Font().SetColor(textColor);
    canvas.Brush().SetStyle(fw::BrushStyle::Clear);
    canvas.DrawText(button->Caption(), r, centred);
}
