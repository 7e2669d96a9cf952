#pragma once
// Desktop composition (the desktop window manager): whether it is on, and
// what the skin does differently under it. A composed screen shows a
// window's new picture a little later than the window drew it, so a picture
// window that stands in for a window stays a moment longer; and the
// manager's own window transitions would play over the skin's. Asked through
// dwmapi.dll when the system has it; without it there is no composition
// (Wine under Xvfb answers off).
#include <windows.h>

#include <functional>
#include <optional>

namespace pakmole {

// The extra time a picture window stands over its window under composition.
constexpr unsigned kCompositionPauseMs = 48;

bool DesktopCompositionEnabled();

// Under composition: the pause before a picture window goes (nothing otherwise).
void CompositionPause();

// Under composition: the window manager plays no transition for window
// (DwmSetWindowAttribute with DWMWA_TRANSITIONS_FORCEDISABLED, 3, set true).
void DisableWindowTransitions(HWND window);

// --- test seams ---
// Forces the answer of DesktopCompositionEnabled (none: the system's again).
void ForceDesktopComposition(std::optional<bool> on);
// Called with the length of each composition pause before it is slept.
void ObserveCompositionPauses(std::function<void(unsigned ms)> observer);
// Called instead of dwmapi's DwmSetWindowAttribute (null: dwmapi's again).
using TDwmSetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
void ReplaceDwmSetWindowAttribute(TDwmSetWindowAttributeFunction replacement);

}  // namespace pakmole
