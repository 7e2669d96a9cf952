#pragma once
// UTF-8 from the two kinds of names a pak stores: 8-bit characters (taken as
// Latin-1) and 16-bit units (UTF-16, surrogate pairs joined).
#include <optional>
#include <string>
#include <string_view>

namespace pakmole {

void AppendUtf8(std::string& out, char32_t c);
std::string Latin1ToUtf8(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// UTF-16 from well-formed UTF-8 (shortest forms, no surrogates, nothing
// above U+10FFFF); nothing for anything else.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

}  // namespace pakmole
