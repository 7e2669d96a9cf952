// Versions 12 to 15 written by our builder: every layout they allow (stored
// and zlib entries, ECB and counter mode, nested and flat directory indexes)
// reads back as written, and damage is refused, never crashes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/MemoryStream.h"
#include "pak/EntryReader.h"
#include "pak/MemoryBlockInflater.h"
#include "pak/PakDecryptor.h"
#include "pak/PakDirectoryIndex.h"
#include "pak/PakFormatError.h"
#include "pak/PakIndex.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/RealPaks.h"

namespace pakmole {
namespace {

using test::ByteWriter;
using test::PakBuilder;
using test::PakBuilderEntry;

const std::array<uint8_t, 32> kKey = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                      17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};

class StringSink : public EntrySink {
public:
    void Write(const unsigned char* data, std::size_t size) override {
        bytes.append(reinterpret_cast<const char*>(data), size);
    }
    int64_t Written() const override { return static_cast<int64_t>(bytes.size()); }
    void Commit() override {}
    std::string bytes;
};

std::string Noise(std::size_t size, unsigned seed) {
    std::string out(size, '\0');
    uint32_t x = seed * 2654435761u + 1;
    for (auto& c : out) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>((x >> 16) % 7 == 0 ? x >> 8 : 'a' + (x >> 20) % 3);
    }
    return out;
}

// What every built pak holds: stored and compressed (one block and several,
// one of them not a multiple of 16), an empty file, a name beyond ASCII,
// files in the root and in nested folders, a record that is not encoded.
PakBuilder Contents() {
    PakBuilderEntry accented;
    accented.wideName = u"Content/Caf\u00e9/\u65e5\u672c.txt";
    accented.data = "utf-8 name";
    PakBuilderEntry record;
    record.name = "Content/Record.bin";
    record.data = Noise(3000, 5);
    record.compressed = true;
    record.blockSize = 1024;
    record.nonEncoded = true;
    PakBuilder builder;
    builder.MountPoint("../../../Game/")
        .Stored("Root.txt", "in the root")
        .Stored("Content/Maps/Stored.umap", Noise(5001, 1))
        .Compressed("Content/Maps/Big.ubulk", Noise(200000, 2), 65536)
        .Compressed("Content/One.uasset", Noise(777, 3))
        .Stored("Config/Empty.ini", "")
        .Add(accented)
        .Add(record);
    return builder;
}

// By their readable names, with the host's separators.
std::map<std::string, std::string> Expected() {
    return {{"Root.txt", "in the root"},
            {test::HostSeparators("Content/Maps/Stored.umap"), Noise(5001, 1)},
            {test::HostSeparators("Content/Maps/Big.ubulk"), Noise(200000, 2)},
            {test::HostSeparators("Content/One.uasset"), Noise(777, 3)},
            {test::HostSeparators("Config/Empty.ini"), ""},
            {test::HostSeparators("Content/Caf\xc3\xa9/\xe6\x97\xa5\xe6\x9c\xac.txt"), "utf-8 name"},
            {test::HostSeparators("Content/Record.bin"), Noise(3000, 5)}};
}

// Every entry's bytes by its readable name; failures as "!reason".
std::map<std::string, std::string> ReadAll(const std::string& bytes, const PakDecryptor* key, PakIndex* indexOut = nullptr) {
    TMemoryStream pak(std::vector<unsigned char>(bytes.begin(), bytes.end()));
    const PakIndex index = ReadPakIndex(pak, "x.pak", key);
    MemoryBlockInflater inflater;
    EntryReader reader(pak, index.footer, inflater, key, nullptr);
    std::map<std::string, std::string> files;
    for (const PakEntry& entry : index.entries) {
        StringSink sink;
        try {
            reader.Read(entry, sink);
            files[ReadableName(entry)] = sink.bytes;
        } catch (const std::exception& e) {
            files[ReadableName(entry)] = std::string("!") + e.what();
        }
    }
    if (indexOut) *indexOut = index;
    return files;
}

enum class Cipher { None, Ecb, Ctr };

