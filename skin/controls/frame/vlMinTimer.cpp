#include "skin/controls/frame/vlMinTimer.h"

#include <utility>

#include "skin/data/Bitmap32_win.h"
#include "skin/render/DesktopComposition_win.h"
#include "skin/render/SystemMinimizeAnimation_win.h"
#include "skin/render/TaskbarButton_win.h"
#include "skin/render/WindowAnimation_win.h"

namespace pakmole {

namespace {

constexpr unsigned kMinimizeTickMs = 15;
// Between the restored window's last picture and its focus.
constexpr unsigned kRestoreFocusPauseMs = 20;

TRect32 ToRect32(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

TRect32 MinimizeTarget(HWND application, const TRect32& windowRect) {
    RECT r;
    // A composed taskbar is not searched for the button.
    if (application && !DesktopCompositionEnabled() && FindTaskbarButton(application, r)) return ToRect32(r);
    if (TaskbarRect(r)) return FallbackTarget(ToRect32(r), windowRect);
    // No shell: the picture sinks to the middle of the screen's bottom edge.
    const int32_t bottom = GetSystemMetrics(SM_CYSCREEN);
    const TRect32 offScreen{0, bottom, GetSystemMetrics(SM_CXSCREEN), bottom + 1};
    return FallbackTarget(offScreen, windowRect);
}

TvlMinTimer::TvlMinTimer(TComponent* owner) : TvlThreadedTimer(owner, true) {
    SetEnabled(false);
    SetInterval(kMinimizeTickMs);
}

TvlMinTimer::~TvlMinTimer() { SetEnabled(false); }

void TvlMinTimer::StartMinimize(TBitmap32 picture, const TRect32& windowRect, const TRect32& target, int time,
                                uint8_t startAlpha) {
    // A restore still under way ends first: its window is back before it leaves again.
    if (restoring_) EndRestore();
    SetEnabled(false);
    picture_ = std::move(picture);
    if (picture_.Empty()) return;
    frame_ = TBitmap32(picture_.Width(), picture_.Height());
    windowRect_ = windowRect;
    motion_ = pakmole::StartMinimize(windowRect, target, time, startAlpha);
    minimized_ = false;
    if (!window_.Create(nullptr)) return;
    // The platform minimizes the window right after this: without its own
    // animation, until the picture has reached the taskbar.
    systemAnimationOff_ = std::make_unique<TSystemMinimizeAnimationOff>();
    // It passes over every window; a taskbar would be above it.
    window_.PlaceAbove(nullptr);
    window_.Show(picture_, POINT{windowRect.Left, windowRect.Top}, startAlpha);
    SetEnabled(true);
}

void TvlMinTimer::StartRestore(std::function<void()> bringBack, std::function<void()> giveFocus) {
    bringBack_ = std::move(bringBack);
    giveFocus_ = std::move(giveFocus);
    if (!minimized_ || picture_.Empty() || !window_.Handle()) {
        EndRestore();
        return;
    }
    minimized_ = false;
    restoring_ = true;
    motion_.Alpha = 0;
    SetEnabled(true);
}

void TvlMinTimer::OwnTimer() {
    if (!window_.Handle()) {
        SetEnabled(false);
        systemAnimationOff_.reset();
        if (restoring_) EndRestore();
        return;
    }
    if (restoring_) {
        if (StepRestore(motion_)) {
            ShowFrame();
            return;
        }
        EndRestore();
        return;
    }
    PatBlt(Bitmap32DC(frame_), 0, 0, frame_.Width(), frame_.Height(), BLACKNESS);
    if (StepMinimize(motion_)) {
        ShowFrame();
        return;
    }
    SetEnabled(false);
    window_.Hide();
    minimized_ = true;
    systemAnimationOff_.reset();
}

void TvlMinTimer::ShowFrame() {
    const TsMotionFrame f = FrameOf(motion_, frame_.Width(), frame_.Height());
    StretchPicture(picture_, frame_, TRect32{f.DrawX, f.DrawY, f.DrawX + f.Width, f.DrawY + f.Height});
    window_.Show(frame_, POINT{f.ScreenX, f.ScreenY}, static_cast<uint8_t>(motion_.Alpha));
}

void TvlMinTimer::EndRestore() {
    SetEnabled(false);
    restoring_ = false;
    minimized_ = false;
    // The real window comes back under the whole picture, which then goes.
    if (window_.Handle() && !picture_.Empty())
        window_.Show(picture_, POINT{windowRect_.Left, windowRect_.Top}, static_cast<uint8_t>(motion_.StartAlpha));
    if (auto bringBack = std::exchange(bringBack_, nullptr)) {
        // The window comes back without the system's animation.
        systemAnimationOff_.reset();
        TSystemMinimizeAnimationOff quiet;
        bringBack();
    }
    systemAnimationOff_.reset();
    window_.Free();
    picture_ = TBitmap32();
    frame_ = TBitmap32();
    if (auto giveFocus = std::exchange(giveFocus_, nullptr)) {
        Sleep(kRestoreFocusPauseMs);
        giveFocus();
    }
}

}  // namespace pakmole
