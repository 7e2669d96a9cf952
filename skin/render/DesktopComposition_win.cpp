#include "skin/render/DesktopComposition_win.h"

#include "skin/render/SystemFunction_win.h"

#include <utility>

namespace pakmole {
namespace {

constexpr DWORD kTransitionsForceDisabled = 3;  // DWMWA_TRANSITIONS_FORCEDISABLED

using IsCompositionEnabledProc = HRESULT(WINAPI*)(BOOL*);

// dwmapi.dll exists from Windows Vista on.
template <class Proc>
Proc DwmFunction(const char* name) {
    return SystemFunction<Proc>("dwmapi.dll", name);
}

std::optional<bool> forced;
std::function<void(unsigned)> pauseObserver;
TDwmSetWindowAttributeFunction setAttributeReplacement = nullptr;

}  // namespace

bool DesktopCompositionEnabled() {
    if (forced) return *forced;
    static const auto isEnabled = DwmFunction<IsCompositionEnabledProc>("DwmIsCompositionEnabled");
    BOOL on = FALSE;
    return isEnabled && SUCCEEDED(isEnabled(&on)) && on;
}

void CompositionPause() {
    if (!DesktopCompositionEnabled()) return;
    if (pauseObserver) pauseObserver(kCompositionPauseMs);
    Sleep(kCompositionPauseMs);
}

void DisableWindowTransitions(HWND window) {
    if (!window || !DesktopCompositionEnabled()) return;
    static const auto dwmSet = DwmFunction<TDwmSetWindowAttributeFunction>("DwmSetWindowAttribute");
    TDwmSetWindowAttributeFunction set = setAttributeReplacement ? setAttributeReplacement : dwmSet;
    const BOOL disabled = TRUE;
    if (set) set(window, kTransitionsForceDisabled, &disabled, sizeof(disabled));
}

void ForceDesktopComposition(std::optional<bool> on) { forced = on; }

void ObserveCompositionPauses(std::function<void(unsigned)> observer) { pauseObserver = std::move(observer); }

void ReplaceDwmSetWindowAttribute(TDwmSetWindowAttributeFunction replacement) {
    setAttributeReplacement = replacement;
}

}  // namespace pakmole
