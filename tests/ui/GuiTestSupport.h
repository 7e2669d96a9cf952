#pragma once
// Helpers for tests that drive real windows in this process: an application
// whose errors are recorded instead of shown, message pumping with a time
// limit, and a hand on the modal dialogs a test opens.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Application.h"

namespace pakmole::test {

// An application for one test; errors reaching its handler are collected.
class RecordingApplication {
public:
    RecordingApplication();
    ~RecordingApplication();
    TApplication& App() { return *app_; }
    const std::vector<std::string>& Errors() const { return errors_; }

private:
    std::unique_ptr<TApplication> app_;
    std::vector<std::string> errors_;
};

// Handles messages until done() holds or timeoutMs pass; answers done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
void PumpFor(int milliseconds);

// Watches, while alive, for a top-level dialog (class "#32770") of this thread
// and hands the first one to act, once. act typically fills in and closes it.
class DialogWatcher {
public:
    explicit DialogWatcher(std::function<void(HWND)> act);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    bool Seen() const { return seen_; }
    const std::string& Caption() const { return caption_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::function<void(HWND)> act_;
    UINT_PTR timer_ = 0;
    bool seen_ = false;
    std::string caption_;
};

// The file name box of a file dialog, and its buttons.
std::string FileDialogName(HWND dialog);
void SetFileDialogName(HWND dialog, const std::string& name);
void PressDialogButton(HWND dialog, int id);  // IDOK or IDCANCEL
// The text of the first static control of a message box.
std::string MessageBoxText(HWND dialog);

}  // namespace pakmole::test
