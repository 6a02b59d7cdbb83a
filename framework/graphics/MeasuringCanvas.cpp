#include "framework/graphics/MeasuringCanvas.h"

namespace fw {

MeasuringCanvas::MeasuringCanvas(const Font& font) { canvas_.Font() = font; }

} // namespace fw
