#include "skin/controls/frame/PaintWindowTo.h"

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/render/BgQuery_win.h"
#include "ui/GdiHandles.h"
#include "ui/WinControl.h"

namespace pakmole {

namespace {

constexpr LPARAM kPrintAll = PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND;

// A skinned control paints its own look while it is told where to.
void PrintSkinned(TControl* control, HWND window, HDC dc) {
    auto tell = [&](HDC target) {
        const WPARAM command = SkinCommandParam(SKC_SETPRINTDC);
        if (window)
            SendMessageA(window, SKM_COMMAND, command, reinterpret_cast<LPARAM>(target));
        else
            control->Perform(SKM_COMMAND, command, reinterpret_cast<LPARAM>(target));
    };
    tell(dc);
    if (window)
        SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), kPrintAll);
    else
        control->Perform(WM_PRINT, reinterpret_cast<WPARAM>(dc), kPrintAll);
    tell(nullptr);
}

// The platform's own look, as far as it can be printed: the edges its
// border styles give (the system may not print a child's non-client area
// itself), then the client area. Scroll bars of a plain window are left out.
void PrintPlain(HWND window, HDC dc, int clientX, int clientY) {
    RECT r;
    GetWindowRect(window, &r);
    OffsetRect(&r, -r.left, -r.top);
    const LONG style = GetWindowLongA(window, GWL_STYLE), ex = GetWindowLongA(window, GWL_EXSTYLE);
    if (ex & WS_EX_CLIENTEDGE) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (ex & WS_EX_STATICEDGE) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (style & WS_BORDER) FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT client;
    GetClientRect(window, &client);
    SavedDC saved(dc);
    OffsetViewportOrgEx(dc, clientX, clientY, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
}

void FillWithParentBg(HDC dc, TControl* control, int x, int y) {
    TBgQuery query;
    GetParentBg(query, control->Parent(), false);
    const int w = control->Width(), h = control->Height();
    if (query.BgKind == bgkBitmap && query.Bitmap) {
        BitBlt(dc, x, y, w, h, Bitmap32DC(*query.Bitmap), control->Left() + query.OffsetX,
               control->Top() + query.OffsetY, SRCCOPY);
        return;
    }
    GdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(query.Color)));
    RECT r{x, y, x + w, y + h};
    FillRect(dc, &r, brush.Get());
}

void PaintAt(HDC dc, TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    if (!windowed) {
        PrintSkinned(control, nullptr, dc);
        return;
    }
    HWND window = windowed->HandleAllocated() ? windowed->Handle() : nullptr;
    if (!window) return;
    // The children lie in the client area, which a frame moves away from the window's corner.
    POINT client{0, 0};
    ClientToScreen(window, &client);
    RECT frame;
    GetWindowRect(window, &frame);
    const int clientX = client.x - frame.left, clientY = client.y - frame.top;
    const bool skinned = SendMessageA(window, SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0) == 1;
    if (skinned)
        PrintSkinned(control, window, dc);
    else
        PrintPlain(window, dc, clientX, clientY);
    for (int i = 0; i < windowed->ControlCount(); ++i) {
        TControl* child = windowed->Controls(i);
        if (!child->IsWindowed() || !child->Visible()) continue;
        SavedDC saved(dc);
        OffsetViewportOrgEx(dc, clientX + child->Left(), clientY + child->Top(), nullptr);
        PaintAt(dc, child);
    }
}

}  // namespace

void PaintWindowTo(TBitmap32& bitmap, TControl* control, int x, int y, bool root) {
    HDC dc = Bitmap32DC(bitmap);
    if (!control || !dc) return;
    if (!root && control->Parent() && !control->Visible()) {
        FillWithParentBg(dc, control, x, y);
        GdiFlush();
        return;
    }
    {
        SavedDC saved(dc);
        OffsetViewportOrgEx(dc, x, y, nullptr);
        PaintAt(dc, control);
    }
    GdiFlush();
}

}  // namespace pakmole
