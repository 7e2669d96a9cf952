// The pictures of skinned menus: the whole popup (background, icon strip,
// frame, extra line), and each item composed over its part of it.
#include <algorithm>

#include "skin/controls/menus/sSkinableMenus.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/Blend.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/MaskPainter.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/SectionBg.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {
namespace {

TsControlPaintData SectionPaint(const TsSkinModel& model, int index) {
    TsControlPaintData data;
    data.Skin = &model;
    data.SectionIndex = index;
    if (model.IsValidSection(index)) data.FrameMaskIndex = model.Sections[static_cast<std::size_t>(index)].FrameMask;
    return data;
}

// The screen's menu font, bold for a menu's default item.
HFONT MenuFont(bool bold) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

// The system-command glyphs of the "Webdings" font by the command an item carries.
const char* SystemGlyphOf(long command) {
    switch (command & 0xFFF0) {
    case SC_MINIMIZE: return "0";
    case SC_MAXIMIZE: return "1";
    case SC_CLOSE: return "r";
    case SC_RESTORE: return "2";
    default: return nullptr;
    }
}

// "Webdings" at 10 points; where that font is missing or lacks the glyph
// (Wine's copy has no close glyph), "Marlett", which draws the same
// commands under the same characters; none when neither has it, rather than
// a stray letter in the menu.
FontHandle SystemGlyphFont(HDC dc, const char* symbol) {
    const int height = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
    for (const char* face : {"Webdings", "Marlett"}) {
        FontHandle font(CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0, face));
        SelectedObject selected(dc, font.Get());
        char chosen[LF_FACESIZE] = {};
        GetTextFaceA(dc, LF_FACESIZE, chosen);
        WORD index = 0xFFFF;
        GetGlyphIndicesA(dc, symbol, 1, &index, GGI_MARK_NONEXISTING_GLYPHS);
        if (lstrcmpiA(chosen, face) == 0 && index != 0xFFFF) return font;
    }
    return FontHandle();
}

bool IsSystemMenu(const TMenuItem& item) {
    const TMenu* menu = item.GetParentMenu();
    return menu && menu->Name().rfind("vlSysMenu", 0) == 0;
}

void WriteText(HDC dc, const std::string& text, bool enabled, TsSkinManager* manager, bool hot, int section,
               UINT format, RECT rect) {
    WriteSectionText(dc, &text, enabled, manager, hot ? 1 : 0, section, format, rect);
}

}  // namespace

