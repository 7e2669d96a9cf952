#pragma once
// UTF-8 from the two kinds of names a pak stores: 8-bit characters (taken as
// Latin-1) and 16-bit units (UTF-16, surrogate pairs joined).
#include <string>
#include <string_view>

namespace pakmole {

void AppendUtf8(std::string& out, char32_t c);
std::string Latin1ToUtf8(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace pakmole
