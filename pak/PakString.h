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

// From version 12 on, the names in directory indexes: a positive length
// counts bytes of UTF-8, with a terminator only sometimes (file names have
// none). A terminator is dropped only where there is one. Names beyond ASCII
// come out 16-bit; bytes that are not UTF-8 are taken as Latin-1.
PakString ReadPakUtf8String(ByteCursor& in);
// The same text, its bytes given (a flat directory index stores no lengths
// in front of its names).
PakString PakStringFromUtf8(std::string bytes);

// a then b, 16-bit when either is.
PakString Joined(const PakString& a, const PakString& b);

void ToBackslashes(std::string& text);
void ToBackslashes(std::u16string& text);
// 8-bit characters (Latin-1) as 16-bit ones.
std::u16string WidenLatin1(std::string_view text);

}  // namespace pakmole
