#pragma once
// Runs pakmole.exe as a separate process and reads and works its windows
// from outside, the way a user (or a script) meets the program.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace pakmole::test {

// A file that a started program gets as its standard output or error, the way
// a script's redirection hands one down; read back once the program ended.
class CapturedStream {
public:
    CapturedStream();
    ~CapturedStream();
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;
    HANDLE Handle() const { return handle_; }
    std::string Text() const;

private:
    std::string path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// What the started program gets as its standard streams: what Windows hands
// a program by default, files as a script's redirection hands them down, or
// nothing at all and no console to attach to, as when Explorer starts it (a
// pak dropped on the program).
enum class Streams { Default, Captured, FromDesktop };

class PakmoleProcess {
public:
    // Starts the program next to the build's root with the arguments, each
    // passed as one quoted argument. With captureOutput, its standard output
    // and error go to files, read with Output() and Errors(). A program path
    // starts that copy of the program instead.
    explicit PakmoleProcess(const std::vector<std::string>& arguments, bool captureOutput = false,
                            const std::string& programPath = "")
        : PakmoleProcess(arguments, captureOutput ? Streams::Captured : Streams::Default, programPath) {}
    PakmoleProcess(const std::vector<std::string>& arguments, Streams streams, const std::string& programPath = "");
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

    // What the program wrote so far (all of it once it ended).
    std::string Output() const { return output_ ? output_->Text() : ""; }
    std::string Errors() const { return errors_ ? errors_->Text() : ""; }

private:
    std::unique_ptr<CapturedStream> output_;
    std::unique_ptr<CapturedStream> errors_;
    PROCESS_INFORMATION info_{};
};

std::string WindowText(HWND window);
// Clicks a button through its window (works across processes).
void ClickButton(HWND button);
// The text of a message form ("TMessageForm"), read through its Ctrl+C copy.
std::string MessageFormText(HWND form);
// The program the tests start, beside the build's root.
std::string BuiltProgramPath();
// Closes a message form or message box with its OK button.
void DismissWithOk(HWND box);
// Clicks the button at the right edge of the file-name edit (it opens the file dialog).
void ClickEditButton(HWND edit);

}  // namespace pakmole::test
