#include "skin/controls/frame/sFramePaint.h"

#include <algorithm>

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinEffects.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

void PaintTitleStrip(TBitmap32& image, const TsSkinModel& model, int titleIndex, int stripBottom, bool active) {
    if (!model.IsValidSection(titleIndex)) return;
    const TsGeneralData& title = model.Sections[static_cast<std::size_t>(titleIndex)];
    TsControlPaintData strip;
    strip.Skin = &model;
    strip.SectionIndex = titleIndex;
    strip.FrameMaskIndex = title.FrameMask;
    const TBitmap32 under(image);
    PaintControl(strip, BgSourceOfBitmap(&under, 0, 0), false, image, TPoint32{0, 0},
                 TRect32{0, 0, image.Width(), stripBottom}, std::min(active ? 1 : 0, std::max(0, title.States - 1)));
}

void PaintOpaqueIcon(TBitmap32& image, const TRect32& r, HICON icon) {
    const TBitmap32 before(image);
    HDC dc = Bitmap32DC(image);
    if (!dc || !icon) return;
    DrawIconEx(dc, r.Left, r.Top, icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
    GdiFlush();
    for (int y = std::max(0, r.Top); y < std::min(r.Bottom, image.Height()); ++y)
        for (int x = std::max(0, r.Left); x < std::min(r.Right, image.Width()); ++x) {
            const uint32_t was = before.Pixel(x, y), now = image.Pixel(x, y);
            image.Pixel(x, y) = (now & 0xFFFFFF) == (was & 0xFFFFFF) ? was : (now | 0xFF000000u);
        }
}

TsCaptionLine CaptionLineOf(HDC dc, const std::string& text, HFONT font, const TsTitleLayout& layout) {
    TsCaptionLine line;
    line.Text = text;
    line.Font = font;
    SelectedObject selected(dc, font);
    RECT measure{0, 0, 0, 0};
    DrawTextLine(dc, text, measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int height = measure.bottom - measure.top, top = layout.Centre - height / 2;
    line.Rect = RECT{layout.TextRect.Left, top, layout.TextRect.Right, top + height};
    return line;
}

void PaintCaptionLine(TBitmap32& image, TsSkinManager& manager, const TsCaptionLine& line) {
    HDC dc = Bitmap32DC(image);
    if (!dc || line.Rect.right <= line.Rect.left) return;
    SelectedObject font(dc, line.Font);
    SetBkMode(dc, TRANSPARENT);
    TsSkinModel& model = manager.Model();
    if (model.IsValidSection(line.TitleIndex)) {
        const TsGeneralData& title = model.Sections[static_cast<std::size_t>(line.TitleIndex)];
        const int size = line.Active ? title.HotGlowSize : title.GlowSize;
        const int32_t color = line.Active ? title.HotGlowColor : title.GlowColor;
        if (size > 0 && (GlowSwitchedOn() || model.SkinData.Version > 7.5)) {
            TGlowMask once;
            PaintGlowText(image, &line.Text, line.Rect, line.HeldGlow ? line.HeldGlow : &once, color, size, 15,
                          line.Flags, line.Font);
        }
    }
    const int section = line.CaptionIndex >= 0 ? line.CaptionIndex : line.TitleIndex;
    WriteSectionText(dc, &line.Text, line.Enabled, &manager, line.Active ? 1 : 0, section, line.Flags, line.Rect);
    GdiFlush();
}

void PaintTitleMask(TBitmap32& target, TPoint32 at, const TsSkinModel& model, const std::string& maskName, int state,
                    bool faded, const TBgSource& bg) {
    const int index = model.FindMask(model.KnownIndexes.GlobalInfo, "GLOBALINFO", maskName);
    if (!model.IsValidMask(index)) return;
    PaintMaskImage(target, at, state, bg, model.Masks[static_cast<std::size_t>(index)], faded ? miFaded : miNormal);
}

HFONT CreateCaptionFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectA(&metrics.lfCaptionFont);
}

RECT ClientInWindow(HWND h) {
    RECT window, client;
    GetWindowRect(h, &window);
    GetClientRect(h, &client);
    MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

void CopyNonClientAreaTo(HDC dc, HWND h, const TBitmap32& image) {
    if (image.Empty()) return;
    SavedDC saved(dc);
    const RECT client = ClientInWindow(h);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    BitBlt(dc, 0, 0, image.Width(), image.Height(), Bitmap32DC(image), 0, 0, SRCCOPY);
}

void CopyNonClientArea(HWND h, const TBitmap32& image) {
    if (image.Empty()) return;
    FrameDC dc(h);
    CopyNonClientAreaTo(dc.Get(), h, image);
}

}  // namespace pakmole
