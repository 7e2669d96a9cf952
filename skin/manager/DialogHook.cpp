#include "skin/manager/DialogHook.h"

#include <map>
#include <utility>

namespace pakmole {
namespace {

struct Handlers {
    int nextId = 1;
    std::map<int, TsWindowCreatingHandler> byId;  // ids grow, so this is the order of adding
};

Handlers& CreatingHandlers() {
    static Handlers handlers;
    return handlers;
}

}  // namespace

int TsDialogHook::AddWindowCreatingHandler(TsWindowCreatingHandler handler) {
    Handlers& handlers = CreatingHandlers();
    const int id = handlers.nextId++;
    handlers.byId.emplace(id, std::move(handler));
    return id;
}

void TsDialogHook::RemoveWindowCreatingHandler(int id) { CreatingHandlers().byId.erase(id); }

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
    const auto* info = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    if (code == HCBT_CREATEWND && info && info->lpcs) {
        // A copy: a handler may add or remove handlers while it runs.
        const auto handlers = CreatingHandlers().byId;
        for (const auto& [id, handler] : handlers) {
            try {
                handler(reinterpret_cast<HWND>(wParam), *info->lpcs);
            } catch (...) {
                // Nothing may unwind through the system's window creation; the
                // window is then simply left as the system makes it.
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace pakmole
