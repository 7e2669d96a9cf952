#pragma once
// A library loaded at run time (dlopen, or LoadLibrary on Windows), for
// codecs that only the user's own programs bring, such as a game's Oodle.
#include <string>

namespace pakmole {

class DynamicLibrary {
public:
    // Loads the library at path (a host path); raises Exception with the
    // platform's reason when it cannot.
    explicit DynamicLibrary(const std::string& path);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // The address of an exported name; null when the library has none.
    void* Symbol(const char* name) const;

private:
    void* handle_ = nullptr;
};

}  // namespace pakmole
