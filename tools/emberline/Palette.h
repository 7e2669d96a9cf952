#pragma once
// The inks of Emberline, 0xRRGGBB. Charcoal greys from 0x1D1D1D to 0x3F3F3F
// carry the surfaces, silver the text, ember orange the hot and pressed looks.
#include <cstdint>

namespace pakmole::emberline::ink {

inline constexpr uint32_t Outline = 0x111111;  // outer edge of raised things
inline constexpr uint32_t Groove = 0x181818;   // sunken edges, separators
inline constexpr uint32_t Deep = 0x1D1D1D;     // darkest surface
inline constexpr uint32_t Well = 0x232323;     // tracks and wells
inline constexpr uint32_t Menu = 0x262626;     // popup menus
inline constexpr uint32_t Face = 0x2B2B2B;     // the main colour
inline constexpr uint32_t Field = 0x333333;    // edit fields
inline constexpr uint32_t Raised = 0x383838;
inline constexpr uint32_t Surface = 0x3F3F3F;  // lightest surface
inline constexpr uint32_t Rim = 0x4E4E4E;      // crisp 1-pixel highlights
inline constexpr uint32_t RimSoft = 0x444444;
inline constexpr uint32_t Silver = 0xC8C8C8;  // text
inline constexpr uint32_t SilverDim = 0x9A9A9A;
inline constexpr uint32_t Bright = 0xEDEDED;
inline constexpr uint32_t Ember = 0xE8711E;  // accents
inline constexpr uint32_t EmberHot = 0xFF9A48;
inline constexpr uint32_t EmberLight = 0xFFC48A;
inline constexpr uint32_t EmberDeep = 0xB24C18;
inline constexpr uint32_t EmberDark = 0x5C2A12;
inline constexpr uint32_t EmberSmoke = 0x3A2318;
inline constexpr uint32_t CloseRed = 0xC8401C;

}  // namespace pakmole::emberline::ink

namespace pakmole::emberline {

// The inks by name, for the legend at the end of the options text.
struct NamedInk {
    const char* name;
    uint32_t rgb;
    const char* use;
};

inline constexpr NamedInk kInkLegend[] = {
    {"Outline", ink::Outline, "outer edge of raised things"},
    {"Groove", ink::Groove, "sunken edges, separators"},
    {"Deep", ink::Deep, "darkest surface"},
    {"Well", ink::Well, "scroll tracks and wells"},
    {"Menu", ink::Menu, "popup menus"},
    {"Face", ink::Face, "main colour of windows"},
    {"Field", ink::Field, "edit fields"},
    {"Raised", ink::Raised, "raised surfaces"},
    {"Surface", ink::Surface, "lightest surface"},
    {"Rim", ink::Rim, "one-pixel highlights"},
    {"Silver", ink::Silver, "text"},
    {"SilverDim", ink::SilverDim, "quiet text"},
    {"Bright", ink::Bright, "hot text"},
    {"Ember", ink::Ember, "focus rims, progress"},
    {"EmberHot", ink::EmberHot, "hot glyphs, links"},
    {"EmberLight", ink::EmberLight, "marks on ember"},
    {"EmberDeep", ink::EmberDeep, "pressed plates, selection"},
    {"EmberDark", ink::EmberDark, "quiet warm fills"},
};

}  // namespace pakmole::emberline
