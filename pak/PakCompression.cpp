#include "PakCompression.h"

#include <algorithm>
#include <cctype>

#include "base/Exceptions.h"

namespace pakmole {
namespace {

bool SameName(std::string a, std::string b) {
    auto lower = [](std::string& s) {
        for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    lower(a);
    lower(b);
    return a == b;
}

CompressionMethod Named(const std::string& name) {
    if (SameName(name, "zlib")) return {name, BlockFormat::Zlib};
    if (SameName(name, "gzip")) return {name, BlockFormat::Gzip};
    return {name, std::nullopt};
}

}  // namespace

CompressionMethod MethodOf(const PakFooter& footer, const PakEntry& entry) {
    if (footer.version >= 8) {
        const auto slot = static_cast<uint32_t>(entry.method);
        if (slot == 0 || slot > footer.methodNames.size() || footer.methodNames[slot - 1].empty())
            throw Exception("The entry's compression method number " + std::to_string(slot) +
                            " is not in the pak's method table.");
        return Named(footer.methodNames[slot - 1]);
    }
    // 0x10 and 0x20 are speed hints that do not change the data.
    const auto bits = static_cast<uint32_t>(entry.method);
    if (bits & 0x01) return {"Zlib", BlockFormat::Zlib};
    if (bits & 0x02) return {"Gzip", BlockFormat::Gzip};
    if (bits & 0x04) return {"a custom method (such as Oodle)", std::nullopt};
    // The oldest paks leave stored or compressed to the data header, and their
    // compressed entries are zlib whatever the index says.
    if (footer.version <= 4) return {"Zlib", BlockFormat::Zlib};
    return {"unknown method " + std::to_string(entry.method), std::nullopt};
}

bool IsOodle(const CompressionMethod& method) { return SameName(method.name, "oodle"); }

std::string CannotInflate(const CompressionMethod& method) {
    return "compressed with " + method.name + ", which Pakmole cannot inflate";
}

}  // namespace pakmole
