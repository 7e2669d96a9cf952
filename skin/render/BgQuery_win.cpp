#include "skin/render/BgQuery_win.h"

#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"
#include "ui/WinControl.h"

namespace pakmole {

namespace {

void ResetQuery(TBgQuery& query) {
    query.BgKind = bgkNone;
    query.Insets = {};
}

// send(message, wParam, lParam) reaches the parent.
template <class Send>
void PaintParentInto(TBgQuery& query, Send send) {
    SavedDC state(query.DC);
    // The asker's pixel (0, 0) shows the parent's point (OffsetX, OffsetY).
    SetViewportOrgEx(query.DC, -query.OffsetX, -query.OffsetY, nullptr);
    IntersectClipRect(query.DC, query.ClipRect.left + query.OffsetX, query.ClipRect.top + query.OffsetY,
                      query.ClipRect.right + query.OffsetX, query.ClipRect.bottom + query.OffsetY);
    send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(query.DC), 0);
    send(WM_PAINT, reinterpret_cast<WPARAM>(query.DC), 0);
}

// A windowed parent with a handle hears it through its window, any other through Perform.
LRESULT Ask(TControl* parent, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (parent->IsWindowed() && static_cast<TWinControl*>(parent)->HandleAllocated())
        return SendMessageA(static_cast<TWinControl*>(parent)->Handle(), msg, wParam, lParam);
    return parent->Perform(msg, wParam, lParam);
}

void FillClip(const TBgQuery& query) {
    if (!query.DC || !query.Bitmap) return;
    BrushHandle brush(CreateSolidBrush(ColorToRGB(query.Color)));
    FillRect(query.DC, &query.ClipRect, brush.Get());
}

}  // namespace

TBgSource BgSourceOfQuery(const TBgQuery& query) {
    if (query.BgKind == bgkBitmap) return BgSourceOfBitmap(query.Bitmap, query.OffsetX, query.OffsetY);
    TBgSource source;
    source.Bitmap = query.Bitmap;
    source.OffsetX = query.OffsetX;
    source.OffsetY = query.OffsetY;
    source.Color = static_cast<int32_t>(ColorToRGB(query.Color));
    source.Insets = query.Insets;
    source.HasBitmap = false;
    return source;
}

void GetParentBg(TBgQuery& query, TControl* parent, bool paintInto) {
    ResetQuery(query);
    if (!parent) return;
    Ask(parent, SKM_COMMAND, SkinCommandParam(SKC_GETBGINFO), reinterpret_cast<LPARAM>(&query));
    if (query.BgKind != bgkNone) return;
    if (paintInto && query.DC) {
        PaintParentInto(query, [parent](UINT msg, WPARAM w, LPARAM l) { Ask(parent, msg, w, l); });
        return;
    }
    const auto answer =
        static_cast<int32_t>(Ask(parent, SKM_COMMAND, SkinCommandParam(SKC_GETBGCOLOR), static_cast<LPARAM>(0xFF00FF)));
    query.BgKind = bgkColor;
    query.Color = answer != 0 ? answer : parent->Color();
    FillClip(query);
}

void GetParentBg(TBgQuery& query, HWND parent, bool paintInto, const TsSkinManager* manager) {
    ResetQuery(query);
    if (parent && IsWindow(parent)) {
        SendMessageA(parent, SKM_COMMAND, SkinCommandParam(SKC_GETBGINFO), reinterpret_cast<LPARAM>(&query));
        if (query.BgKind != bgkNone) return;
        if (paintInto && query.DC) {
            PaintParentInto(query, [parent](UINT msg, WPARAM w, LPARAM l) { SendMessageA(parent, msg, w, l); });
            return;
        }
    }
    query.BgKind = bgkColor;
    query.Color = manager ? manager->Palette()[pcMainColor] : static_cast<int32_t>(GetSysColor(COLOR_BTNFACE));
    FillClip(query);
}

}  // namespace pakmole
