#include "PakView.h"

#include "pak/PakCompression.h"

namespace pakmole::cli {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

PakView::PakView(const std::string& path, const std::optional<AesKey>& key) : file(path, FileMode::OpenRead) {
    if (key) decryptor = std::make_unique<Aes256EcbDecryptor>(*key);
    index = ReadPakIndex(file, path, decryptor.get());
}

std::string DisplayName(const PakEntry& entry) {
    std::string name;
    if (entry.hasWideName) {
        const std::u16string& w = entry.wideName;
        for (std::size_t i = 0; i < w.size(); ++i) {
            char32_t c = w[i];
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] < 0xE000)
                c = 0x10000 + ((c - 0xD800) << 10) + (w[++i] - 0xDC00);
            AppendUtf8(name, c == u'\\' ? U'/' : c);
        }
    } else {
        // 8-bit names are taken as Latin-1.
        for (const char c : entry.name) AppendUtf8(name, c == '\\' ? U'/' : static_cast<unsigned char>(c));
    }
    return name;
}

std::string MethodName(const PakFooter& footer, const PakEntry& entry) {
    const bool compressed = footer.version >= 8 ? entry.method != 0 : entry.method > 0;
    if (!compressed) return "stored";
    try {
        return MethodOf(footer, entry).name;
    } catch (const std::exception&) {
        return "method " + std::to_string(entry.method) + " (not in the table)";
    }
}

}  // namespace pakmole::cli
