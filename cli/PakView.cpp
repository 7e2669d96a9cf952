#include "PakView.h"

#include <algorithm>

#include "pak/PakCompression.h"

namespace pakmole::cli {

PakView::PakView(const std::string& path, const std::optional<AesKey>& key) : file(path, FileMode::OpenRead) {
    if (key) decryptor = std::make_unique<PakDecryptor>(*key);
    index = ReadPakIndex(file, path, decryptor.get());
}

std::string DisplayName(const PakEntry& entry) {
    std::string name = ReadableName(entry);
    std::replace(name.begin(), name.end(), '\\', '/');
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
