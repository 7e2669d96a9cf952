#include <dlfcn.h>

#include "DynamicLibrary.h"
#include "Exceptions.h"

namespace pakmole {

DynamicLibrary::DynamicLibrary(const std::string& path) {
    // A path with a slash is taken as it is, never searched for.
    const std::string named = path.find('/') == std::string::npos ? "./" + path : path;
    handle_ = dlopen(named.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* reason = dlerror();
        throw Exception(reason ? reason : "the library cannot be loaded");
    }
}

DynamicLibrary::~DynamicLibrary() { dlclose(handle_); }

void* DynamicLibrary::Symbol(const char* name) const { return dlsym(handle_, name); }

}  // namespace pakmole
