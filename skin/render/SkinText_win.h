#pragma once
// Skinned text: the per-control writer, the section writer, the glow laid
// under a text, the search for the section whose colours a transparent
// control's text follows, and small text measuring helpers.
#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/data/Bitmap32.h"
#include "skin/render/GlowMask.h"

namespace pakmole {

class TControl;
class TsSkinManager;
class TsSkinStateCore;

// Control kinds whose text takes its colours from the section behind them.
constexpr int32_t ckLabelLike1 = 32;
constexpr int32_t ckLabelLike2 = 33;
constexpr int32_t ckLabelLike3 = 74;

// The reply record of SKC_GETSKININDEX; the receiver writes Index only.
struct TvlSectionInfo {
    int32_t Index = -1;
    std::string SectionName;
    uint8_t Repaint = 0;
};

// A missing text (null) draws nothing; an empty one is drawn as usual.
// hot: zero selects the normal state record, anything else the hot one.
void WriteSkinText(HDC dc, const std::string* text, bool enabled, uint8_t hot, TsSkinStateCore& state, UINT format,
                   const RECT& rect);
// manager null: the default manager.
void WriteSectionText(HDC dc, const std::string* text, bool enabled, TsSkinManager* manager, uint8_t hot,
                      int32_t sectionIndex, UINT format, const RECT& rect);

// Lays the glow of text written into rect under it in target. heldMask, when
// given, is kept between calls and reused while its size fits; font null
// takes the font selected into target's DC. contourFlags: bit 1 left, 2 top,
// 4 right, 8 bottom copies of the text in the mask.
void PaintGlowText(TBitmap32& target, const std::string* text, const RECT& rect, TGlowMask* heldMask,
                   int32_t glowColor, int glowSize, int contourFlags, UINT format, HFONT font = nullptr);

// The section whose colours are seen behind a transparent control.
int32_t BackgroundSectionOf(TControl* control, int32_t ownSection, TsSkinManager* manager, int hot);

int TextWidth(HDC dc, const std::string& text);
int TextHeight(HDC dc, const std::string& text);
// DrawText with the text's own length; answers DrawText's height.
int DrawTextLine(HDC dc, const std::string& text, RECT& rect, UINT format);

}  // namespace pakmole
