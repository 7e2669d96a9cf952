#pragma once
// The glyph settings of an edit's button: an optional image list with images
// for the normal, hot and pressed states, otherwise the built-in glyph strip.
#include <string>

#include "ui/Object.h"

namespace pakmole {

class TsAlphaImageList;
class TsCustomComboEdit;
class TsEditButton;

class TsGlyphMode : public TPersistent {
public:
    TsGlyphMode(TsCustomComboEdit* ownerEdit, TsEditButton* button);
    std::string ClassName() const override { return "TsGlyphMode"; }

    TsAlphaImageList* Images() const { return images_; }
    void SetImages(TsAlphaImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int ImageIndexHot() const { return imageIndexHot_; }
    void SetImageIndexHot(int index) { imageIndexHot_ = index; }
    int ImageIndexPressed() const { return imageIndexPressed_; }
    void SetImageIndexPressed(int index) { imageIndexPressed_ = index; }

    // Kept by the button; a button being loaded or destroyed is left alone.
    int Blend() const;
    void SetBlend(int blend);
    bool Grayed() const;
    void SetGrayed(bool on);
    std::string Hint() const;
    void SetHint(const std::string& hint);

    // True when Images is set and ImageIndex is one of its images.
    bool UsesImages() const;
    int GlyphCount() const;
    int Width() const;
    int Height() const;

private:
    bool ButtonReachable() const;

    TsCustomComboEdit* ownerEdit_;
    TsEditButton* button_;
    TsAlphaImageList* images_ = nullptr;
    int imageIndex_ = -1;
    int imageIndexHot_ = -1;
    int imageIndexPressed_ = -1;
};

}  // namespace pakmole
