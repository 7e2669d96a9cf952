#pragma once
// The application object: title, main form, message loop, and the default
// handler that shows every error escaping an event handler and carries on.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "ui/Component.h"

namespace pakmole {

class TCustomForm;

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // Common controls, once per process, and the application's own window.
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    // The application's window: it carries the title on the task bar and owns
    // the forms (nullptr before Initialize).
    HWND Handle() const { return handle_; }
    void Minimize();
    void Restore();
    // The main form's way to the taskbar and back may be animated. OnMinimizing
    // runs while the forms are still on the screen. OnRestoring, when set, is
    // handed the step that brings the forms back and calls it when its
    // animation ends; OnRestore runs once they are back.
    TNotifyEvent OnMinimizing;
    std::function<void(std::function<void()> bringBack)> OnRestoring;
    TNotifyEvent OnRestore;

    TCustomForm* MainForm() const { return mainForm_; }
    // Creates a form owned by the application; the first one becomes the main form.
    template <class T>
    T* CreateForm() {
        T* form = new T(this);
        if (!mainForm_) mainForm_ = form;
        return form;
    }

    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles every message waiting now, then returns.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Call from a catch block: the error (any error, known type or not) goes to
    // OnException, or its message is shown in a message box captioned with the
    // title.
    void HandleException(TObject* sender);
    void ShowException(const std::string& message);
    TExceptionEvent OnException;

    int ExitCode() const { return exitCode_; }
    void SetExitCode(int code) { exitCode_ = code; }

    // Told by a form on its way out.
    void FormDestroying(TCustomForm* form);

private:
    static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    void ApplicationMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool ProcessMessage();
    void BringFormsBack();
    void Dispatch(MSG& msg);
    bool IsDialogKey(const MSG& msg);
    void Report(TObject* sender, const std::exception& error);

    std::string title_;
    HWND handle_ = nullptr;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int exitCode_ = 0;
};

// The application of the process (nullptr before one is made).
TApplication* Application();

}  // namespace pakmole
