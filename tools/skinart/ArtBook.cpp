#include "tools/skinart/ArtBook.h"

#include "tools/skinart/BlueGlassArt.h"
#include "tools/skinart/DeepBlueArt.h"
#include "tools/skinart/MacOSArt.h"
#include "tools/skinart/ProteinArt.h"
#include "tools/skinart/SharedArt.h"
#include "tools/skinart/WinXPArt.h"

#include <stdexcept>

namespace skinart {

const ArtBook& ArtBook::Complete() {
    static const ArtBook book = [] {
        ArtBook b;
        AddMacOSArt(b);
        AddWinXPArt(b);
        AddDeepBlueArt(b);
        AddProteinArt(b);
        AddBlueGlassArt(b);
        AddSharedArt(b);
        return b;
    }();
    return book;
}

void ArtBook::Add(const std::string& name, Drawer drawer) {
    if (!drawers_.emplace(name, std::move(drawer)).second) {
        throw std::logic_error("bitmap drawn twice: " + name);
    }
}

const ArtBook::Drawer* ArtBook::Find(std::string_view name) const {
    const auto it = drawers_.find(name);
    return it == drawers_.end() ? nullptr : &it->second;
}

} // namespace skinart
