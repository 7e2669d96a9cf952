#include "app/ParentConsole.h"

#include <windows.h>

namespace pakmole {

namespace {
HANDLE StandardStream() {
    for (DWORD which : {STD_ERROR_HANDLE, STD_OUTPUT_HANDLE}) {
        HANDLE h = GetStdHandle(which);
        if (h && h != INVALID_HANDLE_VALUE) return h;
    }
    return nullptr;
}
}  // namespace

void* ParentConsole::Output() {
    if (looked_) return output_;
    looked_ = true;
    output_ = StandardStream();
    // Attaching sets the standard handles to the console's. (Opening
    // "CONOUT$" instead, with no console to attach to, brings Wine 8 down.)
    if (!output_ && AttachConsole(ATTACH_PARENT_PROCESS)) output_ = StandardStream();
    return output_;
}

void ParentConsole::WriteLine(const std::string& line) {
    HANDLE out = Output();
    if (!out) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace pakmole
