#include "PakString.h"

#include <algorithm>

#include "base/Utf8.h"

namespace pakmole {

void ToBackslashes(std::string& text) { std::replace(text.begin(), text.end(), '/', '\\'); }
void ToBackslashes(std::u16string& text) { std::replace(text.begin(), text.end(), u'/', u'\\'); }

std::u16string WidenLatin1(std::string_view text) {
    std::u16string wide(text.size(), u'\0');
    std::transform(text.begin(), text.end(), wide.begin(), [](char c) { return static_cast<unsigned char>(c); });
    return wide;
}

PakString ReadPakString(ByteCursor& in, bool zeroIsWide) {
    PakString text;
    const int32_t length = in.I32();
    if (length > 0) {
        in.Need(static_cast<uint64_t>(length), "a name");
        text.narrow.resize(static_cast<std::size_t>(length - 1));
        in.Bytes(text.narrow.data(), text.narrow.size());
        in.Skip(1);  // terminator, unchecked
        return text;
    }
    if (length == 0 && !zeroIsWide) return text;
    // The most negative length is held in 64 bits before it is doubled.
    const uint64_t units = length == 0 ? 1 : static_cast<uint64_t>(-static_cast<int64_t>(length));
    in.Need(2 * units, "a name");
    text.isWide = true;
    text.wide.resize(static_cast<std::size_t>(units - 1));
    text.narrow.resize(text.wide.size());
    for (std::size_t i = 0; i < text.wide.size(); ++i) {
        unsigned char pair[2];
        in.Bytes(pair, 2);
        text.wide[i] = static_cast<char16_t>(pair[0] | (pair[1] << 8));
        text.narrow[i] = static_cast<char>(pair[0]);
    }
    in.Skip(2);
    return text;
}

PakString PakStringFromUtf8(std::string bytes) {
    PakString text;
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        if (std::optional<std::u16string> wide = Utf8ToUtf16(bytes)) {
            text.isWide = true;
            text.wide = std::move(*wide);
            text.narrow.resize(text.wide.size());
            std::transform(text.wide.begin(), text.wide.end(), text.narrow.begin(),
                           [](char16_t c) { return static_cast<char>(c & 0xFF); });
            return text;
        }
    }
    text.narrow = std::move(bytes);
    return text;
}

PakString ReadPakUtf8String(ByteCursor& in) {
    const int32_t length = in.I32();
    if (length <= 0) {
        // 16-bit names keep their form; an empty name is empty.
        if (length == 0) return {};
        in.Seek(in.Position() - 4);
        return ReadPakString(in, false);
    }
    in.Need(static_cast<uint64_t>(length), "a name");
    std::string bytes(static_cast<std::size_t>(length), '\0');
    in.Bytes(bytes.data(), bytes.size());
    if (bytes.back() == '\0') bytes.pop_back();
    return PakStringFromUtf8(std::move(bytes));
}

PakString Joined(const PakString& a, const PakString& b) {
    PakString text;
    text.narrow = a.narrow + b.narrow;
    if (a.isWide || b.isWide) {
        text.isWide = true;
        text.wide = (a.isWide ? a.wide : WidenLatin1(a.narrow)) + (b.isWide ? b.wide : WidenLatin1(b.narrow));
    }
    return text;
}

}  // namespace pakmole
