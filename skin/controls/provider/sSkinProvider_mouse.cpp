// The frame's messages: non-client painting and activation, the hit test,
// and the title buttons' hot and pressed looks under the mouse.
#include <windowsx.h>

#include "skin/controls/frame/sSystemMenuRules.h"
#include "skin/controls/menus/sSkinableMenus.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/controls/provider/sSystemMenu.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/WindowAnimation_win.h"
#include "ui/CustomForm.h"

namespace pakmole {

namespace {

WPARAM CommandOf(int button, HWND window) {
    switch (button) {
    case tbClose: return SC_CLOSE;
    case tbMax: return IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE;
    case tbMin: return IsIconic(window) ? SC_RESTORE : SC_MINIMIZE;
    default: return SC_CONTEXTHELP;
    }
}

// The window's own system menu, its entries enabled or greyed as the
// skinned one would be, for when popup menus are not skinned.
UINT TrackOwnSystemMenu(HWND window, const TsSysMenuItems& items, POINT at) {
    HMENU own = GetSystemMenu(window, FALSE);
    if (!own) return 0;
    const std::pair<UINT, TsSysMenuItemState> entries[] = {{SC_RESTORE, items.Restore},   {SC_MOVE, items.Move},
                                                           {SC_SIZE, items.Size},         {SC_MINIMIZE, items.Minimize},
                                                           {SC_MAXIMIZE, items.Maximize}, {SC_CLOSE, items.Close}};
    for (const auto& [command, state] : entries)
        EnableMenuItem(own, command, MF_BYCOMMAND | (state.Enabled ? MF_ENABLED : MF_GRAYED));
    // Without its visible bit the platform does not repaint the caption
    // over the skin's while the menu is open.
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    SetWindowLongA(window, GWL_STYLE, style & ~WS_VISIBLE);
    const UINT command =
        static_cast<UINT>(TrackPopupMenu(own, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr));
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | (style & WS_VISIBLE));
    return command;
}

}  // namespace

POINT TsSkinProvider::SysMenuPoint() {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    if (frameStale_) UpdateLayout();
    return POINT{window.left + layout_.IconRect.Left, window.top + layout_.StripBottom};
}

void TsSkinProvider::DropSysMenu(POINT screen) {
    if (!form_->HandleAllocated()) return;
    const HWND h = form_->Handle();
    TsSkinManager* manager = SkinManager();
    if (!manager || !manager->SkinnedPopups()) {
        if (const UINT command = TrackOwnSystemMenu(h, SysMenuItemsOf(FrameFacts()), screen))
            PostMessageA(h, WM_SYSCOMMAND, command, 0);
        return;
    }
    if (!sysMenu_) sysMenu_ = new TsSystemMenu(this);
    sysMenu_->UpdateItems();
    TsSkinableMenus::Of(manager)->HookMenu(*sysMenu_, manager->Active() && manager->SkinApplied());
    sysMenu_->PopupWindow = h;
    SetHotButton(-1);
    sysMenu_->Popup(screen.x, screen.y);
}

int TsSkinProvider::HitTestScreen(POINT screen) {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    if (frameStale_) UpdateLayout();
    const TsFrameFacts facts = FrameFacts();
    // The grip sizes only a window that can be sized.
    const RECT grip = facts.ThickFrame && !facts.Maximized() ? GripRect() : RECT{};
    return FrameHitTest(layout_, facts, screen.x - window.left, screen.y - window.top,
                        TRect32{grip.left, grip.top, grip.right, grip.bottom});
}

void TsSkinProvider::SetButtonState(int button, int state) {
    if (button < 0 || button >= tbCount + static_cast<int>(userButtonState_.size()) || StateOf(button) == state)
        return;
    StateOf(button) = state;
    // The form's own buttons change at once; the system ones may fade.
    if (button < tbCount && AnimatesButtons() && !frameStale_ && IsWindowVisible(form_->Handle())) {
        AnimateButton(button, state);
        return;
    }
    TBitmap32* image = skinData_->CacheBitmap.get();
    // A stale picture is painted whole, buttons included, at the next frame paint.
    if (frameStale_ || !image || image->Empty() || !IsWindowVisible(form_->Handle())) return;
    PaintTitleButton(*image, button);
    CopyButtonToWindow(button);
}

void TsSkinProvider::SetHotButton(int button) {
    if (button == hotButton_) return;
    const int old = hotButton_;
    hotButton_ = button;
    SetButtonState(old, 0);
    SetButtonState(button, 1);
}

void TsSkinProvider::ReleasePressedButton() {
    const int button = pressedButton_;
    pressedButton_ = -1;
    const HWND h = form_->Handle();
    if (GetCapture() == h) ReleaseCapture();
    POINT cursor;
    GetCursorPos(&cursor);
    // Released elsewhere than on the button it pressed: nothing happens.
    const bool over = TitleButtonOfHit(HitTestScreen(cursor)) == button;
    hotButton_ = -1;
    SetButtonState(button, 0);
    if (button >= tbCount) {
        // Last: the handler may free the form, and this provider with it.
        const int index = button - tbCount;
        if (over && index < titleButtons_.Count() && titleButtons_.Items(index).OnMouseUp)
            titleButtons_.Items(index).OnMouseUp(&titleButtons_.Items(index));
        return;
    }
    // Posted: the command may free the form, and this provider with it.
    if (over) PostMessageA(h, WM_SYSCOMMAND, CommandOf(button, h), MAKELPARAM(cursor.x, cursor.y));
}

