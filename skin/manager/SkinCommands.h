#pragma once
// The skin engine's one private window message and its command codes. The
// command travels in the high word of wParam, a small parameter (usually
// "redraw now" or "set") in the low word, data in lParam; the result is the
// reply, 0 meaning "not handled" unless a command says otherwise.
#include <windows.h>

#include <cstdint>

namespace pakmole {

// A fixed number rather than a registered message: the skin editor and other
// modules of the engine must agree on it without asking the system.
constexpr UINT SKM_COMMAND = 0xA100;

constexpr uint16_t SKC_APPLYSKIN = 1;         // lParam: the manager whose skin was applied
constexpr uint16_t SKC_REMOVESKIN = 2;        // lParam: the manager switching skinning off
constexpr uint16_t SKC_REFRESH = 3;           // lParam: the manager whose skin parameters changed
constexpr uint16_t SKC_GETPROVIDER = 4;       // a form provider answers with itself
constexpr uint16_t SKC_CHILDPAINTING = 5;
constexpr uint16_t SKC_ENDPARENTUPDATE = 6;
constexpr uint16_t SKC_ISSKINNED = 7;         // a skin-aware receiver answers 1
constexpr uint16_t SKC_SETUPDATING = 8;       // low word 1: suspend painting
constexpr uint16_t SKC_ISUPDATING = 10;
constexpr uint16_t SKC_STOPANIMATION = 16;
constexpr uint16_t SKC_SETBGCHANGED = 17;
constexpr uint16_t SKC_REPAINT = 18;
constexpr uint16_t SKC_ISPATTERNEDBG = 19;
constexpr uint16_t SKC_PARENTBGCHANGED = 20;  // low word 1: redraw now
constexpr uint16_t SKC_GETBGCOLOR = 21;       // lParam: fallback colour for when nobody answers
constexpr uint16_t SKC_SETHALFVISIBLE = 22;
constexpr uint16_t SKC_PREPARECACHE = 23;
constexpr uint16_t SKC_FADEFRAME = 24;        // lParam: the bitmap of the current fade step
constexpr uint16_t SKC_CONTROLCHANGED = 25;   // lParam: the control, or 0 for the whole form
constexpr uint16_t SKC_GETSKININDEX = 26;     // lParam: pointer to a 32-bit integer to fill
constexpr uint16_t SKC_GETSKINMANAGER = 27;
constexpr uint16_t SKC_MOUSEENTER = 29;       // lParam: the manager
constexpr uint16_t SKC_MOUSELEAVE = 30;       // lParam: the manager
constexpr uint16_t SKC_BEGINUPDATE = 31;
constexpr uint16_t SKC_ENDUPDATE = 32;
constexpr uint16_t SKC_DROPCACHE = 33;
constexpr uint16_t SKC_GETBGINFO = 34;        // lParam: pointer to a background-info record
constexpr uint16_t SKC_GETDISABLEDKIND = 35;  // lParam: pointer to an integer preset to 1
constexpr uint16_t SKC_UPDATEFLATBG = 36;
constexpr uint16_t SKC_GETSKINDATA = 37;
constexpr uint16_t SKC_SETPRINTDC = 38;       // lParam: device context, or 0 to stop printing
constexpr uint16_t SKC_BEFORESCROLL = 51;     // low word of lParam: WM_HSCROLL or WM_VSCROLL
constexpr uint16_t SKC_AFTERSCROLL = 52;
constexpr uint16_t SKC_GETAPPLICATION = 60;

// wParam of one command.
constexpr WPARAM SkinCommandParam(uint16_t command, uint16_t low = 0) {
    return (static_cast<WPARAM>(command) << 16) | low;
}
// The command code and the small parameter of a received SKM_COMMAND.
constexpr uint16_t SkinCommandCode(WPARAM wParam) { return static_cast<uint16_t>((wParam >> 16) & 0xFFFF); }
constexpr uint16_t SkinCommandLow(WPARAM wParam) { return static_cast<uint16_t>(wParam & 0xFFFF); }

// The live preview link with the skin editor.
constexpr UINT WM_VLPREVIEW = 0xA400;

}  // namespace pakmole
