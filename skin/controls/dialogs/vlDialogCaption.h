#pragma once
// The caption of a skinned platform dialog, by the dialog's own rules (not
// the forms'): which title buttons it shows and lets be used, where they,
// the icon and the text lie, and what a point on the caption is. Portable.
#include <cstdint>

#include "skin/controls/dialogs/vlDialogRules.h"
#include "skin/controls/frame/sFrameLayout.h"

namespace pakmole {

// What the caption is laid out from besides the styles.
struct TvlDialogCaptionFacts {
    int32_t Width = 0;          // of the window
    int32_t FrameWidth = 0;     // f
    int32_t CaptionHeight = 0;  // c
    int32_t SmallIconWidth = 16;  // the system's small icon
    int32_t SmallIconHeight = 16;
    bool HasIcon = false;  // the dialog has an icon of its own
};

// Buttons right to left (close, maximize, minimize, help), each as wide and
// high as its picture (21 without one), vertically centred in the caption
// band; a gap of the skin's button space after a big one only. The text runs
// from after the icon to the buttons less 6.
TsTitleLayout DialogCaptionLayout(const TvlDialogStyle& style, TvlBorderKind kind, const TvlDialogCaptionFacts& facts,
                                  const TsTitleMetrics& metrics, const TsTitleMaskLookup& masks);

// The hit code of a point (window coordinates) in the close button's band:
// the system-menu zone at the left, then the buttons (their ends included),
// else the caption; hcNowhere outside the band.
int32_t DialogCaptionHit(const TsTitleLayout& layout, const TvlDialogStyle& style, const TvlDialogCaptionFacts& facts,
                         int32_t x, int32_t y);

}  // namespace pakmole
