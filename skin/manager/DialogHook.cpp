#include "skin/manager/DialogHook.h"

#include <map>
#include <utility>

namespace pakmole {
namespace {

template <class Handler>
struct Handlers {
    int nextId = 1;
    std::map<int, Handler> byId;  // ids grow, so this is the order of adding
};

Handlers<TsWindowCreatingHandler>& CreatingHandlers() {
    static Handlers<TsWindowCreatingHandler> handlers;
    return handlers;
}

Handlers<TsWindowEventHandler>& EventHandlers() {
    static Handlers<TsWindowEventHandler> handlers;
    return handlers;
}

void TellEvent(int code, HWND window) {
    // A copy: a handler may add or remove handlers while it runs.
    const auto handlers = EventHandlers().byId;
    for (const auto& [id, handler] : handlers) {
        try {
            handler(code, window);
        } catch (...) {
            // Nothing may unwind through the system's window handling.
        }
    }
}

}  // namespace

int TsDialogHook::AddWindowCreatingHandler(TsWindowCreatingHandler handler) {
    auto& handlers = CreatingHandlers();
    const int id = handlers.nextId++;
    handlers.byId.emplace(id, std::move(handler));
    return id;
}

void TsDialogHook::RemoveWindowCreatingHandler(int id) { CreatingHandlers().byId.erase(id); }

int TsDialogHook::AddWindowEventHandler(TsWindowEventHandler handler) {
    auto& handlers = EventHandlers();
    const int id = handlers.nextId++;
    handlers.byId.emplace(id, std::move(handler));
    return id;
}

void TsDialogHook::RemoveWindowEventHandler(int id) { EventHandlers().byId.erase(id); }

bool TsDialogHook::Install() {
    if (!hook_) hook_ = SetWindowsHookExA(WH_CBT, &HookProcedure, nullptr, GetCurrentThreadId());
    return hook_ != nullptr;
}

void TsDialogHook::Remove() {
    if (!hook_) return;
    UnhookWindowsHookEx(std::exchange(hook_, nullptr));
    TellEvent(kHookRemoved, nullptr);
}

LRESULT CALLBACK TsDialogHook::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    // What happens to the new windows is the business of dialog skinning;
    // without its handler the hook only watches and passes every call on.
    // The next hook first: its answer is the one returned.
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HCBT_ACTIVATE || code == HCBT_DESTROYWND) TellEvent(code, reinterpret_cast<HWND>(wParam));
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
    return result;
}

}  // namespace pakmole
