#include "skin/render/sFade_win.h"

#include <utility>

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/FadeSteps.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/GdiHandles.h"

namespace pakmole {
namespace {

int liveTimers = 0;
bool fadingOn = true;
bool effectsDisabled = false;
constexpr unsigned kStepInterval = 10;

// Commands "performed on the control" go through its message chain when it
// is a component, else to its window.
LRESULT PerformOnOwner(TsSkinStateCore& state, uint16_t command, uint16_t low = 0, LPARAM lParam = 0) {
    if (state.Control) return state.Control->Perform(SKM_COMMAND, SkinCommandParam(command, low), lParam);
    if (HWND window = state.OwnerWindow()) return SendMessageA(window, SKM_COMMAND, SkinCommandParam(command, low), lParam);
    return 0;
}

const TsGeneralData* SectionOf(const TsSkinStateCore& state) {
    const TsSkinManager* manager = state.ManagerInEffect();
    if (!manager || !manager->IsValidSection(state.SectionIndex)) return nullptr;
    return &manager->Model().Sections[static_cast<std::size_t>(state.SectionIndex)];
}

bool ApplicationTerminating() {
    const TApplication* app = Application();
    return app && app->Terminated();
}

bool OwnerGone(const TsSkinStateCore* owner) {
    return !owner || owner->OwnerDestroying() || ApplicationTerminating();
}

void InvalidateOwner(TsSkinStateCore& state) {
    state.BackgroundStale = true;
    if (HWND window = state.OwnerWindow()) InvalidateRect(window, nullptr, FALSE);
}

void CopyToWindow(HWND window, const TBitmap32& frame) {
    if (!window || frame.Empty()) return;
    WindowDC dc(window);
    SavedDC saved(dc.Get());
    BitBlt(dc.Get(), 0, 0, frame.Width(), frame.Height(), Bitmap32DC(frame), 0, 0, SRCCOPY);
}

}  // namespace

int LiveFadeTimerCount() { return liveTimers; }
bool FadingSwitchedOn() { return fadingOn; }
void SetFadingSwitch(bool on) { fadingOn = on; }
bool EffectsDisabled() { return effectsDisabled; }
void SetEffectsDisabled(bool disabled) { effectsDisabled = disabled; }

TsFadeTimer::TsFadeTimer(TsSkinStateCore* owner) : TTimer(nullptr), Owner(owner) {
    ++liveTimers;
    SetEnabled(false);
}

TsFadeTimer::~TsFadeTimer() { --liveTimers; }

void TsFadeTimer::Timer() {
    if (OwnerGone(Owner)) {
        Direction = 0;
        return;
    }
    if (FadeExhausted(FadeLevel, Iterations)) {
        // Stopped before asking, in case nobody frees it; the owner that does
        // frees it in its answer, so nothing of it may be touched after.
        SetEnabled(false);
        Direction = 0;
        PerformOnOwner(*Owner, SKC_STOPANIMATION);
        return;
    }
    if (effectsDisabled) return;
    if (Direction == 1 || Direction == 2) {
        if (!Owner->OwnerEnabled()) {
            SetEnabled(false);
            Iterations = 0;
            InvalidateOwner(*Owner);
        } else if (Owner->CacheBitmap) {
            TBitmap32 frame;
            ComposeFadeFrame(frame, BmpFrom, *Owner->CacheBitmap, FadeWeight(FadeLevel, Iterations));
            if (PerformOnOwner(*Owner, SKC_FADEFRAME, 0, reinterpret_cast<LPARAM>(&frame)) == 0)
                CopyToWindow(Owner->OwnerWindow(), frame);
        }
    }
    ++FadeLevel;
}

TsAnimTimer::TsAnimTimer(TsSkinStateCore* owner) : TTimer(nullptr), Owner(owner) {
    ++liveTimers;
    SetEnabled(false);
}

TsAnimTimer::~TsAnimTimer() { --liveTimers; }

void TsAnimTimer::Setup() {
    SetInterval(kStepInterval);
    const TsGeneralData* section = Owner ? SectionOf(*Owner) : nullptr;
    Iterations = section ? section->FadingIterations : 5;
}

void TsAnimTimer::Timer() {
    if (OwnerGone(Owner)) return;
    if (FadeExhausted(FadeLevel, Iterations)) {
        SetEnabled(false);
        PerformOnOwner(*Owner, SKC_STOPANIMATION);
        return;
    }
    if (effectsDisabled) return;
    if (!FadeInProcess && Owner->CacheBitmap) {
        FadeInProcess = true;
        ComposeFadeFrame(TmpBmp, BmpFrom, *Owner->CacheBitmap, FadeWeight(FadeLevel, Iterations));
        PerformOnOwner(*Owner, SKC_SETUPDATING, 0);
        PerformOnOwner(*Owner, SKC_REPAINT);
        FadeInProcess = false;
    }
    ++FadeLevel;
}

bool StartPaintChange(TsFadeTimerSlot& slot, TsSkinStateCore& state, uint8_t direction, bool fast, bool animate,
                      const std::function<void()>& applyNewState) {
    if (!state.Skinned()) {
        if (applyNewState) applyNewState();
        return false;
    }
    const TsGeneralData* section = SectionOf(state);
    const bool fades = animate && fadingOn && section && section->FadingEnabled && !effectsDisabled &&
                       state.CacheBitmap && !state.CacheBitmap->Empty() && !state.BackgroundStale;
    if (!fades) {
        if (applyNewState) applyNewState();
        StopFade(slot);
        InvalidateOwner(state);
        if (HWND window = state.OwnerWindow()) UpdateWindow(window);
        return false;
    }
    int32_t shown = 0;
    if (!slot) {
        slot.reset(new TsFadeTimer(&state));
        slot->FadeLevel = 1;
    } else {
        slot->SetEnabled(false);
        if (slot->Direction != 0) shown = FadeStepsShown(slot->FadeLevel, slot->Iterations);
        slot->FadeLevel = section->FadingIterations;
    }
    TsFadeTimer& timer = *slot;
    timer.Owner = &state;
    if (shown > 0) {
        // Cut short midway (a hover left before the fade in ended): the new
        // fade starts from the frame on the screen and goes back as far.
        TBitmap32 onScreen;
        ComposeFadeFrame(onScreen, timer.BmpFrom, *state.CacheBitmap, FadeWeight(shown, timer.Iterations));
        timer.BmpFrom = std::move(onScreen);
    } else {
        timer.BmpFrom = *state.CacheBitmap;
    }
    timer.StepOffset = shown;
    timer.SetInterval(kStepInterval);
    timer.Iterations = FadeIterations(shown > 0 ? shown : section->FadingIterations, fast);
    timer.FadeLevel = FadeStartLevel(timer.FadeLevel, timer.Iterations);
    if (applyNewState) applyNewState();
    state.BackgroundStale = true;
    // A control that answers the preparation stops the timer; the fade's
    // direction then decides whether it runs.
    if (PerformOnOwner(state, SKC_PREPARECACHE) != 0) timer.SetEnabled(false);
    timer.Direction = direction;
    timer.SetEnabled(direction != 0);
    return true;
}

void StopFade(TsFadeTimerSlot& slot) {
    if (!slot) return;
    slot->SetEnabled(false);
    slot->Direction = 0;
    slot.reset();
}

}  // namespace pakmole
