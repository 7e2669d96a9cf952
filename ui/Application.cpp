#include "ui/Application.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/CustomForm.h"
#include "ui/Screen.h"
#include "ui/WindowClasses.h"

namespace pakmole {

namespace {
TApplication* theApplication = nullptr;
}

TApplication* Application() { return theApplication; }

TApplication::TApplication() : TComponent(nullptr) {
    if (!theApplication) theApplication = this;
}

TApplication::~TApplication() {
    // Forms go first, while the application they ask for still exists.
    DestroyComponents();
    if (handle_) {
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
    if (theApplication == this) theApplication = nullptr;
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    if (handle_) return;
    RegisterControlClass("TApplication", "", 0, WindowProcedure);
    // A window of no size in the middle of the screen: never seen itself, it
    // gives the program its task-bar button under the title.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    handle_ = CreateWindowExA(0, "TApplication", title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                              0, 0, nullptr, nullptr, ModuleInstance(), nullptr);
    if (handle_) SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) SetWindowTextA(handle_, title.c_str());
}

void TApplication::Minimize() {
    if (!handle_ || IsIconic(handle_)) return;
    if (OnMinimizing) OnMinimizing(this);
    // The forms are owned windows: they leave the screen with their owner.
    ShowOwnedPopups(handle_, FALSE);
    ShowWindow(handle_, SW_MINIMIZE);
}

void TApplication::Restore() {
    if (!handle_ || !IsIconic(handle_)) return;
    ShowWindow(handle_, SW_RESTORE);
    if (OnRestoring)
        OnRestoring([this] { BringFormsBack(); });
    else
        BringFormsBack();
}

void TApplication::BringFormsBack() {
    // The forms that left with the application come back with it.
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TCustomForm* form = Screen().Forms(i);
        if (form->HandleAllocated()) form->Perform(WM_SHOWWINDOW, TRUE, SW_PARENTOPENING);
    }
    if (mainForm_ && mainForm_->Visible()) SetActiveWindow(mainForm_->Handle());
    if (OnRestore) OnRestore(this);
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!app) return DefWindowProcA(window, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        app->ApplicationMessage(msg, wParam, lParam, result);
    } catch (...) {
        app->HandleException(app);
    }
    return result;
}

void TApplication::ApplicationMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            Minimize();
            return;
        }
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            Restore();
            return;
        }
        break;
    case WM_CLOSE:
        // Closing the task-bar button closes the main form.
        if (mainForm_) mainForm_->Close();
        return;
    case WM_SETFOCUS:
    case WM_ACTIVATE:
        // The application's window is never where the user works: hand the
        // activation on to the main form (or the modal form on top of it).
        if ((msg == WM_SETFOCUS || LOWORD(wParam) != WA_INACTIVE) && !IsIconic(handle_)) {
            HWND target = nullptr;
            if (TCustomForm* active = Screen().ActiveForm()) target = active->Handle();
            if (!target && mainForm_ && mainForm_->Visible()) target = mainForm_->Handle();
            if (target && IsWindowEnabled(target)) SetActiveWindow(target);
            return;
        }
        break;
    default:
        break;
    }
    result = DefWindowProcA(handle_, msg, wParam, lParam);
}

void TApplication::FormDestroying(TCustomForm* form) {
    if (form == mainForm_) mainForm_ = nullptr;
}

void TApplication::Run() {
    if (handle_) ShowWindow(handle_, SW_SHOWNORMAL);
    if (mainForm_ && !mainForm_->Visible()) {
        try {
            mainForm_->Show();
        } catch (...) {
            HandleException(this);
        }
    }
    while (!terminated_) HandleMessage();
}

bool TApplication::IsDialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    if (msg.wParam != VK_TAB && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE) return false;
    TWinControl* control = nullptr;
    for (HWND window = msg.hwnd; window && !control; window = GetParent(window))
        control = TWinControl::FindControl(window);
    if (!control) return false;
    if (control->Perform(CM_WANTSPECIALKEY, msg.wParam, msg.lParam) != 0) return false;
    TCustomForm* form = GetParentForm(control);
    return form && form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
}

void TApplication::Dispatch(MSG& msg) {
    try {
        if (IsDialogKey(msg)) return;
    } catch (...) {
        HandleException(this);
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool TApplication::ProcessMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    Dispatch(msg);
    return true;
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        terminated_ = true;
        return;
    }
    Dispatch(msg);
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(exitCode_);
}

void TApplication::HandleException(TObject* sender) {
    std::exception_ptr error = std::current_exception();
    if (!error) return;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        Report(sender, e);
    } catch (...) {
        Report(sender, std::runtime_error("Unknown error"));
    }
}

void TApplication::Report(TObject* sender, const std::exception& error) {
    if (OnException)
        OnException(sender, error);
    else
        ShowException(error.what());
}

void TApplication::ShowException(const std::string& message) {
    HWND owner = GetActiveWindow();
    if (!owner && mainForm_ && mainForm_->HandleAllocated()) owner = mainForm_->Handle();
    MessageBoxA(owner, message.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace pakmole
