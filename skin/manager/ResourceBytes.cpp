#include "skin/manager/ResourceBytes.h"

#include <windows.h>

namespace pakmole {

std::optional<std::vector<unsigned char>> ReadResourceBytes(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info) return std::nullopt;
    const DWORD size = SizeofResource(module, info);
    HGLOBAL loaded = LoadResource(module, info);
    // Resource memory belongs to the module image: nothing to free.
    const auto* bytes = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (!bytes) return std::nullopt;
    return std::vector<unsigned char>(bytes, bytes + size);
}

}  // namespace pakmole
