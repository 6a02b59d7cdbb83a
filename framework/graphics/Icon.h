#pragma once
// An icon loaded from the program's resources at a chosen size (the program icon "MAINICON"
// at 16 x 16 for the notification area and small window icons).

#include "framework/core/Graphic.h"

#include <windows.h>

#include <string>

namespace fw {

class Icon : public Graphic {
public:
    Icon() = default;
    ~Icon() override;
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    // Loads the ICON resource `name` of `module` at size x size pixels; throws fw::Exception
    // when there is none.
    void LoadFromResourceName(HINSTANCE module, const std::string& name, int size = 16);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    bool Empty() const { return handle_ == nullptr; }
    HICON Handle() const { return handle_; }
    // Gives the handle to the caller, who destroys it; the icon becomes empty.
    HICON ReleaseHandle();

private:
    void Destroy();

    HICON handle_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace fw
