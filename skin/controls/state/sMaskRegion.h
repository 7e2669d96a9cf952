#pragma once
// Window regions cut from a skin's frame mask: its key-coloured corner
// pixels are taken out, so the window's corners are the skin's.
#include <windows.h>

#include <utility>

#include "skin/data/SkinModel.h"

namespace pakmole {

class RegionHandle {
public:
    explicit RegionHandle(HRGN region) : region_(region) {}
    ~RegionHandle() {
        if (region_) DeleteObject(region_);
    }
    RegionHandle(const RegionHandle&) = delete;
    RegionHandle& operator=(const RegionHandle&) = delete;
    HRGN Get() const { return region_; }
    // The system owns a region once it is the window's.
    HRGN Release() { return std::exchange(region_, nullptr); }

private:
    HRGN region_;
};

// Cuts every run of key-coloured pixels of the mask's corner squares (state 0)
// out of region; the right corners go to the window's right edge, the bottom
// ones (when wanted) to its bottom.
void CutMaskCorners(HRGN region, TsSkinModel& model, int maskIndex, int width, int height, bool bottom);

}  // namespace pakmole
