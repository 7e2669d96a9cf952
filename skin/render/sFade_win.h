#pragma once
// Cross-fades of a skinned control's state changes and animated repaints:
// the fade timer blends the picture from before the change into the
// control's new cache picture in 10 ms steps; the animation timer does the
// same for owner-drawn parts that repaint themselves.
#include <cstdint>
#include <functional>

#include "skin/data/Bitmap32.h"
#include "skin/render/SkinStateCore_win.h"
#include "ui/Component.h"
#include "ui/Timer.h"

namespace pakmole {

class TsFadeTimer : public TTimer {
public:
    explicit TsFadeTimer(TsSkinStateCore* owner);
    ~TsFadeTimer() override;
    std::string ClassName() const override { return "TsFadeTimer"; }

    TsSkinStateCore* Owner;
    TBitmap32 BmpFrom;
    int32_t FadeLevel = 1;
    int32_t Iterations = 0;
    // 0 none; 1 and 2 a running fade (the state faded to); 3 and more do nothing.
    uint8_t Direction = 0;
    // Frames the fade before this one had shown when this one cut it short
    // (0: it started from rest).
    int32_t StepOffset = 0;

protected:
    void Timer() override;
};

class TsAnimTimer : public TTimer {
public:
    explicit TsAnimTimer(TsSkinStateCore* owner);
    ~TsAnimTimer() override;
    std::string ClassName() const override { return "TsAnimTimer"; }

    // Links the owner, 10 ms steps, the section's step count.
    void Setup();

    TsSkinStateCore* Owner;
    TBitmap32 BmpFrom;
    TBitmap32 TmpBmp;
    int32_t FadeLevel = 1;
    int32_t Iterations = 0;
    bool FadeInProcess = false;

protected:
    void Timer() override;
};

using TsFadeTimerSlot = ComponentPtr<TsFadeTimer>;

// Fade and animation timers alive in the process.
int LiveFadeTimerCount();

// The process-wide switches: fading of state changes, and every effect.
bool FadingSwitchedOn();
void SetFadingSwitch(bool on);
bool EffectsDisabled();
void SetEffectsDisabled(bool disabled);

// Directions of a change: toward a livelier look (hot, pressed), and back.
constexpr uint8_t fdForward = 1;
constexpr uint8_t fdBack = 2;

// A state change of a skinned control. applyNewState changes the control's
// paint-state inputs (hot, pressed, ...) once the old picture is kept; the
// control's SKC_PREPARECACHE then builds the new one. Without a fade the
// control is marked stale and repainted at once; direction 0 prepares the
// fade but does not run it. Answers whether a fade was prepared.
bool StartPaintChange(TsFadeTimerSlot& slot, TsSkinStateCore& state, uint8_t direction, bool fast, bool animate,
                      const std::function<void()>& applyNewState);

// Disables the timer, sets its direction to 0 and frees it.
void StopFade(TsFadeTimerSlot& slot);

}  // namespace pakmole
