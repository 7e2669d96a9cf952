#include "skin/data/SystemColors.h"

#include <array>

namespace pakmole {
namespace {

constexpr int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// Indexes 0 to 30 of the classic ("Windows Standard") scheme.
constexpr std::array<int32_t, 31> kClassic = {
    Rgb(212, 208, 200),  // scroll bar
    Rgb(58, 110, 165),   // desktop
    Rgb(10, 36, 106),    // active caption
    Rgb(128, 128, 128),  // inactive caption
    Rgb(212, 208, 200),  // menu
    Rgb(255, 255, 255),  // window
    Rgb(0, 0, 0),        // window frame
    Rgb(0, 0, 0),        // menu text
    Rgb(0, 0, 0),        // window text
    Rgb(255, 255, 255),  // caption text
    Rgb(212, 208, 200),  // active border
    Rgb(212, 208, 200),  // inactive border
    Rgb(128, 128, 128),  // application workspace
    Rgb(10, 36, 106),    // highlight
    Rgb(255, 255, 255),  // highlight text
    Rgb(212, 208, 200),  // button face
    Rgb(128, 128, 128),  // button shadow
    Rgb(128, 128, 128),  // grey text
    Rgb(0, 0, 0),        // button text
    Rgb(212, 208, 200),  // inactive caption text
    Rgb(255, 255, 255),  // button highlight
    Rgb(64, 64, 64),     // 3D dark shadow
    Rgb(212, 208, 200),  // 3D light
    Rgb(0, 0, 0),        // tooltip text
    Rgb(255, 255, 225),  // tooltip background
    Rgb(0, 0, 0),        // unused
    Rgb(0, 0, 128),      // hot-tracked item
    Rgb(166, 202, 240),  // active caption gradient
    Rgb(192, 192, 192),  // inactive caption gradient
    Rgb(10, 36, 106),    // menu highlight
    Rgb(212, 208, 200),  // menu bar
};

}  // namespace

int32_t ClassicSystemColors::SysColor(int index) const {
    return index >= 0 && index < static_cast<int>(kClassic.size()) ? kClassic[static_cast<std::size_t>(index)] : 0;
}

const SystemColors& DefaultSystemColors() {
    static const ClassicSystemColors colors;
    return colors;
}

}  // namespace pakmole
