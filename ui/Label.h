#pragma once
// Text drawn on the parent, without a window.
#include "ui/GraphicControl.h"

namespace pakmole {

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);
    std::string ClassName() const override { return "TCustomLabel"; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    bool Transparent() const { return (ControlStyle() & csOpaque) == 0; }
    void SetTransparent(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    // Fits the bounds to the text (keeping the width when words wrap).
    void AdjustBounds();

    void WndProc(TMessage& message) override;

protected:
    void Paint(HDC dc) override;
    UINT DrawFlags() const;

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool autoSize_ = true;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
    std::string ClassName() const override { return "TLabel"; }
};

}  // namespace pakmole
