#pragma once
// The window's icon: one 64 x 64 picture in 24-bit colour, drawn in code.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace pakmole {

constexpr int kIconSize = 64;

// The picture as 0x00RRGGBB pixels, top-down rows, and which pixels are
// transparent (outside the rounded tile).
struct IconPicture {
    std::vector<uint32_t> rgb;
    std::vector<bool> transparent;
};
IconPicture DrawApplicationIcon();

// A new icon handle made from the picture; the caller owns it.
HICON CreateApplicationIcon();

}  // namespace pakmole
