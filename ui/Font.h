#pragma once
// A control's font. Changing it tells the owner, which passes CM_FONTCHANGED on.
#include <windows.h>

#include <string>

#include "ui/GdiHandles.h"
#include "ui/Graphics.h"
#include "ui/Object.h"

namespace pakmole {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TPersistent {
public:
    TFont();
    std::string ClassName() const override { return "TFont"; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);

    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    // The GDI font, made on first use and after every change.
    HFONT Handle();

    TNotifyEvent OnChange;

private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    unsigned style_ = 0;
    FontHandle handle_;
};

}  // namespace pakmole
