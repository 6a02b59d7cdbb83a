#pragma once
// The Win32 side of Picture: resource names load BITMAP resources of the given module into
// Bitmaps, and pictures are drawn through the canvas.

#include <windows.h>

namespace fw {

class Bitmap;
class Picture;

// Installs the loader that Picture::SetResourceName uses (once, at start-up).
void InstallPictureResourceLoader(HINSTANCE module);
// The picture's graphic as a bitmap; nullptr when it has none or holds another kind.
Bitmap* PictureBitmap(const Picture& picture);

} // namespace fw
