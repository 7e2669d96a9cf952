#include "skin/controls/adapters/vlSpeedButtonHandler.h"

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"
#include "ui/SpeedButton.h"

namespace pakmole {

TvlSpeedButtonHandler::TvlSpeedButtonHandler(TSpeedButton* button, TsCommonData* state)
    : button_(button), state_(state) {
    if (!state_->CacheBitmap) state_->CacheBitmap = std::make_unique<TBitmap32>();
    state_->Control = button_;
    // The button paints the whole of its area: its corners take the parent's picture.
    state_->CornerBlend = true;
    if (state_->SkinSection().empty()) state_->SetSkinSection(DefaultSection(*button_));
    if (state_->SectionIndex < 0) state_->UpdateIndexes();
    previous_ = button_->WindowProc;
    button_->WindowProc = [this](TMessage& m) { HandleMessage(m); };
    button_->Invalidate();
}

TvlSpeedButtonHandler::~TvlSpeedButtonHandler() { Unhook(); }

std::string TvlSpeedButtonHandler::DefaultSection(const TSpeedButton& button) {
    return button.Flat() ? "SPEEDBUTTON_SMALL" : "SPEEDBUTTON";
}

void TvlSpeedButtonHandler::Detach() { button_ = nullptr; }

void TvlSpeedButtonHandler::Unhook() {
    // A button on its way out has no message chain left to give back.
    if (!button_ || button_->IsDestroying()) return;
    button_->WindowProc = previous_;
    button_->Invalidate();
    button_ = nullptr;
}

void TvlSpeedButtonHandler::HandleMessage(TMessage& m) {
    TWndMethod previous = previous_;  // the handler may be gone when the button's own handling returns
    switch (m.Msg) {
    case WM_PAINT:
        if (m.WParam && state_->Skinned(true)) {
            Paint(reinterpret_cast<HDC>(m.WParam));
            m.Result = 0;
            return;
        }
        break;
    case SKM_COMMAND:
        if (state_->HandleSkinCommand(m)) return;
        break;
    case CM_TEXTCHANGED:
        // The platform look leaves a new caption for the next paint; ours shows it now.
        previous(m);
        if (button_) button_->Invalidate();
        return;
    case WM_DESTROY:
        // The window the button lies on is going: let go first.
        Unhook();
        break;
    default:
        break;
    }
    previous(m);
}

void TvlSpeedButtonHandler::Paint(HDC dc) {
    const int state = button_->StateIndex();
    state_->BackgroundStale = true;
    const bool built = state_->BuildCache(state, [this, state](TBitmap32& cache, const TBgSource&) {
        const std::string caption = button_->Caption();
        if (caption.empty()) return;
        HDC cacheDC = Bitmap32DC(cache);
        SelectedObject font(cacheDC, button_->Font().Handle());
        SetBkMode(cacheDC, TRANSPARENT);
        RECT r{0, 0, cache.Width(), cache.Height()};
        if (state == 2) OffsetRect(&r, 1, 1);
        WriteSkinText(cacheDC, &caption, button_->Enabled(), static_cast<uint8_t>(state != 0), *state_,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE, r);
        GdiFlush();
    });
    if (built)
        BitBlt(dc, 0, 0, button_->Width(), button_->Height(), Bitmap32DC(*state_->CacheBitmap), 0, 0, SRCCOPY);
}

}  // namespace pakmole
