#include "skin/manager/DialogHook.h"

#include <utility>

namespace pakmole {
namespace {

TsWindowCreatingHandler& CreatingHandler() {
    static TsWindowCreatingHandler handler;
    return handler;
}

}  // namespace

TsWindowCreatingHandler TsDialogHook::SetWindowCreatingHandler(TsWindowCreatingHandler handler) {
    return std::exchange(CreatingHandler(), std::move(handler));
}

bool TsDialogHook::Install() {
    if (!hook_) hook_ = SetWindowsHookExA(WH_CBT, &HookProcedure, nullptr, GetCurrentThreadId());
    return hook_ != nullptr;
}

void TsDialogHook::Remove() {
    if (hook_) UnhookWindowsHookEx(std::exchange(hook_, nullptr));
}

LRESULT CALLBACK TsDialogHook::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    // What happens to the new windows is the business of dialog skinning;
    // without its handler the hook only watches and passes every call on.
    if (code == HCBT_CREATEWND && CreatingHandler()) {
        const auto* info = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        try {
            if (info && info->lpcs) CreatingHandler()(reinterpret_cast<HWND>(wParam), *info->lpcs);
        } catch (...) {
            // Nothing may unwind through the system's window creation; the
            // window is then simply left as the system makes it.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace pakmole
