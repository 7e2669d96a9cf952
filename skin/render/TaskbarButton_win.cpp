#include "skin/render/TaskbarButton_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

#include "skin/render/SystemFunction_win.h"
#include "skin/render/TaskbarButtonRecord.h"

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

// Memory in another process, for the answers a control writes there. Made
// by this process, so its address fits this process's pointers.
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
    uint64_t Address() const { return reinterpret_cast<uintptr_t>(memory_); }

private:
    HANDLE process_;
    void* memory_;
};

using Wow64ReadMemoryProc = LONG(WINAPI*)(HANDLE, uint64_t, void*, uint64_t, uint64_t*);

// A 32-bit program reads a 64-bit shell's memory above 4 GB through the
// WOW64 layer's own call; there is none outside WOW64.
Wow64ReadMemoryProc Wow64ReadMemory() {
    static const auto proc = SystemFunction<Wow64ReadMemoryProc>("ntdll.dll", "NtWow64ReadVirtualMemory64");
    return proc;
}

// Reads size bytes at a shell address, which may lie beyond this process's pointers.
bool ReadShell(HANDLE process, uint64_t address, void* out, std::size_t size) {
    if (address <= std::numeric_limits<uintptr_t>::max()) {
        SIZE_T got = 0;
        return ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<uintptr_t>(address)), out, size,
                                 &got) &&
               got == size;
    }
    Wow64ReadMemoryProc read = Wow64ReadMemory();
    uint64_t got = 0;
    return read && read(process, address, out, size, &got) >= 0 && got == size;
}

// Memory access and the question whether it runs under WOW64; systems
// before Vista know only the full query right.
HANDLE OpenShell(DWORD processId) {
    constexpr DWORD kMemory = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;
    if (HANDLE shell = OpenProcess(kMemory | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId)) return shell;
    return OpenProcess(kMemory | PROCESS_QUERY_INFORMATION, FALSE, processId);
}

bool IsWow64(HANDLE process) {
    BOOL wow64 = FALSE;
    return IsWow64Process(process, &wow64) && wow64;
}

// The shell's pointers are 8 bytes on 64-bit Windows (this program being
// 64-bit, or a 32-bit one under WOW64), unless the shell itself runs under WOW64.
bool ShellIs64Bit(HANDLE shell) {
    const bool windows64 = sizeof(void*) == 8 || IsWow64(GetCurrentProcess());
    return windows64 && !IsWow64(shell);
}

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
    ProcessHandle process(OpenShell(processId));
    if (!process.Get()) return false;
    const bool shell64 = ShellIs64Bit(process.Get());
    const TTaskbarRecordLayout layout = TaskbarRecordLayout(shell64);
    RemoteBuffer buffer(process.Get(), std::max(layout.RecordSize, sizeof(RECT)));
    if (!buffer.Get()) return false;
    const uint32_t wanted = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window));
    const LRESULT count = SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (LRESULT i = 0; i < count && i < kMostButtons; ++i) {
        std::array<uint8_t, 32> record{};
        if (!SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.Get())) ||
            !ReadShell(process.Get(), buffer.Address(), record.data(), layout.RecordSize))
            continue;
        const std::optional<uint64_t> data =
            TaskbarRecordData(std::span(record).first(layout.RecordSize), shell64);
        if (!data || !*data) continue;
        std::array<uint8_t, 8> handle{};
        if (!ReadShell(process.Get(), *data, handle.data(), layout.HandleSize)) continue;
        if (TaskbarRecordWindow(std::span(handle).first(layout.HandleSize), shell64) != wanted) continue;
        if (!SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.Get())))
            return false;
        RECT r{};
        if (!ReadShell(process.Get(), buffer.Address(), &r, sizeof(r))) return false;
        MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&r), 2);
        button = r;
        return true;
    }
    return false;
}

}  // namespace pakmole
