#include "skin/controls/edits/sGlyphMode.h"

#include "skin/controls/adapters/sAlphaImageList.h"
#include "skin/controls/edits/sCustomComboEdit.h"
#include "skin/controls/edits/sEditButton.h"
#include "skin/controls/edits/sGlyphUtils.h"

namespace pakmole {

TsGlyphMode::TsGlyphMode(TsCustomComboEdit* ownerEdit, TsEditButton* button)
    : ownerEdit_(ownerEdit), button_(button) {}

void TsGlyphMode::SetImages(TsAlphaImageList* images) {
    images_ = images;
    if (ownerEdit_) ownerEdit_->Invalidate();
}

void TsGlyphMode::SetImageIndex(int index) {
    imageIndex_ = index;
    if (ownerEdit_) ownerEdit_->Invalidate();
}

bool TsGlyphMode::ButtonReachable() const {
    return button_ && !button_->IsLoading() && !button_->IsDestroying();
}

int TsGlyphMode::Blend() const { return ButtonReachable() ? button_->Blend() : 0; }
void TsGlyphMode::SetBlend(int blend) {
    if (ButtonReachable()) button_->SetBlend(blend);
}
bool TsGlyphMode::Grayed() const { return ButtonReachable() && button_->Grayed(); }
void TsGlyphMode::SetGrayed(bool on) {
    if (ButtonReachable()) button_->SetGrayed(on);
}
std::string TsGlyphMode::Hint() const { return ButtonReachable() ? button_->Hint() : std::string(); }
void TsGlyphMode::SetHint(const std::string& hint) {
    if (ButtonReachable()) button_->SetHint(hint);
}

bool TsGlyphMode::UsesImages() const { return images_ && images_->IsValidIndex(imageIndex_); }

int TsGlyphMode::GlyphCount() const {
    if (!UsesImages()) return kBuiltInGlyphCount;
    const int h = images_->Height();
    // A strip whose width is a whole number of squares holds that many glyphs.
    if (h > 0 && images_->Width() % h == 0 && images_->Width() / h > 0) return images_->Width() / h;
    return 1;
}

int TsGlyphMode::Width() const {
    if (UsesImages()) return images_->Width() / GlyphCount();
    return 48 / kBuiltInGlyphCount;
}

int TsGlyphMode::Height() const { return UsesImages() ? images_->Height() : 16; }

}  // namespace pakmole
