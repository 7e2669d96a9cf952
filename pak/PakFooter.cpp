#include "PakFooter.h"

#include <algorithm>
#include <optional>

#include "ByteCursor.h"
#include "PakFormatError.h"

namespace pakmole {
namespace {

// Where the magic sits, counted back from the end of the file, and which
// versions may stand there. The byte in front of the magic belongs to the
// index up to version 3, so nothing before the magic is read for those.
struct Probe {
    int64_t distance;
    int64_t footerSize;  // for the first version this distance allows
};
constexpr Probe kProbes[] = {{44, 44}, {172, 189}, {204, 221}, {205, 222}, {208, 225}, {245, 262}};

bool LegalAt(int64_t distance, uint32_t version) {
    switch (distance) {
        case 44: return version >= 1 && version <= 7;
        case 172: return version == 8;
        case 204: return version == 8 || (version >= 10 && version <= 13);
        case 205: return version == 9;
        case 208: return version == 14;  // a pakchunk index behind the names
        case 245: return version == 15;  // and the encryption method and IVs
    }
    return false;
}

int64_t FooterSizeOf(int64_t distance, uint32_t version) {
    if (distance != 44) return distance + 17;
    if (version <= 3) return 44;
    return version <= 6 ? 45 : 61;
}

std::string Trimmed(const unsigned char* slot, std::size_t size) {
    const auto* end = std::find(slot, slot + size, 0);
    return std::string(slot, end);
}

PakFooter Parse(const std::vector<unsigned char>& bytes, uint32_t version, int64_t distance) {
    // bytes: the whole footer, from its start to the end of the file.
    ByteCursor in(bytes.data(), bytes.size(), "the pak footer");
    PakFooter footer;
    footer.version = static_cast<int32_t>(version);
    footer.variant8a = version == 8 && distance == 172;
    footer.footerSize = static_cast<int64_t>(bytes.size());
    if (version >= 7) in.Bytes(footer.keyGuid.data(), footer.keyGuid.size());
    if (version >= 4) footer.indexEncrypted = in.U8() != 0;
    in.Skip(8);  // magic and version, already checked
    footer.indexOffset = in.I64();
    footer.indexSize = in.I64();
    in.Bytes(footer.indexHash.data(), footer.indexHash.size());
    if (version == 9) footer.frozenIndex = in.U8() != 0;
    if (version >= 8) {
        const std::size_t slots = footer.variant8a ? 4 : 5;
        for (std::size_t i = 0; i < slots; ++i) {
            unsigned char slot[32];
            in.Bytes(slot, sizeof slot);
            footer.methodNames.push_back(Trimmed(slot, sizeof slot));
        }
    }
    if (version >= 14) {
        footer.hasPakchunkIndex = true;
        footer.pakchunkIndex = in.I32();
    }
    if (version >= 15) {
        footer.hasEncryptionMethod = true;
        footer.encryption = static_cast<PakEncryption>(in.U8());
        in.Bytes(footer.indexIv.data(), footer.indexIv.size());
        in.Bytes(footer.pathHashIndexIv.data(), footer.pathHashIndexIv.size());
        in.Bytes(footer.directoryIndexIv.data(), footer.directoryIndexIv.size());
    }
    return footer;
}

// A footer is believed only when its index fits in front of it.
bool Plausible(const PakFooter& footer, int64_t fileSize) {
    const int64_t start = footer.FooterStart(fileSize);
    if (start < 0 || footer.indexOffset < 0 || footer.indexSize < 8) return false;
    if (footer.indexOffset > start || footer.indexSize > start - footer.indexOffset) return false;
    if (footer.indexEncrypted && footer.indexSize % 16 != 0) return false;
    return true;
}

}  // namespace

std::string PakFooter::VersionName() const {
    std::string name = std::to_string(version);
    if (version == 8) name += variant8a ? "a" : "b";
    return name;
}

PakFooter ReadPakFooter(TStream& pak, const std::string& displayName) {
    const int64_t size = pak.Size();
    std::optional<PakFooter> plausible;
    bool implausible = false;
    std::optional<uint32_t> unsupported;
    for (const Probe& probe : kProbes) {
        if (probe.distance > size) continue;
        pak.SetPosition(size - probe.distance);
        const auto magic = static_cast<uint32_t>(pak.ReadInt32());
        if (magic != kPakMagic) continue;
        const auto version = static_cast<uint32_t>(pak.ReadInt32());
        if (!LegalAt(probe.distance, version)) {
            // The magic stands where a footer's would, with a version this
            // reader does not know: say so rather than "not a pak".
            if (version > static_cast<uint32_t>(kNewestPakVersion) || version == 0) unsupported = version;
            continue;
        }
        const int64_t footerSize = FooterSizeOf(probe.distance, version);
        if (footerSize > size) continue;
        std::vector<unsigned char> bytes(static_cast<std::size_t>(footerSize));
        pak.SetPosition(size - footerSize);
        pak.ReadBuffer(bytes.data(), bytes.size());
        PakFooter footer = Parse(bytes, version, probe.distance);
        // Never two plausible ones in real paks; the larger footer, probed
        // later, wins.
        if (Plausible(footer, size))
            plausible = footer;
        else
            implausible = true;
    }
    if (plausible) {
        if (plausible->frozenIndex)
            throw EPakFormatError("The pak's index is a frozen memory image, which Pakmole cannot read.");
        const auto method = plausible->encryption;
        if (plausible->indexEncrypted && method != PakEncryption::AesEcb && method != PakEncryption::AesCtr)
            throw EPakFormatError("The pak's index is encrypted with method " +
                                  std::to_string(static_cast<int>(method)) + ", which Pakmole does not know.");
        return *plausible;
    }
    if (implausible) throw EPakFormatError("The pak index is damaged: it lies outside the file.");
    if (unsupported) throw EPakFormatError("pak version " + std::to_string(*unsupported) + " is not supported");
    throw EPakFormatError("\"" + displayName + "\" is not a pak file.");
}

}  // namespace pakmole
