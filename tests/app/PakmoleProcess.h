#pragma once
// Runs pakmole.exe as a separate process and reads and works its windows
// from outside, the way a user (or a script) meets the program.
#include <windows.h>

#include <string>
#include <vector>

namespace pakmole::test {

class PakmoleProcess {
public:
    // Starts the program next to the build's root with the arguments, each
    // passed as one quoted argument.
    explicit PakmoleProcess(const std::vector<std::string>& arguments);
    ~PakmoleProcess();
    PakmoleProcess(const PakmoleProcess&) = delete;
    PakmoleProcess& operator=(const PakmoleProcess&) = delete;

    // The main window (class "TForm1"), once it is there; nullptr after timeoutMs.
    HWND MainWindow(int timeoutMs = 10000);
    // A visible top-level window of the process with the class, waited for.
    HWND WaitForWindow(const std::string& className, int timeoutMs = 10000);
    // Any visible top-level window of the process with the class, now.
    HWND FindWindowOfClass(const std::string& className) const;
    // A child of parent with the class (and the text, when given).
    static HWND FindChild(HWND parent, const std::string& className, const std::string& text = "");

    // Waits for the end; answers the exit code, or -1 when it did not end in time.
    int WaitForExit(int timeoutMs = 30000);
    bool Running() const;

private:
    PROCESS_INFORMATION info_{};
};

std::string WindowText(HWND window);
// Clicks a button through its window (works across processes).
void ClickButton(HWND button);
// The text of a message form ("TMessageForm"), read through its Ctrl+C copy.
std::string MessageFormText(HWND form);
// Closes a message form or message box with its OK button.
void DismissWithOk(HWND box);

}  // namespace pakmole::test
