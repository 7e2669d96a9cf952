#pragma once
// The window-creation hook (WH_CBT) of the GUI thread, through which windows
// that the program does not create itself (message boxes, the file dialog)
// can be skinned as they appear.
#include <windows.h>

#include <functional>

namespace pakmole {

// Told about each window of the thread that is being created, before it
// receives its first message.
using TsWindowCreatingHandler = std::function<void(HWND window, const CREATESTRUCTA& create)>;
// Told of the other moments of a window's life that the hook sees
// (HCBT_ACTIVATE, HCBT_DESTROYWND), and, with the code kHookRemoved and no
// window, that the hook was taken away.
using TsWindowEventHandler = std::function<void(int code, HWND window)>;
constexpr int kHookRemoved = -1;

class TsDialogHook {
public:
    TsDialogHook() = default;
    ~TsDialogHook() { Remove(); }
    TsDialogHook(const TsDialogHook&) = delete;
    TsDialogHook& operator=(const TsDialogHook&) = delete;

    // Hooks the calling thread; false when the system refuses.
    bool Install();
    void Remove();
    bool Installed() const { return hook_ != nullptr; }

    // Dialog and menu skinning plug in here, each with a handler of its own,
    // called in the order they were added; with none, every window passes.
    // Answers the id that removes the handler again.
    static int AddWindowCreatingHandler(TsWindowCreatingHandler handler);
    static void RemoveWindowCreatingHandler(int id);
    static int AddWindowEventHandler(TsWindowEventHandler handler);
    static void RemoveWindowEventHandler(int id);

private:
    static LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_ = nullptr;
};

}  // namespace pakmole
