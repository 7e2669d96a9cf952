#include "tests/app/PakmoleProcess.h"

#include <stdexcept>

namespace pakmole::test {

std::string BuiltProgramPath() {
    char self[MAX_PATH * 4] = {};
    GetModuleFileNameA(nullptr, self, sizeof(self));
    std::string path = self;
    // <build>/tests/app/<test>.exe -> <build>/pakmole.exe
    for (int up = 0; up < 3; ++up) path = path.substr(0, path.find_last_of("\\/"));
    return path + "\\pakmole.exe";
}

namespace {

struct Search {
    DWORD pid;
    std::string className;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window)) return TRUE;
    char name[128] = {};
    GetClassNameA(window, name, sizeof(name));
    if (search->className == name) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

CapturedStream::CapturedStream() {
    char folder[MAX_PATH] = {}, name[MAX_PATH] = {};
    GetTempPathA(sizeof(folder), folder);
    if (!GetTempFileNameA(folder, "pkm", 0, name)) throw std::runtime_error("no temporary file");
    path_ = name;
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    handle_ = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path_);
}

CapturedStream::~CapturedStream() {
    CloseHandle(handle_);
    DeleteFileA(path_.c_str());
}

std::string CapturedStream::Text() const {
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

PakmoleProcess::PakmoleProcess(const std::vector<std::string>& arguments, Streams streams,
                               const std::string& programPath) {
    const std::string program = programPath.empty() ? BuiltProgramPath() : programPath;
    std::string commandLine = "\"" + program + "\"";
    for (const std::string& a : arguments) commandLine += " \"" + a + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    const bool captured = streams == Streams::Captured;
    if (captured) {
        output_ = std::make_unique<CapturedStream>();
        errors_ = std::make_unique<CapturedStream>();
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output_->Handle();
        startup.hStdError = errors_->Handle();
    }
    // No handles, and detached from this program's console.
    if (streams == Streams::FromDesktop) startup.dwFlags = STARTF_USESTDHANDLES;
    const DWORD flags = streams == Streams::FromDesktop ? DETACHED_PROCESS : 0;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, captured ? TRUE : FALSE, flags,
                        nullptr, nullptr, &startup, &info_))
        throw std::runtime_error("cannot start " + program);
    WaitForInputIdle(info_.hProcess, 10000);
}

PakmoleProcess::~PakmoleProcess() {
    if (Running()) {
        // A test that failed half-way must not leave its program behind.
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool PakmoleProcess::Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

HWND PakmoleProcess::FindWindowOfClass(const std::string& className) const {
    Search search{info_.dwProcessId, className, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND PakmoleProcess::WaitForWindow(const std::string& className, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (static_cast<int>(GetTickCount() - start) < timeoutMs) {
        if (HWND window = FindWindowOfClass(className)) return window;
        if (!Running()) return nullptr;
        Sleep(20);
    }
    return nullptr;
}

HWND PakmoleProcess::MainWindow(int timeoutMs) { return WaitForWindow("TForm1", timeoutMs); }

HWND PakmoleProcess::FindChild(HWND parent, const std::string& className, const std::string& text) {
    for (HWND child = FindWindowExA(parent, nullptr, className.c_str(), nullptr); child;
         child = FindWindowExA(parent, child, className.c_str(), nullptr))
        if (text.empty() || WindowText(child) == text) return child;
    return nullptr;
}

int PakmoleProcess::WaitForExit(int timeoutMs) {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

std::string WindowText(HWND window) {
    char text[2048] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

std::string MessageFormText(HWND form) {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    SetForegroundWindow(form);
    for (int i = 0; i < 50 && GetForegroundWindow() != form; ++i) Sleep(20);
    INPUT keys[4] = {};
    const WORD codes[4] = {VK_CONTROL, 'C', 'C', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.dwFlags = (i >= 2) ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, keys, sizeof(INPUT));
    std::string copied;
    for (int i = 0; i < 100 && copied.empty(); ++i) {
        Sleep(20);
        if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(nullptr)) continue;
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const char* text = static_cast<const char*>(GlobalLock(data))) {
                copied = text;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    // The copy is rule, caption, rule, text, rule, buttons, rule.
    const std::string rule = "---------------------------\r\n";
    std::vector<std::string> blocks;
    size_t at = 0;
    while (true) {
        const size_t next = copied.find(rule, at);
        if (next == std::string::npos) break;
        blocks.push_back(copied.substr(at, next - at));
        at = next + rule.size();
    }
    if (blocks.size() < 3) return "";
    std::string text = blocks[2];
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

void DismissWithOk(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) ok = PakmoleProcess::FindChild(box, "TButton", "OK");
    if (!ok) ok = PakmoleProcess::FindChild(box, "Button", "OK");
    if (ok)
        ClickButton(ok);
    else
        PostMessageA(box, WM_CLOSE, 0, 0);
}

void ClickEditButton(HWND edit) {
    RECT client;
    GetClientRect(edit, &client);
    const LPARAM onButton = MAKELPARAM(client.right - 9, client.bottom / 2);
    PostMessageA(edit, WM_MOUSEMOVE, 0, onButton);
    PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
    PostMessageA(edit, WM_LBUTTONUP, 0, onButton);
}

}  // namespace pakmole::test
