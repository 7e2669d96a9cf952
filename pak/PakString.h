#pragma once
// The engine's serialized string: a signed length, then 8-bit characters
// (positive length) or 16-bit units (negative), the last one a terminator.
#include <string>
#include <string_view>

#include "ByteCursor.h"

namespace pakmole {

struct PakString {
    std::string narrow;   // 16-bit units narrowed to their low bytes
    std::u16string wide;  // the units themselves, when stored 16-bit
    bool isWide = false;
};

// The oldest readers took a length of 0 as a 16-bit string that still has its
// 2-byte terminator; zeroIsWide keeps that for the versions they read.
PakString ReadPakString(ByteCursor& in, bool zeroIsWide);

void ToBackslashes(std::string& text);
void ToBackslashes(std::u16string& text);
// 8-bit characters (Latin-1) as 16-bit ones.
std::u16string WidenLatin1(std::string_view text);

}  // namespace pakmole
