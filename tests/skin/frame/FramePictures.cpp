#include "tests/skin/frame/FramePictures.h"

#include <algorithm>

#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/MaskPainter.h"

namespace pakmole::test {

namespace {

TsControlPaintData SectionPaint(const TsSkinManager& manager, const char* name) {
    const TsSkinModel& skin = manager.Model();
    TsControlPaintData data;
    data.Skin = &skin;
    data.SectionIndex = manager.FindSection(name);
    data.FrameMaskIndex = skin.Sections.at(static_cast<std::size_t>(data.SectionIndex)).FrameMask;
    return data;
}

int StateFor(const TsSkinManager& manager, const char* section, bool active) {
    const int states = manager.Model().Sections.at(static_cast<std::size_t>(manager.FindSection(section))).States;
    return std::min(active ? 1 : 0, std::max(0, states - 1));
}

}  // namespace

TsFrameFacts FactsOfWindow(HWND window, TsFrameStyle style, bool mainForm) {
    RECT r;
    GetWindowRect(window, &r);
    const LONG s = GetWindowLongA(window, GWL_STYLE);
    TsFrameFacts f;
    f.Width = r.right - r.left;
    f.Height = r.bottom - r.top;
    f.Style = style;
    f.SystemMenu = (s & WS_SYSMENU) != 0;
    f.Minimize = (s & WS_MINIMIZEBOX) != 0;
    f.Maximize = (s & WS_MAXIMIZEBOX) != 0;
    f.MainForm = mainForm;
    f.ThickFrame = (s & WS_THICKFRAME) != 0;
    f.FrameWidth = FrameWidthOf(f.ThickFrame, (s & WS_BORDER) != 0, GetSystemMetrics(SM_CXFRAME),
                                GetSystemMetrics(SM_CXDLGFRAME));
    f.CaptionHeight = CaptionHeightOf((s & WS_CAPTION) == WS_CAPTION, false, style, GetSystemMetrics(SM_CYCAPTION),
                                      GetSystemMetrics(SM_CYSMCAPTION));
    return f;
}

TsTitleLayout LayoutWith(const TsSkinManager& manager, const TsFrameFacts& facts) {
    return LayoutCaption(facts, TitleMetricsOf(manager.Model()), TitleMasksOf(manager.Model()));
}

TBitmap32 SkinFramePicture(const TsSkinManager& manager, const TsFrameFacts& facts, bool active,
                           const std::array<int, tbCount>& buttonStates) {
    const TsTitleLayout layout = LayoutWith(manager, facts);
    TBitmap32 picture(facts.Width, facts.Height);
    TBgSource behind;
    behind.Color = manager.Palette()[pcMainColor];
    PaintControl(SectionPaint(manager, "FORM"), behind, false, picture, TPoint32{0, 0},
                 TRect32{0, 0, facts.Width, facts.Height}, StateFor(manager, "FORM", active));
    const TBitmap32 form(picture);
    PaintControl(SectionPaint(manager, "FORMTITLE"), BgSourceOfBitmap(&form, 0, 0), false, picture, TPoint32{0, 0},
                 TRect32{0, 0, facts.Width, layout.StripBottom}, StateFor(manager, "FORMTITLE", active));
    const TBitmap32 strip(picture);
    for (int i = 0; i < tbCount; ++i) {
        const TsTitleButtonPlace& b = layout.Buttons[static_cast<std::size_t>(i)];
        if (!b.Shown) continue;
        const int index = manager.FindMaskExact("GLOBALINFO", b.MaskName);
        const int state = buttonStates[static_cast<std::size_t>(i)];
        PaintMaskImage(picture, TPoint32{b.Rect.Left, b.Rect.Top}, state, BgSourceOfBitmap(&strip, 0, 0),
                       manager.Model().Masks.at(static_cast<std::size_t>(index)),
                       !active && state == 0 ? miFaded : miNormal);
    }
    return picture;
}

int DifferencesIn(const TBitmap32& a, const TBitmap32& b, const TRect32& rect) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return a.Width() * a.Height() + 1;
    int differences = 0;
    for (int y = std::max(0, rect.Top); y < std::min(rect.Bottom, a.Height()); ++y)
        for (int x = std::max(0, rect.Left); x < std::min(rect.Right, a.Width()); ++x)
            differences += (a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF);
    return differences;
}

int FrameDifferencesOf(HWND window, const TBitmap32& screen, const TBitmap32& expected, const TsTitleLayout& layout) {
    if (screen.Width() != expected.Width() || screen.Height() != expected.Height())
        return screen.Width() * screen.Height() + 1;
    RECT w, client;
    GetWindowRect(window, &w);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -w.left, -w.top);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool hasRegion = GetWindowRgn(window, region) != ERROR;
    int differences = 0;
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x) {
            const POINT p{x, y};
            if (PtInRect(&client, p)) continue;
            if (hasRegion && !PtInRegion(region, x, y)) continue;
            const TRect32& icon = layout.IconRect;
            if (x >= icon.Left && x < icon.Right && y >= icon.Top && y < icon.Bottom) continue;
            // The caption text and its glow, which may reach past the text's bounds.
            if (y < layout.StripBottom && x >= layout.TextRect.Left - 6 && x < layout.TextRect.Right + 6) continue;
            differences += (screen.Pixel(x, y) & 0xFFFFFF) != (expected.Pixel(x, y) & 0xFFFFFF);
        }
    DeleteObject(region);
    return differences;
}

}  // namespace pakmole::test