bool TsSkinProvider::HandleFrameMessage(TMessage& m, const TWndMethod& previous) {
    if (!PaintsFrame()) return false;
    const HWND h = form_->Handle();
    switch (m.Msg) {
    case WM_NCPAINT:
        // While a picture of the window stands for it, the frame waits.
        if (IsWindowVisible(h) && !AnimationInProgress()) {
            UpdateRegion();
            if (RenderFrame()) CopyFrameToWindow();
        }
        m.Result = 0;
        return true;
    case WM_NCACTIVATE: {
        formActive_ = m.WParam != 0;
        frameStale_ = true;
        // -1: the platform keeps its own caption unpainted.
        TMessage quiet = m;
        quiet.LParam = -1;
        previous(quiet);
        m.Result = quiet.Result;
        if (IsWindowVisible(h) && RenderFrame()) CopyFrameToWindow();
        return true;
    }
    case WM_SETTEXT:
    case WM_SETICON:
        captionGlow_ = {};
        CallUnseen(previous, m);
        return true;
    case WM_NCHITTEST:
        m.Result = HitTestScreen(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        return true;
    case WM_NCMOUSEMOVE: {
        const int button = TitleButtonOfHit(static_cast<int32_t>(m.WParam));
        if (pressedButton_ < 0) SetHotButton(button);
        if (button < 0) return false;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, h, 0};
        TrackMouseEvent(&track);
        m.Result = 0;
        return true;
    }
    case WM_NCMOUSELEAVE:
        if (pressedButton_ < 0) SetHotButton(-1);
        return false;
    case WM_MOUSELEAVE:
        // Also the word of a title button's fade that the pointer has gone.
        if (pressedButton_ < 0 && hotButton_ >= 0) {
            POINT cursor;
            GetCursorPos(&cursor);
            if (TitleButtonOfHit(HitTestScreen(cursor)) != hotButton_) SetHotButton(-1);
        }
        return false;
    case WM_MOUSEMOVE:
        if (pressedButton_ >= 0 && (m.WParam & MK_LBUTTON) == 0) {
            // The release went elsewhere (the system can lose it with a
            // window that had the press): let go now, no command.
            m.Result = 0;
            ReleasePressedButton();
            return true;
        }
        if (pressedButton_ >= 0) {
            // Held down: pressed while over its button, normal elsewhere.
            POINT cursor;
            GetCursorPos(&cursor);
            SetButtonState(pressedButton_, TitleButtonOfHit(HitTestScreen(cursor)) == pressedButton_ ? 2 : 0);
            m.Result = 0;
            return true;
        }
        SetHotButton(-1);
        return false;
    case WM_NCRBUTTONDOWN:
        // The menu comes with the release.
        if (m.WParam != HTCAPTION && m.WParam != HTSYSMENU) return false;
        m.Result = 0;
        return true;
    case WM_NCRBUTTONUP:
        if (m.WParam != HTCAPTION && m.WParam != HTSYSMENU) return false;
        m.Result = 0;
        DropSysMenu(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        return true;
    case WM_SYSCOMMAND:
        // Alt+Space.
        if ((m.WParam & 0xFFF0) != SC_KEYMENU || m.LParam != ' ') return false;
        m.Result = 0;
        DropSysMenu(SysMenuPoint());
        return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        if (m.WParam == HTSYSMENU) {
            m.Result = 0;
            // A double click on the icon closes the window.
            if (m.Msg == WM_NCLBUTTONDBLCLK)
                PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                DropSysMenu(SysMenuPoint());
            return true;
        }
        // A double click on a title button is a second press of it.
        const int button = TitleButtonOfHit(static_cast<int32_t>(m.WParam));
        if (button < 0) return false;
        pressedButton_ = button;
        hotButton_ = button;
        SetButtonState(button, 2);
        SetCapture(h);
        m.Result = 0;
        if (const int index = button - tbCount; index >= 0 && index < titleButtons_.Count() &&
                                                  titleButtons_.Items(index).OnMouseDown)
            titleButtons_.Items(index).OnMouseDown(&titleButtons_.Items(index));
        return true;
    }
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
        if (pressedButton_ < 0) return false;
        m.Result = 0;
        ReleasePressedButton();
        return true;
    case WM_CAPTURECHANGED:
        if (pressedButton_ >= 0 && reinterpret_cast<HWND>(m.LParam) != h) {
            const int button = pressedButton_;
            pressedButton_ = hotButton_ = -1;
            SetButtonState(button, 0);
        }
        return false;
    case WM_SIZE:
        previous(m);
        frameStale_ = regionStale_ = true;
        captionGlow_ = {};
        if (IsWindowVisible(h)) {
            UpdateRegion();
            // The client area shows the window image too (the grip moves with the corner).
            RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
        }
        return true;
    case WM_SHOWWINDOW:
        // The corners are cut before the window is first seen.
        if (m.WParam) UpdateRegion();
        return false;
    default:
        return false;
    }
}

}  // namespace pakmole
