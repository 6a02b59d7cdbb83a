#pragma once
// What a Picture holds once its image exists. The Win32 layer derives its bitmap from this;
// the core only needs the size.

namespace fw {

class Graphic {
public:
    virtual ~Graphic() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

} // namespace fw
