#include "ui/Timer.h"

#include "base/Exceptions.h"
#include "ui/Application.h"
#include "ui/WindowClasses.h"

namespace pakmole {

namespace {
constexpr UINT_PTR kTimerId = 1;
const char* const kUtilityClass = "TPUtilWindow";
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    // A timer created in a stored description starts with the description's
    // values, in Loaded.
    if (!IsLoading()) UpdateTimer();
}

TTimer::~TTimer() { ReleaseWindow(); }

void TTimer::BeforeDestruction() {
    ReleaseWindow();
    TComponent::BeforeDestruction();
}

void TTimer::ReleaseWindow() {
    if (!window_) return;
    KillTimer(window_, kTimerId);
    DestroyWindow(window_);
    window_ = nullptr;
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == interval_) return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (IsLoading() || IsDestroying()) return;
    if (window_) KillTimer(window_, kTimerId);
    if (!enabled_ || interval_ == 0) return;
    if (!window_) {
        RegisterControlClass(kUtilityClass, "", 0, WindowProcedure);
        window_ = CreateWindowExA(0, kUtilityClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ModuleInstance(), nullptr);
        if (!window_) throw Exception("Not enough timers available");
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    if (!SetTimer(window_, kTimerId, interval_, nullptr))
        throw Exception("Not enough timers available");
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}

LRESULT CALLBACK TTimer::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kTimerId) {
        auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (timer && timer->enabled_) {
            try {
                timer->Timer();
            } catch (...) {
                if (TApplication* app = Application()) app->HandleException(timer);
            }
        }
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace pakmole
