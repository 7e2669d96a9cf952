#pragma once
// The program's narrow strings are in the process code page, which the
// program's manifest makes UTF-8 (on systems that honour it). The file
// functions take them through the wide API, so that any name and paths longer
// than MAX_PATH work.
#include <optional>
#include <string>
#include <string_view>

namespace pakmole {

std::wstring WideText(std::string_view text);
std::string NarrowText(std::wstring_view text);

// The full path ("..\" and "." resolved by name, slashes made backslashes);
// nullopt when the system cannot make one.
std::optional<std::wstring> FullPathOf(const std::wstring& path);

// The path for the wide file functions: as it is while short enough for them,
// else in its "\\?\" form (full, normalised), which has no length limit.
std::wstring WidePath(const std::string& path);

}  // namespace pakmole
