#pragma once
// A stand-in of the shell's task switch toolbar in this process
// (Shell_TrayWnd, ReBarWindow32, MSTaskSwWClass, ToolbarWindow32 at the
// bottom of a 1280 x 800 screen, its top at 760), with one button for each
// of three windows, whose data holds the window first as the shell's does.
#include <windows.h>

#include <commctrl.h>

#include <array>

namespace pakmole::test {

inline HWND MakeWindow(const char* className, HWND parent, int x, int y, int w, int h) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);  // fails harmlessly when made before
    return CreateWindowExA(0, className, "", parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, x, y, w, h, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// What the shell keeps behind each button: the window first.
struct ButtonRecord {
    HWND Window;
    int Other;
};

class StandInTaskbar {
public:
    explicit StandInTaskbar(const std::array<HWND, 3>& windows) {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_COOL_CLASSES};
        InitCommonControlsEx(&controls);
        tray_ = MakeWindow("Shell_TrayWnd", nullptr, 0, 760, 1280, 40);
        HWND rebar = CreateWindowExA(0, "ReBarWindow32", "", WS_CHILD | WS_VISIBLE, 0, 0, 1200, 40, tray_, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        HWND tasks = MakeWindow("MSTaskSwWClass", rebar, 40, 0, 1100, 40);
        toolbar_ = CreateWindowExA(0, "ToolbarWindow32", "", WS_CHILD | WS_VISIBLE | CCS_NORESIZE | TBSTYLE_LIST,
                                   10, 2, 1000, 36, tasks, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageA(toolbar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(150, 30));
        std::array<TBBUTTON, 3> buttons{};
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            records_[i] = ButtonRecord{windows[i], static_cast<int>(i)};
            buttons[i].iBitmap = I_IMAGENONE;
            buttons[i].idCommand = static_cast<int>(100 + i);
            buttons[i].fsState = TBSTATE_ENABLED;
            buttons[i].fsStyle = BTNS_BUTTON;
            buttons[i].dwData = reinterpret_cast<DWORD_PTR>(&records_[i]);
        }
        // A button without data, as separators have, is passed over.
        TBBUTTON separator{};
        separator.fsStyle = BTNS_SEP;
        SendMessageA(toolbar_, TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&separator));
        SendMessageA(toolbar_, TB_ADDBUTTONS, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    }
    ~StandInTaskbar() { DestroyWindow(tray_); }
    RECT ButtonOnScreen(int index) const {
        RECT r{};
        SendMessageA(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(index + 1), reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    HWND Tray() const { return tray_; }

private:
    HWND tray_ = nullptr;
    HWND toolbar_ = nullptr;
    std::array<ButtonRecord, 3> records_{};
};

}  // namespace pakmole::test
