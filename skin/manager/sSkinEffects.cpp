#include "skin/manager/sSkinEffects.h"

#include <windows.h>

namespace pakmole {
namespace {
bool glowSwitch = true;
}

bool TvlSkinEffects::AllowGlowing() const {
    return allowGlowing_ && (LayeredWindowsAvailable() || designing_) && GlowSwitchedOn();
}

bool LayeredWindowsAvailable() {
    static const bool available = [] {
        HMODULE user = GetModuleHandleA("user32.dll");
        return user && GetProcAddress(user, "UpdateLayeredWindow") != nullptr;
    }();
    return available;
}

bool GlowSwitchedOn() { return glowSwitch; }
void SetGlowSwitch(bool on) { glowSwitch = on; }

}  // namespace pakmole
