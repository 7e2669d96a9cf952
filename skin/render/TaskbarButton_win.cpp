#include "skin/render/TaskbarButton_win.h"

#include <commctrl.h>

namespace pakmole {

namespace {

// A shell that answers more buttons than this is not believed.
constexpr LRESULT kMostButtons = 4096;

HWND TaskToolbar() {
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    HWND rebar = tray ? FindWindowExA(tray, nullptr, "ReBarWindow32", nullptr) : nullptr;
    HWND tasks = rebar ? FindWindowExA(rebar, nullptr, "MSTaskSwWClass", nullptr) : nullptr;
    return tasks ? FindWindowExA(tasks, nullptr, "ToolbarWindow32", nullptr) : nullptr;
}

class ProcessHandle {
public:
    explicit ProcessHandle(HANDLE handle) : handle_(handle) {}
    ~ProcessHandle() {
        if (handle_) CloseHandle(handle_);
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Memory in another process, for the answers a control writes there.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, SIZE_T size)
        : process_(process), memory_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBuffer() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    void* Get() const { return memory_; }
    template <class T>
    bool Read(const void* at, T& value) const {
        SIZE_T got = 0;
        return ReadProcessMemory(process_, at, &value, sizeof(value), &got) && got == sizeof(value);
    }

private:
    HANDLE process_;
    void* memory_;
};

}  // namespace

bool TaskbarRect(RECT& rect) {
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    return tray && GetWindowRect(tray, &rect);
}

bool FindTaskbarButton(HWND window, RECT& button) {
    HWND toolbar = TaskToolbar();
    if (!toolbar || !window) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(toolbar, &processId);
    ProcessHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process.Get()) return false;
    RemoteBuffer buffer(process.Get(), sizeof(TBBUTTON) + sizeof(RECT));
    if (!buffer.Get()) return false;
    const LRESULT count = SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (LRESULT i = 0; i < count && i < kMostButtons; ++i) {
        TBBUTTON info{};
        if (!SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.Get())) ||
            !buffer.Read(buffer.Get(), info) || !info.dwData)
            continue;
        HWND owner = nullptr;
        if (!buffer.Read(reinterpret_cast<const void*>(info.dwData), owner) || owner != window) continue;
        if (!SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.Get())))
            return false;
        RECT r{};
        if (!buffer.Read(buffer.Get(), r)) return false;
        MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&r), 2);
        button = r;
        return true;
    }
    return false;
}

}  // namespace pakmole
