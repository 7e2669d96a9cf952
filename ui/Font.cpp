#include "ui/Font.h"

#include <cstring>

namespace pakmole {

TFont::TFont() = default;

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    // The colour is not part of the GDI font; keep the handle.
    if (OnChange) OnChange(this);
}

void TFont::SetStyle(unsigned style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (SameAs(other)) return;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
           style_ == other.style_;
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTA lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        handle_.Reset(CreateFontIndirectA(&lf));
    }
    return handle_.Get();
}

void TFont::Changed() {
    handle_.Reset();
    if (OnChange) OnChange(this);
}

}  // namespace pakmole