TEST(Ue5Paks, EveryLayoutReadsBackAsWritten) {
    AesKey key;
    key.bytes = kKey;
    const PakDecryptor decryptor(key);
    for (const int32_t version : {12, 13, 14, 15})
        for (const Cipher cipher : {Cipher::None, Cipher::Ecb, Cipher::Ctr})
            for (const bool flat : {false, true})
                for (const bool indexToo : {false, true}) {
                    if ((cipher == Cipher::Ctr && version < 15) || (flat && version < 13)) continue;
                    if (cipher == Cipher::None && indexToo) continue;
                    const std::string what = "v" + std::to_string(version) + (flat ? " flat" : " nested") +
                                             (cipher == Cipher::Ecb ? " ECB" : cipher == Cipher::Ctr ? " CTR" : "") +
                                             (indexToo ? " with its index" : "");
                    PakBuilder builder = Contents();
                    builder.Version(version);
                    if (flat) builder.FlatDirectoryIndex(2);  // several anchors
                    if (cipher != Cipher::None) builder.Encrypt(kKey, cipher == Cipher::Ctr, indexToo, true);
                    PakIndex index;
                    EXPECT_EQ(ReadAll(builder.Build(), &decryptor, &index), Expected()) << what;
                    EXPECT_EQ(index.flatDirectoryIndex, flat) << what;
                    EXPECT_EQ(index.footer.indexEncrypted, indexToo) << what;
                    EXPECT_EQ(index.hashCheck, IndexHashCheck::Matches) << what;
                    EXPECT_EQ(index.footer.encryption,
                              cipher == Cipher::Ctr ? PakEncryption::AesCtr : PakEncryption::AesEcb)
                        << what;
                }
}

TEST(Ue5Paks, FootersOfVersions14And15CarryTheirFields) {
    const std::string v14 = PakBuilder().Version(14).PakchunkIndex(7).Stored("a.txt", "a").Build();
    const std::string v15 = PakBuilder().Version(15).Encrypt(kKey, true).Stored("a.txt", "a").Build();
    TMemoryStream a(std::vector<unsigned char>(v14.begin(), v14.end()));
    const PakFooter f14 = ReadPakFooter(a, "a.pak");
    EXPECT_EQ(f14.footerSize, 225);
    EXPECT_TRUE(f14.hasPakchunkIndex);
    EXPECT_EQ(f14.pakchunkIndex, 7);
    EXPECT_FALSE(f14.hasEncryptionMethod);
    TMemoryStream b(std::vector<unsigned char>(v15.begin(), v15.end()));
    const PakFooter f15 = ReadPakFooter(b, "b.pak");
    EXPECT_EQ(f15.footerSize, 262);
    EXPECT_EQ(f15.pakchunkIndex, -1);
    EXPECT_EQ(f15.encryption, PakEncryption::AesCtr);
    EXPECT_TRUE(f15.indexEncrypted);
    // The IVs stand in the last 36 bytes, in the order index, path-hash
    // index, directory index.
    EXPECT_EQ(std::string(f15.indexIv.begin(), f15.indexIv.end()), v15.substr(v15.size() - 36, 12));
    EXPECT_EQ(std::string(f15.directoryIndexIv.begin(), f15.directoryIndexIv.end()), v15.substr(v15.size() - 12));
}

// A key that is well formed but not the pak's is refused by the index hash,
// in either mode; with no key the index cannot be read at all.
TEST(Ue5Paks, AWrongKeyIsRefusedByTheIndexHash) {
    AesKey wrong;
    wrong.bytes = kKey;
    wrong.bytes[31] ^= 1;
    const PakDecryptor decryptor(wrong);
    for (const bool counterMode : {false, true}) {
        const std::string bytes = Contents().Version(15).FlatDirectoryIndex().Encrypt(kKey, counterMode).Build();
        TMemoryStream pak(std::vector<unsigned char>(bytes.begin(), bytes.end()));
        for (const PakDecryptor* key : {static_cast<const PakDecryptor*>(nullptr), &decryptor}) {
            try {
                ReadPakIndex(pak, "x.pak", key);
                ADD_FAILURE() << "no error";
            } catch (const EPakKeyError& e) {
                EXPECT_EQ(e.kind(), key ? EPakKeyError::Kind::Wrong : EPakKeyError::Kind::Missing);
            }
        }
    }
}

// A v15 pak in counter mode cut at every length: refused as a whole, never
// read past its end, never a crash.
TEST(Ue5Paks, TruncationSweepOverAVersion15Pak) {
    AesKey key;
    key.bytes = kKey;
    const PakDecryptor decryptor(key);
    const std::string whole = PakBuilder()
                                  .Version(15)
                                  .FlatDirectoryIndex()
                                  .Encrypt(kKey, true)
                                  .Stored("a/b.txt", "stored bytes")
                                  .Compressed("a/c.bin", Noise(3000, 9), 1024)
                                  .Build();
    ASSERT_EQ(ReadAll(whole, &decryptor).size(), 2u);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        try {
            ReadAll(whole.substr(0, size), &decryptor);
            ADD_FAILURE() << "cut at " << size << " read as a pak";
        } catch (const EPakFormatError&) {
        }
    }
}

