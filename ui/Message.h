#pragma once
// A window message as it travels through a control's WindowProc chain, and the
// control notifications that later layers (skin states, adapters) react to.
#include <windows.h>

#include <functional>

namespace pakmole {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A replaceable message handler; code that chains in front of a control keeps
// the previous value and calls it for every message it does not consume.
using TWndMethod = std::function<void(TMessage&)>;

// Control notifications. They live above WM_APP's skin range (0xA100, 0xA400)
// so that no skin command can be mistaken for one.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;        // wParam virtual key; result 1 when handled
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;     // lParam: the newly focused TWinControl
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 8;   // wParam key; result 1 keeps Tab/Enter/Esc
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 11;
constexpr UINT CM_COLORCHANGED = CM_BASE + 12;
constexpr UINT CM_FONTCHANGED = CM_BASE + 13;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 14;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 15;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;      // lParam: the control (also sent to its parent)
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 22;  // wParam: the new visibility
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;  // wParam control, lParam 1 inserted / 0 removed
constexpr UINT CM_RELEASE = CM_BASE + 33;

// Notifications a parent reflects back to the child window they concern
// (WM_COMMAND from a button arrives at the button as CN_COMMAND).
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;

}  // namespace pakmole
