#include "WidePath_win.h"

#include <windows.h>

namespace pakmole {

std::wstring WideText(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), n);
    return wide;
}

std::string NarrowText(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

std::optional<std::wstring> FullPathOf(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::nullopt;
    std::wstring full(needed, L'\0');
    const DWORD got = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (got == 0 || got >= needed) return std::nullopt;
    full.resize(got);
    return full;
}

std::wstring WidePath(const std::string& path) {
    std::wstring wide = WideText(path);
    // CreateDirectory stops 12 characters short of MAX_PATH (room for an 8.3 name).
    constexpr std::size_t kShortEnough = MAX_PATH - 12;
    if (wide.size() < kShortEnough || wide.rfind(L"\\\\?\\", 0) == 0) return wide;
    // The long form is taken literally: no relative parts, no forward slashes.
    const std::optional<std::wstring> resolved = FullPathOf(wide);
    if (!resolved) return wide;
    const std::wstring& full = *resolved;
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace pakmole