// Every byte of a plain flat directory index changed in turn: the reader
// either reads some index or refuses it as damaged.
TEST(Ue5Paks, DamageAnywhereInAFlatIndexIsRefusedOrRead) {
    const std::string whole = Contents().Version(13).FlatDirectoryIndex(2).Build();
    TMemoryStream pak(std::vector<unsigned char>(whole.begin(), whole.end()));
    const std::size_t dirStart = whole.find("QDFP");
    ASSERT_NE(dirStart, std::string::npos);
    const std::size_t dirEnd = whole.size() - 221;
    for (std::size_t at = dirStart; at < dirEnd; ++at) {
        for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
            std::string bytes = whole;
            bytes[at] = static_cast<char>(bytes[at] ^ flip);
            try {
                ReadAll(bytes, nullptr);
            } catch (const EPakFormatError&) {
            }
        }
    }
}

// The directory index of the engine-made v15 "Minimal" pak as its layout
// is documented, and damaged copies of it.
std::string DocumentedFlatIndex(int32_t interval = 16) {
    ByteWriter out;
    out.Bytes("QDFP").Int32(7).Int32(4).Int32(interval).Int32(106).Int32(80).Int32(4).Int32(0);
    for (int i = 0; i < 4; ++i) out.Int64(0x100 + i);
    for (const int32_t location : {0, 12, 24, 36}) out.Int32(location);
    for (const int32_t anchor : {0, 106}) out.Int32(anchor);
    for (const int32_t first : {0, 1, 2, 2, 2, 2, 3, 4}) out.Int32(first);
    for (const int32_t offset : {0, 17, 32, 56, 80}) out.Int32(offset);
    for (const int32_t location : {0, 12, 24, 36}) out.Int32(location);
    const std::pair<int32_t, std::string> names[] = {{0, "/"},        {0, "Config/"},
                                                     {3, "tent/"},    {8, "Localization/"},
                                                     {21, "CUE4ParseFixtures/"}, {39, "de/"}, {39, "en/"}};
    for (const auto& [shared, suffix] : names) out.Int32(shared).Int32(static_cast<int32_t>(suffix.size())).Bytes(suffix);
    out.Bytes("AssetRegistry.binDefaultGame.iniCUE4ParseFixtures.locresCUE4ParseFixtures.locres");
    return out.Str();
}

DirectoryIndex ReadFlat(const std::string& bytes) {
    ByteCursor in(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), "the directory index");
    return ReadDirectoryIndex(in, 15);
}

TEST(FlatDirectoryIndex, TheDocumentedIndexGivesItsFourFiles) {
    const std::string bytes = DocumentedFlatIndex();
    ASSERT_EQ(bytes.size(), 342u);
    const DirectoryIndex index = ReadFlat(bytes);
    EXPECT_TRUE(index.flat);
    std::vector<std::pair<std::string, int32_t>> files;
    for (const auto& file : index.files) files.emplace_back(file.path.narrow, file.location);
    EXPECT_EQ(files, (std::vector<std::pair<std::string, int32_t>>{
                         {"AssetRegistry.bin", 0},
                         {"Config/DefaultGame.ini", 12},
                         {"Content/Localization/CUE4ParseFixtures/de/CUE4ParseFixtures.locres", 24},
                         {"Content/Localization/CUE4ParseFixtures/en/CUE4ParseFixtures.locres", 36}}));
    // Read as version 12, the same bytes are no flat index.
    ByteCursor in(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), "the directory index");
    EXPECT_THROW(ReadDirectoryIndex(in, 12), EPakFormatError);
}

TEST(FlatDirectoryIndex, TablesThatDoNotFitAreRefused) {
    auto patched = [](std::size_t at, int32_t value) {
        std::string bytes = DocumentedFlatIndex();
        for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
        return bytes;
    };
    // Offsets: header 32, hashes 32, locations 16, anchors at 80, firsts at
    // 88, name offsets at 120, locations at 140, directory blob at 156.
    struct Case {
        const char* what;
        std::string bytes;
    } const cases[] = {
        {"a negative directory count", patched(4, -1)},
        {"a restart interval of 0", patched(12, 0)},
        {"more hashes than bytes", patched(24, 1000000)},
        {"a directory blob larger than what is left", patched(16, 5000)},
        {"anchors that do not end at the blob's size", patched(84, 100)},
        {"a first-file table that does not end at the file count", patched(116, 3)},
        {"a first-file table that falls", patched(96, 3)},
        {"name offsets that fall", patched(128, 60)},
        {"a name that shares more than the one before it has", patched(156 + 9, 2)},
        {"a suffix longer than the blob", patched(156 + 4, 500)},
        {"an anchor directory that shares a prefix", patched(156, 1)},
        {"a directory count beyond the blob", patched(4, 9)},
        {"cut short", DocumentedFlatIndex().substr(0, 300)},
    };
    for (const auto& c : cases) EXPECT_THROW(ReadFlat(c.bytes), EPakFormatError) << c.what;
}

}  // namespace
}  // namespace pakmole
