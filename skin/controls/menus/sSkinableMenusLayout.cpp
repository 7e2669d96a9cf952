#include "skin/controls/menus/sSkinableMenusLayout.h"

#include <algorithm>

namespace pakmole {

TsMenuItemKind MenuItemKindOf(const std::string& caption) {
    if (caption == "-") return mkSeparator;
    if (caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') return mkTitle;
    return mkNormal;
}

std::string MenuTitleText(const std::string& caption) {
    const std::size_t start = caption.find_first_not_of('-');
    if (start == std::string::npos) return "";
    const std::size_t end = caption.find('-', start);
    return caption.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string MenuMeasuredText(TsMenuItemKind kind, const std::string& caption, const std::string& shortCutText) {
    switch (kind) {
    case mkSeparator: return "";
    case mkTitle: return "-" + caption + "-";
    case mkNormal: break;
    }
    return shortCutText.empty() ? caption : caption + "\t" + shortCutText;
}

int32_t MenuItemHeight(TsMenuItemKind kind, int32_t textHeight, int32_t glyphHeight, const TsMenuMetrics& m) {
    switch (kind) {
    case mkSeparator: return 2;
    case mkTitle: return textHeight + 2 * m.Margin + 3;
    case mkNormal: break;
    }
    return std::max(textHeight, glyphHeight) + 2 * m.Margin + 2;
}

int32_t MenuItemWidth(TsMenuItemKind kind, int32_t textWidth, int32_t glyphWidth, int32_t extraLine,
                      const TsMenuMetrics& m) {
    if (kind == mkSeparator) textWidth = 0;
    return textWidth + 2 * glyphWidth + 3 * m.Margin + m.Spacing + extraLine;
}

TsMenuSize MenuPopupSize(const std::vector<TsMenuItemSize>& items, int32_t borderWidth) {
    TsMenuSize size;
    int32_t columnWidth = 0, columnHeight = 0, tallest = 0, breaks = 0;
    bool anyColumn = false;
    auto endColumn = [&] {
        if (!anyColumn) return;
        size.Width += columnWidth + 12;
        tallest = std::max(tallest, columnHeight);
        columnWidth = columnHeight = 0;
    };
    for (const TsMenuItemSize& item : items) {
        if (item.BreakBefore && anyColumn) {
            endColumn();
            ++breaks;
        }
        anyColumn = true;
        columnWidth = std::max(columnWidth, item.Width);
        columnHeight += item.Height;
    }
    endColumn();
    size.Width += 4 * breaks + 2 * borderWidth;
    size.Height = tallest + 2 * borderWidth;
    return size;
}

int32_t MenuSkinBorderWidth(bool maskFound, int32_t defaultMargin) {
    if (!maskFound) return 0;
    return defaultMargin > 0 ? defaultMargin : 3;
}

TsGlyphSize MenuGlyphSize(TsGlyphSize own, TsGlyphSize parentImages, TsGlyphSize menuImages) {
    if (own.Known()) return own;
    if (parentImages.Known()) return parentImages;
    if (menuImages.Known()) return menuImages;
    return TsGlyphSize{16, 16};
}

int32_t MenuGlyphStripWidth(int32_t glyphWidth, const TsMenuMetrics& m) { return m.Margin + glyphWidth + m.Spacing; }

TsSpan MenuSeparatorSpan(int32_t itemWidth, int32_t extraLine, int32_t strip, const TsMenuMetrics& m) {
    TsSpan span;
    span.Left = std::max(extraLine + m.Margin + m.Spacing, extraLine + strip + 2);
    span.Right = itemWidth - (extraLine + 2 * m.Margin + m.Spacing);
    if (span.Right < span.Left) span.Right = span.Left;
    return span;
}

TRect32 MenuCaptionRect(int32_t width, int32_t height, int32_t glyphWidth, bool rightToLeft, const TsMenuMetrics& m) {
    const int32_t glyphArea = glyphWidth + 2 * m.Margin + m.Spacing;
    TRect32 r{0, 1 + m.Margin, width, height - m.Margin};
    if (rightToLeft)
        r.Right -= glyphArea;
    else
        r.Left += glyphArea;
    return r;
}

TsCaptionParts MenuCaptionParts(const std::string& caption) {
    TsCaptionParts parts;
    std::string text = caption;
    if (!text.empty() && text.front() == '\x08') {
        text = text.substr(1) + "      ";
        parts.RightAligned = true;
    }
    const std::size_t tab = text.find('\t');
    parts.HasTab = tab != std::string::npos;
    parts.Left = parts.HasTab ? text.substr(0, tab) : text;
    if (parts.HasTab) parts.Right = text.substr(tab + 1);
    return parts;
}

TsMenuFrameBands MenuFrameBands(const TRect32& item, int32_t windowWidth, int32_t windowHeight, bool firstItem,
                                bool lastItem, int32_t extraLine, int32_t skinBorderWidth, const TsMenuMetrics& m) {
    TsMenuFrameBands bands;
    // Each band reaches from the window's edge to the item, however wide the
    // platform made the frame, and at least as far as the skin's frame goes.
    if (firstItem) {
        bands.Top = TRect32{0, 0, windowWidth, std::max(m.BorderWidth, item.Top)};
        bands.Left = TRect32{0, 0, std::max(extraLine + std::max(skinBorderWidth, m.BorderWidth), item.Left),
                             windowHeight};
    }
    if (lastItem) bands.Bottom = TRect32{0, std::min(item.Bottom, windowHeight - m.BorderWidth), windowWidth, windowHeight};
    bands.Right = TRect32{std::min(item.Right, windowWidth - m.BorderWidth), item.Top, windowWidth, item.Bottom};
    return bands;
}

}  // namespace pakmole
