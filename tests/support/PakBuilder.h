#pragma once
// Builds pak files in code, in the layouts the engine writes: version 3 by
// default (a footer of 44 bytes, entry headers in front of the data, absolute
// block offsets), or any version from 1 to 15 (relative block offsets from 5,
// method names from 8, encoded entries and a directory index from 10, UTF-8
// names from 12, a flat directory index from 13, a pakchunk index from 14,
// the encryption method and IVs from 15), plus the pieces needed to write
// damaged or unusual ones. From version 10 on, the index and the entries may
// be encrypted with a key (AES-256-ECB, or from 15 on counter mode); from
// version 3 on, entries marked so may be encrypted with a cipher (EncryptWith).
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pakmole::test {

// Little-endian writer for hand-made records.
class ByteWriter {
public:
    ByteWriter& Int32(int32_t value);
    ByteWriter& Int64(int64_t value);
    ByteWriter& Bytes(const std::string& bytes);
    ByteWriter& Zeros(std::size_t count);
    // Length (counting a terminator), characters, terminator; negative length
    // and 16-bit units when wide.
    ByteWriter& Name(const std::string& name);
    ByteWriter& WideName(const std::u16string& name);
    std::size_t Size() const { return bytes_.size(); }
    const std::string& Str() const { return bytes_; }

private:
    std::string bytes_;
};

std::string ZlibCompress(const std::string& data, int level = 6);

struct PakBuilderEntry {
    std::string name;                       // as stored (forward slashes, as the engine writes)
    std::optional<std::u16string> wideName; // stored with 16-bit characters instead
    std::string data;
    bool compressed = false;
    std::size_t blockSize = 64 * 1024;
    // The blocks' zlib streams; empty: made from data with blockSize.
    std::vector<std::string> rawBlocks;
    // Index field overrides, for odd but readable records.
    std::optional<int32_t> indexCompressionMethod;
    std::optional<int64_t> indexSize;
    // Version 8 and later: the 1-based slot of the footer's method names
    // (default: the slot named "Zlib", or 0 when stored).
    std::optional<int32_t> methodSlot;
    // Version 10 and later: kept as a full record instead of an encoded one.
    bool nonEncoded = false;
    // Version 3 and later: the data (each block on its own) padded to 16
    // bytes and run through the builder's cipher, the flag set.
    bool encrypted = false;
};

// Encrypts whole 16-byte blocks (AES-256 in ECB mode, for example).
using PakCipher = std::function<std::string(const std::string& plain)>;
// The 20 bytes of a SHA-1.
using PakHash = std::function<std::string(const std::string& bytes)>;

// The fields of an encoded entry (versions 10 and 11).
struct EncodedFields {
    uint64_t offset = 0;
    uint64_t uncompressedSize = 0;
    uint64_t size = 0;
    uint32_t method = 0;
    bool encrypted = false;
    uint32_t blockSize = 0;
    std::vector<uint32_t> blockLengths;  // one per block
    std::string iv;  // 12 bytes in counter mode (an encrypted entry of version 15), else empty
};
// Encodes them as the packer does: 32-bit fields where the value fits, the
// block size as a multiple of 2048 where it is one.
std::string EncodeEntry(const EncodedFields& fields);

class PakBuilder {
public:
    PakBuilder& MountPoint(std::string mountPoint);
    PakBuilder& Stored(std::string name, std::string data);
    PakBuilder& Compressed(std::string name, std::string data, std::size_t blockSize = 64 * 1024);
    PakBuilder& Add(PakBuilderEntry entry);
    // Replaces the entry count written in the index.
    PakBuilder& EntryCount(int32_t count);
    // variant8a: version 8 with four method names and one-byte method numbers.
    PakBuilder& Version(int32_t version, bool variant8a = false);
    // Version 8 and later: the footer's method name slots.
    PakBuilder& MethodNames(std::vector<std::string> names);

    // Version 13 and later: the flat directory index, its names front-coded
    // with a restart every interval names.
    PakBuilder& FlatDirectoryIndex(int32_t interval = 16);
    // Version 14 and later.
    PakBuilder& PakchunkIndex(int32_t index);
    // Version 10 and later: encrypts the index ranges and every entry with
    // the key, in counter mode (version 15 only) or ECB. An index hash is
    // then stored, as the engine does.
    PakBuilder& Encrypt(const std::array<uint8_t, 32>& key, bool counterMode, bool index = true, bool entries = true);
    PakBuilder& EncryptWith(PakCipher cipher);
    // Records each entry's SHA-1 (all zero otherwise): of the bytes as stored,
    // or, as some packers do, of the plain bytes before encryption.
    PakBuilder& HashWith(PakHash hash, bool ofPlainBytes = false);

    std::string Build() const;
    // Where the index starts in Build()'s bytes.
    int64_t IndexOffset() const;
    void WriteTo(const std::string& path) const;

private:
    std::string mountPoint_ = "../../../";
    std::vector<PakBuilderEntry> entries_;
    std::optional<int32_t> entryCount_;
    int32_t version_ = 3;
    bool variant8a_ = false;
    std::vector<std::string> methodNames_ = {"Zlib"};
    std::optional<int32_t> flatInterval_;
    int32_t pakchunkIndex_ = -1;
    std::optional<std::array<uint8_t, 32>> key_;
    bool counterMode_ = false;
    bool encryptIndex_ = false;
    bool encryptEntries_ = false;
    PakCipher cipher_;
    PakHash hash_;
    bool hashPlain_ = false;
};

// AES-256-ECB encryption of whole 16-byte blocks, for building encrypted paks.
std::string EncryptEcb(const std::array<uint8_t, 32>& key, std::string data);
// AES-256-CTR as paks use it (IV, big-endian block number from 0).
std::string ApplyCtr(const std::array<uint8_t, 32>& key, const std::string& iv, std::string data);

}  // namespace pakmole::test
