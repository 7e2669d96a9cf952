#include "skin/data/SkinPalette.h"

#include <cmath>

#include "skin/data/IniText.h"
#include "skin/data/SystemColors.h"

namespace pakmole {
namespace {

constexpr const char* kGlobal = "GLOBALINFO";
constexpr int32_t kNoColor = 0xFF00FF;

// Each colour byte 5 % of a and 95 % of b, rounded to nearest (ties to even);
// the high byte comes from a.
int32_t MixEvenRow(int32_t a, int32_t b) {
    const auto ua = static_cast<uint32_t>(a);
    const auto ub = static_cast<uint32_t>(b);
    uint32_t result = ua & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const double mixed = 0.05 * ((ua >> shift) & 0xFF) + 0.95 * ((ub >> shift) & 0xFF);
        result |= static_cast<uint32_t>(std::nearbyint(mixed)) << shift;
    }
    return static_cast<int32_t>(result);
}

}  // namespace

void FillSkinPalette(TsSkinModel& model, const TIniText& o, const SystemColors& colors) {
    TsSkinPalette& p = model.Palette;
    const auto global = [&](const char* key, int32_t fallback) { return o.ReadInteger(kGlobal, key, fallback); };
    const auto section = [&](const char* name) -> const TsGeneralData* {
        const int index = model.FindSection(name);
        return index < 0 ? nullptr : &model.Sections[static_cast<std::size_t>(index)];
    };

    p[pcMainColor] = colors.Resolve(global("COLOR", clBtnFace));
    p[pcLabelText] = global("FONTCOLOR", 0);
    p[pcWebText] = global("TCBOTTOM", 0xFF0000);
    p[pcWebTextHot] = global("TCTOP", 0x0000FF);

    const TsGeneralData* edit = section("EDIT");
    p[pcEditText] = colors.Resolve(edit ? edit->Props[0].FontColor : clWindowText);
    p[pcEditBG] = colors.Resolve(edit ? edit->Props[0].Color : clWindow);

    if (const TsGeneralData* selection = section("SELECTION")) {
        const TsGenState& focused = selection->States > 1 ? selection->Props[1] : selection->Props[0];
        p[pcSelectionBG] = selection->Props[0].Color;
        p[pcSelectionText] = selection->Props[0].FontColor;
        p[pcSelectionBGFocused] = focused.Color;
        p[pcSelectionTextFocused] = focused.FontColor;
    } else {
        p[pcSelectionBG] = p[pcSelectionText] = p[pcSelectionBGFocused] = p[pcSelectionTextFocused] = -1;
    }
    if (p[pcSelectionText] == -1 || p[pcSelectionText] == kNoColor) {
        if (const TsGeneralData* menuItem = section("MENUITEM")) {
            p[pcSelectionText] = menuItem->HotFontColor;
            p[pcSelectionBG] = p[pcSelectionBGFocused] = menuItem->HotColor;
            p[pcSelectionText] = p[pcSelectionText] == -1 || p[pcSelectionText] == kNoColor
                                     ? clHighlightText
                                     : colors.Resolve(p[pcSelectionText]);
            p[pcSelectionTextFocused] = p[pcSelectionText];
        } else {
            p[pcSelectionText] = p[pcSelectionTextFocused] = colors.Resolve(clHighlightText);
            p[pcSelectionBG] = p[pcSelectionBGFocused] = colors.Resolve(clHighlight);
        }
    }

    p[pcEditBG_Inverted] = global("EDITBG_INV", p[pcEditText]);
    p[pcEditText_Inverted] = global("EDITTEXT_INV", p[pcEditBG]);
    p[pcEditBG_OddRow] = global("EDITBG_ODD", p[pcEditBG]);
    p[pcEditBG_EvenRow] = global("EDITBG_EVEN", MixEvenRow(p[pcEditText], p[pcEditBG]));
    p[pcEditText_Ok] = global("EDITTEXT_OK", 0x008000);
    p[pcEditText_Warning] = global("EDITTEXT_WARN", 0x008484);
    p[pcEditText_Alert] = global("EDITTEXT_ALERT", 0x0000FF);
    p[pcEditText_Caution] = global("EDITTEXT_ALERT", 0x8597D9);
    p[pcEditText_Bypassed] = global("EDITTEXT_ALERT", 0x4AB28F);
    p[pcEditBG_Ok] = global("EDITBG_OK", 0x6CC2A5);
    p[pcEditBG_Warning] = global("EDITBG_WARN", 0x40FFFF);
    p[pcEditBG_Alert] = global("EDITBG_ALERT", 0x95A7E9);
    p[pcEditBG_Caution] = global("EDITBG_ALERT", 0x8597D9);
    p[pcEditBG_Bypassed] = global("EDITBG_ALERT", 0x4AB28F);
    p[pcEditText_Highlight1] = global("EDITTEXT_H1", 0);
    p[pcEditText_Highlight2] = global("EDITTEXT_H2", 0);
    p[pcEditText_Highlight3] = global("EDITTEXT_H3", 0);
    p[pcBorder] = global("BORDERCOLOR", 0);
}

}  // namespace pakmole