void TsSkinableMenus::BuildPicture(TBitmap32& picture, HWND owner, TMenuItem* firstItem) {
    TsSkinModel& model = manager_->Model();
    const int w = picture.Width(), h = picture.Height();
    const int sbw = SkinBorderWidth();
    const int extra = ExtraLineOf(firstItem);
    const int strip = MenuGlyphStripWidth(firstItem ? GlyphSizeOf(*firstItem).Width : 16, Metrics());
    const int menu = model.FindSection("MAINMENU");
    TBgSource behind;
    behind.Color = manager_->Palette()[pcMainColor];
    PaintSectionBg(menu, "MAINMENU", behind, 0xFF00FF, -1, -1, model, picture, TPoint32{0, 0}, TRect32{0, 0, w, h}, 0);

    const bool rightAligned = owner && (GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    const int icoLine = model.FindSection(manager_->MenuSupport().IcoLineSkin);
    if (!rightAligned && model.IsValidSection(icoLine)) {
        const TBitmap32 under(picture);
        PaintControl(SectionPaint(model, icoLine), BgSourceOfBitmap(&under, 0, 0), false, picture, TPoint32{0, 0},
                     TRect32{extra + sbw, sbw, extra + sbw + strip, h - sbw}, 0);
    }
    if (model.IsValidSection(menu)) {
        const int frame = model.Sections[static_cast<std::size_t>(menu)].FrameMask;
        if (model.IsValidMask(frame)) {
            const TBitmap32 under(picture);
            PaintFrameMask(picture, TRect32{0, 0, w, h}, 0, model.Masks[static_cast<std::size_t>(frame)], false,
                           BgSourceOfBitmap(&under, 0, 0));
        }
    }
    if (extra <= 0) return;
    std::string section = "EXTRALINE", text = "Use OnGetExtraLineData event";
    bool use = true;
    if (manager_->OnGetMenuExtraLineData) manager_->OnGetMenuExtraLineData(manager_, firstItem, section, text, use);
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    const int line = model.FindSection(section);
    const TRect32 band{sbw, sbw, sbw + extra, h - sbw};
    const TBitmap32 under(picture);
    PaintControl(SectionPaint(model, line), BgSourceOfBitmap(&under, 0, 0), false, picture, TPoint32{0, 0}, band, 0);
    HDC dc = Bitmap32DC(picture);
    if (!dc || text.empty()) return;
    // The text runs upwards from 12 pixels above the strip's bottom.
    LOGFONTA font{};
    GetObjectA(manager_->MenuSupport().ExtraLineFont().Handle(), sizeof(font), &font);
    font.lfEscapement = font.lfOrientation = 900;
    FontHandle turned(CreateFontIndirectA(&font));
    SelectedObject selected(dc, turned.Get());
    SetBkMode(dc, TRANSPARENT);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (model.IsValidSection(line))
        SetTextColor(dc, static_cast<COLORREF>(model.Sections[static_cast<std::size_t>(line)].Props[0].FontColor));
    TextOutA(dc, band.Left + (extra - size.cy) / 2, band.Bottom - 12, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
}

void TsSkinableMenus::CopyFrameBands(HWND window, const TBitmap32& picture, const TRect32& itemRect, bool firstItem,
                                     bool lastItem, int extraLine) {
    const TsMenuFrameBands bands = MenuFrameBands(itemRect, picture.Width(), picture.Height(), firstItem, lastItem,
                                                  extraLine, SkinBorderWidth(), Metrics());
    FrameDC dc(window);
    for (const TRect32& band : {bands.Top, bands.Left, bands.Bottom, bands.Right})
        if (band.Width() > 0 && band.Height() > 0)
            BitBlt(dc.Get(), band.Left, band.Top, band.Width(), band.Height(), Bitmap32DC(picture), band.Left,
                   band.Top, SRCCOPY);
}

void TsSkinableMenus::PaintSeparator(TBitmap32& target, const TBitmap32& picture, TPoint32 at, int extraLine,
                                     int strip) {
    TsSkinModel& model = manager_->Model();
    const TsSpan span = MenuSeparatorSpan(target.Width(), extraLine, strip, Metrics());
    const int divider = model.FindSection("DIVIDERV");
    const int mask = model.IsValidSection(divider) ? model.Sections[static_cast<std::size_t>(divider)].FrameMask : -1;
    if (model.IsValidMask(mask)) {
        PaintFrameMask(target, TRect32{span.Left, 0, span.Right, target.Height()}, 0,
                       model.Masks[static_cast<std::size_t>(mask)], false, BgSourceOfBitmap(&picture, at.X, at.Y));
        return;
    }
    int32_t color = manager_->Palette()[pcBorder];
    if ((color & 0xFFFFFF) == 0xFF00FF) color = static_cast<int32_t>(GetSysColor(COLOR_BTNSHADOW));
    FillColor(target, TRect32{span.Left, 0, span.Right, 1}, color);
}

void TsSkinableMenus::PaintTitle(TBitmap32& target, const std::string& caption) {
    TsSkinModel& model = manager_->Model();
    int section = model.FindSection("MENUCAPTION");
    if (!model.IsValidSection(section)) section = model.FindSection("TOOLBAR");
    const TBitmap32 under(target);
    PaintControl(SectionPaint(model, section), BgSourceOfBitmap(&under, 0, 0), false, target, TPoint32{0, 0},
                 TRect32{0, 0, target.Width(), target.Height()}, 0);
    HDC dc = Bitmap32DC(target);
    if (!dc) return;
    SelectedObject font(dc, CaptionFont.Handle());
    SetBkMode(dc, TRANSPARENT);
    const RECT rect{0, Margin + 2, target.Width(), target.Height() - Margin - 2};
    WriteText(dc, MenuTitleText(caption), true, manager_, false, section,
              DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_HIDEPREFIX, rect);
    GdiFlush();
}

void TsSkinableMenus::PaintNormal(TBitmap32& target, const TBitmap32& picture, TPoint32 at, TMenuItem& item,
                                  TOwnerDrawState state) {
    TsSkinModel& model = manager_->Model();
    const int w = target.Width(), h = target.Height();
    const bool hot = item.Enabled && (state & (odSelected | odHotLight)) != 0;
    const bool rtl = false;  // no menu of this program reads right to left
    int itemSection = model.FindSection("MENUITEM");
    std::string sectionName = "MENUITEM";
    if (manager_->OnGetPopupItemData) {
        manager_->OnGetPopupItemData(manager_, &item, sectionName);
        if (sectionName != "MENUITEM") itemSection = model.FindSection(sectionName);
    }
    PaintControl(SectionPaint(model, itemSection), BgSourceOfBitmap(&picture, at.X, at.Y), false, target,
                 TPoint32{0, 0}, TRect32{0, 0, w, h}, (state & odSelected) && item.Enabled ? 1 : 0);

    const TsGlyphSize glyph = GlyphSizeOf(item);
    if ((state & odChecked) && !item.Bitmap && item.ImageIndex < 0) {
        const int global = model.KnownIndexes.GlobalInfo;
        int mask = model.FindMask(global, "GLOBALINFO", item.RadioItem ? "RADIOCHECKED" : "CHECK");
        if (!model.IsValidMask(mask) && !item.RadioItem) mask = model.FindMask(global, "GLOBALINFO", "BOXCHECKED");
        if (model.IsValidMask(mask)) {
            const TsMaskData& m = model.Masks[static_cast<std::size_t>(mask)];
            const TBitmap32 under(target);
            PaintMaskImage(target, TPoint32{Margin + 2, (h - m.StateHeight()) / 2}, std::min(hot ? 1 : 0, m.FrameCount - 1),
                           BgSourceOfBitmap(&under, 0, 0), m, miNormal);
        }
    }
    HDC dc = Bitmap32DC(target);
    if (!dc) return;
    GdiFlush();
    if (item.Bitmap) {
        BITMAP info{};
        GetObjectA(item.Bitmap, sizeof(info), &info);
        const int bh = std::abs(info.bmHeight);
        const int x = std::min(3, (h - bh) / 2), y = (h - bh) / 2;
        MemoryDC source(dc);
        SelectedObject selected(source.Get(), item.Bitmap);
        if (info.bmBitsPixel == 32) {
            const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            GdiAlphaBlend(dc, x, y, info.bmWidth, bh, source.Get(), 0, 0, info.bmWidth, bh, blend);
        } else {
            BitBlt(dc, x, y, info.bmWidth, bh, source.Get(), 0, 0, SRCCOPY);
        }
        // GDI leaves alpha at 0; the item picture is copied whole, so alpha does not matter here.
    } else if (const char* symbol = IsSystemMenu(item) ? SystemGlyphOf(item.Tag()) : nullptr) {
        if (FontHandle glyphFont = SystemGlyphFont(dc, symbol)) {
            SelectedObject selected(dc, glyphFont.Get());
            SetBkMode(dc, TRANSPARENT);
            const RECT rect{4, 0, 4 + glyph.Width, h};
            WriteText(dc, symbol, item.Enabled, manager_, hot, itemSection, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX,
                      rect);
        }
    }

    FontHandle font(MenuFont(item.Default));
    SelectedObject selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    const TRect32 box = MenuCaptionRect(w, h, glyph.Width, rtl, Metrics());
    RECT rect{box.Left, box.Top, box.Right, box.Bottom};
    const TsCaptionParts parts = MenuCaptionParts(item.Caption);
    UINT flags = DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP;
    flags |= item.Caption.find('\r') != std::string::npos ? DT_WORDBREAK : DT_SINGLELINE;
    if (state & odNoAccel) flags |= DT_HIDEPREFIX;
    if (parts.RightAligned)
        flags |= DT_RIGHT;
    else if (Alignment == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    else if (Alignment == TAlignment::taCenter)
        flags |= DT_CENTER;
    WriteText(dc, parts.Left, item.Enabled, manager_, hot, itemSection, flags, rect);
    if (parts.HasTab) {
        RECT right{rect.left, rect.top, w - 8, rect.bottom};
        WriteText(dc, parts.Right, item.Enabled, manager_, hot, itemSection, DT_RIGHT | DT_VCENTER | DT_SINGLELINE,
                  right);
    }
    if (item.ShortCut) {
        RECT keys{rect.left, rect.top, w - 8, rect.bottom};
        WriteText(dc, ShortCutToText(item.ShortCut), item.Enabled, manager_, hot, itemSection,
                  DT_RIGHT | DT_VCENTER | DT_SINGLELINE, keys);
    }
    GdiFlush();
}

}  // namespace pakmole
