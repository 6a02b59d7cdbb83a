#pragma once
// A canvas on a memory context compatible with the screen, set to a font, for measuring text
// where no window is at hand or its context would be a round trip to the window server.

#include "framework/core/Font.h"
#include "framework/graphics/Canvas.h"

#include <windows.h>

namespace fw {

class MeasuringCanvas {
public:
    explicit MeasuringCanvas(const Font& font);
    MeasuringCanvas(const MeasuringCanvas&) = delete;
    MeasuringCanvas& operator=(const MeasuringCanvas&) = delete;

    Canvas& operator*() { return canvas_; }
    Canvas* operator->() { return &canvas_; }

private:
    // Declared before the canvas, so the canvas lets go of the context before it is deleted.
    struct MemoryDc {
        HDC handle = CreateCompatibleDC(nullptr);
        MemoryDc() = default;
        MemoryDc(const MemoryDc&) = delete;
        MemoryDc& operator=(const MemoryDc&) = delete;
        ~MemoryDc() {
            if (handle != nullptr) DeleteDC(handle);
        }
    };
    MemoryDc dc_;
    Canvas canvas_{dc_.handle};
};

} // namespace fw
