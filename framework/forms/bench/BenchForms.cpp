// Creating, showing and painting a form with 30 self-drawn, double-buffered controls; prints
// the median over repeated rounds.
#include "framework/controls/CustomControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

int paints = 0;

class BenchButton : public fw::CustomControl {
public:
    explicit BenchButton(fw::Component* owner) : fw::CustomControl(owner) {
        SetDoubleBuffered(true);
        SetTabStop(true);
    }
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<BenchButton>("TBenchButton", fw::CustomControl::StaticClass()).Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

protected:
    void Paint() override {
        fw::Canvas& c = Canvas();
        const fw::Rect r = ClientRect();
        c.Brush().SetColor(fw::RgbColor(231, 231, 231));
        c.FillRect(r);
        c.Pen().SetColor(fw::RgbColor(127, 127, 127));
        c.Brush().SetStyle(fw::BrushStyle::Clear);
        c.Rectangle(r);
        fw::Rect text = r;
        c.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ++paints;
    }
};

class BenchForm : public fw::Form {
public:
    explicit BenchForm(fw::Component* owner) : fw::Form(owner) {}
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info = fw::ClassBuilder<BenchForm>("TBenchForm", fw::Form::StaticClass()).Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

double OneRound() {
    paints = 0;
    const auto start = std::chrono::steady_clock::now();
    auto* form = new BenchForm(&fw::App());
    form->SetBorderStyle(fw::BorderStyle::None);
    form->SetBounds(100, 100, 400, 300);
    fw::Font f = form->Font();
    f.SetName("宋体");
    f.SetHeight(16);
    form->SetFont(f);
    for (int i = 0; i < 30; ++i) {
        auto* b = new BenchButton(form);
        b->SetParent(form);
        b->SetBounds(10 + (i % 6) * 64, 10 + (i / 6) * 40, 58, 25);
        b->SetCaption("按钮" + std::to_string(i + 1));
    }
    form->Show();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    fw::App().ProcessMessages();
    const auto end = std::chrono::steady_clock::now();
    const int painted = paints;
    delete form;
    fw::App().ProcessMessages();
    if (painted < 30) std::fprintf(stderr, "only %d of 30 controls painted\n", painted);
    return std::chrono::duration<double, std::milli>(end - start).count();
}

} // namespace

int main() {
    OneRound();  // warm-up: window classes, fonts
    std::vector<double> times;
    for (int i = 0; i < 31; ++i) times.push_back(OneRound());
    std::sort(times.begin(), times.end());
    std::printf("form with 30 self-drawn controls, create + show + paint: median %.2f ms (min %.2f, max %.2f, %zu rounds)\n",
                times[times.size() / 2], times.front(), times.back(), times.size());
    return 0;
}
