#include "tests/ui/GuiTestSupport.h"

#include <map>

namespace pakmole::test {

RecordingApplication::RecordingApplication() : app_(std::make_unique<TApplication>()) {
    app_->Initialize();
    app_->SetTitle("Test");
    app_->OnException = [this](TObject*, const std::exception& e) { errors_.push_back(e.what()); };
}

RecordingApplication::~RecordingApplication() = default;

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!done()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpFor(int milliseconds) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return static_cast<int>(GetTickCount() - start) >= milliseconds; },
              milliseconds + 1000);
}

namespace {
std::map<UINT_PTR, DialogWatcher*>& Watchers() {
    static std::map<UINT_PTR, DialogWatcher*> watchers;
    return watchers;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM result) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (IsWindowVisible(window) && std::string(name) == "#32770") {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

DialogWatcher::DialogWatcher(std::function<void(HWND)> act) : act_(std::move(act)) {
    timer_ = SetTimer(nullptr, 0, 150, Tick);
    Watchers()[timer_] = this;
}

DialogWatcher::~DialogWatcher() {
    KillTimer(nullptr, timer_);
    Watchers().erase(timer_);
}

void CALLBACK DialogWatcher::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Watchers().find(id);
    if (it == Watchers().end() || it->second->seen_) return;
    DialogWatcher* self = it->second;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    self->seen_ = true;
    char caption[256] = {};
    GetWindowTextA(dialog, caption, sizeof(caption));
    self->caption_ = caption;
    self->act_(dialog);
}

namespace {
constexpr int kFileNameCombo = 0x47c;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1
}  // namespace

std::string FileDialogName(HWND dialog) {
    char text[1024] = {};
    if (!GetDlgItemTextA(dialog, kFileNameCombo, text, sizeof(text)))
        GetDlgItemTextA(dialog, kFileNameEdit, text, sizeof(text));
    return text;
}

void SetFileDialogName(HWND dialog, const std::string& name) {
    if (!SetDlgItemTextA(dialog, kFileNameCombo, name.c_str()))
        SetDlgItemTextA(dialog, kFileNameEdit, name.c_str());
}

void PressDialogButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string MessageBoxText(HWND dialog) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, 0xFFFF, text, sizeof(text));
    return text;
}

}  // namespace pakmole::test
