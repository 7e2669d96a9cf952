#pragma once
// The footer at the end of a pak: magic, version, where the index lies and
// how it is protected, and from version 8 on the names of the compression
// methods that entries refer to by number.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Aes256Ctr.h"
#include "base/Stream.h"

namespace pakmole {

constexpr uint32_t kPakMagic = 0x5A6F12E1;
constexpr int32_t kNewestPakVersion = 15;

// The encryption method byte of a version 15 footer; older paks use ECB.
enum class PakEncryption : uint8_t { None = 0, AesEcb = 1, AesCtr = 2 };

struct PakFooter {
    int32_t version = 0;
    // Two layouts both store version 8: "8a" with four method names and a
    // one-byte method number in records, "8b" with five and four bytes.
    bool variant8a = false;
    int64_t footerSize = 0;  // bytes from the footer's start to the end of the file
    bool indexEncrypted = false;
    bool frozenIndex = false;
    std::array<uint8_t, 16> keyGuid{};
    int64_t indexOffset = 0;
    int64_t indexSize = 0;
    std::array<uint8_t, 20> indexHash{};
    std::vector<std::string> methodNames;  // version 8 and later; "" for an unused slot
    // Version 14 and later: the chunk this pak belongs to; -1 for none.
    bool hasPakchunkIndex = false;
    int32_t pakchunkIndex = -1;
    // Version 15 and later: how encrypted ranges are encrypted, and the IVs
    // of the three index ranges (counter mode only). Earlier ones use ECB.
    bool hasEncryptionMethod = false;
    PakEncryption encryption = PakEncryption::AesEcb;
    AesCtrIv indexIv{};
    AesCtrIv pathHashIndexIv{};
    AesCtrIv directoryIndexIv{};

    // "3", "8a", "8b", "11".
    std::string VersionName() const;
    int64_t FooterStart(int64_t fileSize) const { return fileSize - footerSize; }
};

// Finds and checks the footer. Raises EPakFormatError: "<name>" is not a pak
// file (no magic where a footer can be), "pak version N is not supported",
// or an index that lies outside the file. A magic where a footer of a newer
// version would have it, with a version Pakmole does not read, is named by
// that version.
PakFooter ReadPakFooter(TStream& pak, const std::string& displayName);

}  // namespace pakmole
