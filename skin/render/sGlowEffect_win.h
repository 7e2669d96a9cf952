#pragma once
// The glow of a hot control: a soft picture from the section's glow mask,
// shown around the control in a layered window that takes no mouse input.
// Glows live in one process-wide list; a control keeps the index of its
// glow (its glow handle, -1 for none).
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "skin/data/Bitmap32.h"

namespace pakmole {

class TsSkinManager;

class TvlGlowEffect {
public:
    TvlGlowEffect() = default;
    ~TvlGlowEffect();
    TvlGlowEffect(const TvlGlowEffect&) = delete;
    TvlGlowEffect& operator=(const TvlGlowEffect&) = delete;

    HWND Wnd = nullptr;
    TsSkinManager* SkinManager = nullptr;
    int32_t MaskIndex = -1;
    int32_t Margin = 0;
};

// controlRect: the control on the screen; visibleRect: the part of it that
// is seen, in its own coordinates; the glow mask is the section's record
// named glowKey + "0". Answers the glow handle, -1 when nothing is shown.
int32_t ShowGlow(const RECT& controlRect, const RECT& visibleRect, const std::string& sectionName,
                 TsSkinManager* manager, HWND controlWindow, int state, int32_t margin,
                 const std::string& glowKey = "GLOW");
// Frees the glow and sets handle to -1; negative, unknown and freed handles are ignored.
void HideGlow(int32_t& handle);

// The glow window of a handle (null when none), for tests and painting code.
HWND GlowWindow(int32_t handle);

}  // namespace pakmole
