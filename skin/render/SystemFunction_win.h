#pragma once
// A function of a system library looked up at run time, for what only some
// versions of Windows have (visual styles, desktop composition, WOW64 calls).
#include <windows.h>

namespace pakmole {

// The function as a pointer of type Proc, or null where this system lacks the
// library or the function. The library stays loaded for the process's life,
// so callers may keep the pointer.
template <class Proc>
Proc SystemFunction(const char* library, const char* name) {
    HMODULE module = LoadLibraryA(library);
    return module ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace pakmole
