#pragma once
// Where the shell shows a window's taskbar button: the shell tray's task
// switch toolbar (Shell_TrayWnd, ReBarWindow32, MSTaskSwWClass,
// ToolbarWindow32) is walked and each button's data, which lives in the
// shell's process and starts with the window the button stands for, is read
// there, in the shell's own record layout (a 32-bit program on 64-bit
// Windows reads a 64-bit shell's records). Without a tray (Wine has none)
// there is no button.
#include <windows.h>

namespace pakmole {

// The taskbar's window rectangle; false when there is no taskbar.
bool TaskbarRect(RECT& rect);
// The screen rectangle of window's taskbar button; false when none is found.
bool FindTaskbarButton(HWND window, RECT& button);

}  // namespace pakmole
