#pragma once
// How an owner-drawn item looks when nobody draws it: like the system's own menus (menu
// colours and font, check mark or image in a column on the left, shortcut text on the right,
// etched separator lines). Menu::MeasureItem and Menu::DrawItem fall back to it.

#include "framework/core/Font.h"
#include "framework/graphics/Geometry.h"
#include "framework/menus/MenuItem.h"

namespace fw {

class Canvas;
class ImageList;

class MenuPainter {
public:
    // The system's menu font (non-client metrics), or the canvas default when unavailable.
    static Font SystemMenuFont();
    // Width and height of the item drawn in the canvas's font; `barItem` for the top level of
    // a menu bar (caption only).
    static Size DefaultSize(const MenuItem& item, Canvas& canvas, bool barItem, const ImageList* images);
    static void Draw(const MenuItem& item, Canvas& canvas, const Rect& rect, OwnerDrawState state, bool barItem,
                     const ImageList* images);
    // Width of the left column that holds check marks and images.
    static int GutterWidth(const ImageList* images);
    // Whether `item` has an image of `images` to show.
    static bool HasImage(const MenuItem& item, const ImageList* images);
};

} // namespace fw
