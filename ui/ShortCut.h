#pragma once
// Keyboard shortcuts in the platform's packed form: the virtual key in the low
// byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt (Alt+Down is 32808).
#include <cstdint>

namespace pakmole {

using TShortCut = uint16_t;

enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(uint16_t key, TShiftState shift) {
    TShortCut result = static_cast<TShortCut>(key & 0xFF);
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

// The shift keys held at the moment of the current keyboard message.
TShiftState KeyboardShiftState();

}  // namespace pakmole
