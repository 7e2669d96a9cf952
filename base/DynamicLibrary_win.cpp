#include <windows.h>

#include "DynamicLibrary.h"
#include "Exceptions.h"
#include "SystemError.h"
#include "WidePath_win.h"

namespace pakmole {

DynamicLibrary::DynamicLibrary(const std::string& path) {
    // The library's own folder is searched for what it needs, not ours;
    // that takes a full path.
    std::wstring wide = WidePath(path);
    if (wide.rfind(L"\\\\?\\", 0) != 0)
        if (std::optional<std::wstring> full = FullPathOf(wide)) wide = *full;
    handle_ = LoadLibraryExW(wide.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!handle_) throw Exception(SystemErrorMessage(GetLastError()));
}

DynamicLibrary::~DynamicLibrary() { FreeLibrary(static_cast<HMODULE>(handle_)); }

void* DynamicLibrary::Symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

}  // namespace pakmole
