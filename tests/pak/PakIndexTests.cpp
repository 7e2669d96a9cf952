// Footer, index and record reading for every version, from hand-made bytes.
#include <gtest/gtest.h>

#include <climits>

#include "base/MemoryStream.h"
#include "pak/ByteCursor.h"
#include "pak/PakCompression.h"
#include "pak/PakFormatError.h"
#include "pak/PakIndex.h"
#include "pak/PakIndexEncoded.h"
#include "tests/support/PakBuilder.h"

namespace pakmole {
namespace {

using test::ByteWriter;
using test::PakBuilder;

TMemoryStream StreamOf(const std::string& bytes) {
    return TMemoryStream(std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

PakIndex IndexOf(const std::string& bytes) {
    auto s = StreamOf(bytes);
    return ReadPakIndex(s, "x.pak", nullptr);
}

// A version 3 index placed at 0, then its footer.
std::string PakWithIndex(const std::string& index) {
    ByteWriter w;
    w.Bytes(index).Int32(0x5A6F12E1).Int32(3).Int64(0).Int64(static_cast<int64_t>(index.size())).Zeros(20);
    return w.Str();
}

std::string ErrorOf(const std::string& bytes) {
    try {
        IndexOf(bytes);
    } catch (const EPakFormatError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(PakFooter, EveryVersionIsFoundWhereItsMagicIs) {
    struct Case {
        int32_t version;
        bool variant8a;
        const char* name;
        int64_t footerSize;
    } const cases[] = {{1, false, "1", 44},  {2, false, "2", 44},   {3, false, "3", 44},    {4, false, "4", 45},
                       {5, false, "5", 45},  {6, false, "6", 45},   {7, false, "7", 61},    {8, true, "8a", 189},
                       {8, false, "8b", 221}, {9, false, "9", 222}, {10, false, "10", 221}, {11, false, "11", 221}};
    for (const auto& c : cases) {
        const std::string bytes =
            PakBuilder().Version(c.version, c.variant8a).MountPoint("../../../").Stored("a/b.txt", "abc").Build();
        const PakIndex index = IndexOf(bytes);
        EXPECT_EQ(index.footer.version, c.version) << c.name;
        EXPECT_EQ(index.footer.VersionName(), c.name);
        EXPECT_EQ(index.footer.footerSize, c.footerSize) << c.name;
        EXPECT_EQ(index.mountPoint, "..\\..\\..\\") << c.name;
        ASSERT_EQ(index.entries.size(), 1u) << c.name;
        EXPECT_EQ(index.entries[0].name, "a\\b.txt") << c.name;
        EXPECT_EQ(index.entries[0].size, 3) << c.name;
        if (c.version >= 8) {
            EXPECT_EQ(index.footer.methodNames.size(), c.variant8a ? 4u : 5u) << c.name;
        }
    }
}

TEST(PakFooter, FilesThatAreNotPaksOfAKnownVersionAreSaidToBeSo) {
    const std::string notAPak = "\"x.pak\" is not a pak file.";
    auto withVersion = [](int32_t version, int64_t distance) {
        std::string bytes(400, '\0');
        ByteWriter magic;
        magic.Int32(0x5A6F12E1).Int32(version);
        bytes.replace(bytes.size() - static_cast<std::size_t>(distance), 8, magic.Str());
        return bytes;
    };
    std::string frozen = PakBuilder().Version(9).Stored("a", "b").Build();
    frozen[frozen.size() - 161] = 1;  // the byte after the index hash
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    } const cases[] = {
        {"empty", "", notAPak},
        {"1000 zero bytes", std::string(1000, '\0'), notAPak},
        {"text", std::string(200, 'x'), notAPak},
        {"a newer version where versions 10 to 13 stand", withVersion(16, 204), "pak version 16 is not supported"},
        {"a newer version where version 14 stands", withVersion(16, 208), "pak version 16 is not supported"},
        {"a newer version where version 15 stands", withVersion(16, 245), "pak version 16 is not supported"},
        {"a version far beyond, in a large footer", withVersion(1000, 245), "pak version 1000 is not supported"},
        {"a version far beyond", withVersion(99, 44), "pak version 99 is not supported"},
        {"version 0", withVersion(0, 44), "pak version 0 is not supported"},
        {"version 9 where only version 8 may stand", withVersion(9, 172), notAPak},
        {"index outside the file",
         ByteWriter().Zeros(10).Int32(0x5A6F12E1).Int32(3).Int64(1000).Int64(8).Zeros(20).Str(),
         "The pak index is damaged: it lies outside the file."},
        {"frozen index", frozen, "The pak's index is a frozen memory image, which Pakmole cannot read."},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.bytes), c.message) << c.what;
}

TEST(PakIndex, NameLengthsSelectWidthAndConsumeTheirBytes) {
    struct NameCase {
        const char* what;
        std::string record;  // the name length and name bytes
        std::string expectedName;
    } const cases[] = {
        {"length 5, 8-bit", ByteWriter().Int32(5).Bytes("abcdX").Str(), "abcd"},
        {"length -5, 16-bit", ByteWriter().Int32(-5).Bytes(std::string("a\x01" "b\x02" "c\x00" "d\x7f", 8)).Zeros(2).Str(),
         "abcd"},
        {"length 0 takes the 16-bit branch", ByteWriter().Int32(0).Zeros(2).Str(), ""},
        {"length 1", ByteWriter().Int32(1).Zeros(1).Str(), ""},
        {"length -1", ByteWriter().Int32(-1).Zeros(2).Str(), ""},
        {"slashes become backslashes", ByteWriter().Name("G/Content/b.uasset").Str(), "G\\Content\\b.uasset"},
        {"16-bit above 255 keeps the low byte", ByteWriter().WideName(u"\u0141x").Str(), "Ax"},
    };
    for (const auto& c : cases) {
        // Two records: the second one is read right only if the first
        // consumed exactly its bytes.
        ByteWriter index;
        index.Int32(0).Int32(2);
        for (int i = 0; i < 2; ++i) index.Bytes(c.record).Int64(7 + i).Int64(-3).Int64(9).Int32(0).Zeros(20).Zeros(5);
        const PakIndex pak = IndexOf(PakWithIndex(index.Str()));
        ASSERT_EQ(pak.entries.size(), 2u) << c.what;
        ASSERT_TRUE(pak.damage.empty()) << c.what << ": " << pak.damage;
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(pak.entries[i].name, c.expectedName) << c.what;
            EXPECT_EQ(pak.entries[i].offset, 7 + i) << c.what;
            EXPECT_EQ(pak.entries[i].size, -3) << c.what;
            EXPECT_EQ(pak.entries[i].uncompressedSize, 9) << c.what;
        }
    }
}

TEST(PakIndex, RecordLengthFollowsTheCompressionMethod) {
    struct Case {
        int32_t method;
        int32_t blockCount;
    } const cases[] = {{1, 3}, {0, 0}, {-1, 0}, {7, 0}};
    for (const auto& c : cases) {
        ByteWriter record;
        record.Name("abcd").Int64(0).Int64(0).Int64(0).Int32(c.method).Zeros(20);
        if (c.method > 0) record.Int32(c.blockCount).Zeros(static_cast<std::size_t>(16 * c.blockCount));
        record.Zeros(5);
        ByteWriter index;
        index.Int32(0).Int32(2).Bytes(record.Str()).Bytes(record.Str());
        const PakIndex pak = IndexOf(PakWithIndex(index.Str()));
        ASSERT_EQ(pak.entries.size(), 2u) << c.method;
        EXPECT_TRUE(pak.damage.empty()) << c.method;
        EXPECT_EQ(pak.entries[1].method, c.method);
        EXPECT_EQ(pak.entries[1].blocks.size(), static_cast<std::size_t>(c.blockCount));
    }
}

TEST(PakIndex, MountPointLengths) {
    struct Case {
        std::string head;
        std::string mountPoint;
    } const cases[] = {
        {ByteWriter().Int32(0).Int32(0).Str(), ""},
        {ByteWriter().Int32(1).Zeros(1).Int32(0).Str(), ""},
        {ByteWriter().Name("../../../").Int32(0).Str(), "..\\..\\..\\"},
        // The terminator is stepped over, whatever it holds.
        {ByteWriter().Int32(4).Bytes("abcZ").Int32(0).Str(), "abc"},
    };
    for (const auto& c : cases) {
        const PakIndex pak = IndexOf(PakWithIndex(c.head));
        EXPECT_EQ(pak.mountPoint, c.mountPoint);
        EXPECT_TRUE(pak.entries.empty());
    }
}

TEST(PakIndex, DamagedHeadsAreRefusedAsAWhole) {
    const std::string cases[] = {
        PakWithIndex(ByteWriter().Int32(1000).Int32(0).Str()),     // mount point longer than the index
        PakWithIndex(ByteWriter().Int32(-4).Int32(0).Str()),       // 16-bit mount point past the end
        PakWithIndex(ByteWriter().Int32(0).Int32(INT_MAX).Str()),  // entry count that cannot fit
    };
    for (const auto& bytes : cases) EXPECT_THROW(IndexOf(bytes), EPakFormatError);
}

TEST(PakIndex, ARecordRunningPastTheEndStopsTheWalkThere) {
    const std::string records[] = {
        ByteWriter().Int32(INT_MIN).Str(),
        ByteWriter().Int32(INT_MAX).Str(),
        ByteWriter().Int32(5000).Bytes("ab").Str(),
        ByteWriter().Name("a").Int64(0).Int64(0).Int64(0).Int32(1).Zeros(20).Int32(1 << 26).Str(),
    };
    const std::string good = ByteWriter().Name("ok").Int64(0).Int64(0).Int64(0).Int32(0).Zeros(25).Str();
    for (const auto& record : records) {
        ByteWriter index;
        // Padding so the entry count itself passes; the record is what is wrong.
        index.Int32(0).Int32(2).Bytes(good).Bytes(record).Zeros(100);
        const PakIndex pak = IndexOf(PakWithIndex(index.Str()));
        ASSERT_EQ(pak.entries.size(), 1u);
        EXPECT_EQ(pak.entries[0].name, "ok");
        EXPECT_NE(pak.damage.find("Entry 2 is the first unreadable one."), std::string::npos) << pak.damage;
    }
}

// A 16-bit name keeps its real characters wherever it is stored: in a record
// (versions up to 9) or split into an 8-bit folder and a 16-bit file name
// (10 and later, where the folder's Latin-1 bytes join the 16-bit part).
TEST(PakIndex, SixteenBitNamesKeepTheirCharactersInEveryLayout) {
    for (const int32_t version : {3, 9, 10, 11}) {
        SCOPED_TRACE(version);
        test::PakBuilderEntry entry;
        entry.name = "Caf\xe9/x.txt";
        entry.wideName = u"Caf\u00e9/\u65e5.txt";
        entry.data = "w";
        const PakIndex index = IndexOf(PakBuilder().Version(version).MountPoint("").Add(entry).Build());
        ASSERT_EQ(index.entries.size(), 1u);
        EXPECT_TRUE(index.entries[0].hasWideName);
        EXPECT_EQ(index.entries[0].wideName, u"Caf\u00e9\\\u65e5.txt");
#ifdef _WIN32
        EXPECT_EQ(ReadableName(index.entries[0]), "Caf\xc3\xa9\\\xe6\x97\xa5.txt");
#else
        EXPECT_EQ(ReadableName(index.entries[0]), "Caf\xc3\xa9/\xe6\x97\xa5.txt");
#endif
    }
}

// Encoded entries as the packer writes them, and back.
TEST(EncodedEntry, RoundTripsThroughEveryFieldWidth) {
    constexpr uint64_t k5GiB = 5ull << 30;
    struct Case {
        const char* what;
        test::EncodedFields fields;
    } const cases[] = {
        {"stored, small", {2048, 10, 10, 0, false, 0, {}, ""}},
        {"stored above 4 GiB", {k5GiB, k5GiB, k5GiB, 0, false, 0, {}, ""}},
        {"one block", {100, 2573, 1028, 1, false, 2573, {1028}, ""}},
        {"offset above 4 GiB, sizes small", {k5GiB + 3, 70000, 500, 1, false, 65536, {300, 200}, ""}},
        {"sizes above 4 GiB", {7, k5GiB, k5GiB / 2, 2, false, 65536, {1, 2, 3}, ""}},
        {"explicit block size", {0, 10257, 7760, 1, true, 10257, {7746}, ""}},
        {"many blocks", {0, 1000u * 65536, 1000u * 10, 1, false, 65536, std::vector<uint32_t>(1000, 10), ""}},
        {"encrypted blocks are spaced by 16", {64, 100000, 96, 1, true, 65536, {33, 40}, ""}},
        {"empty compressed file", {5, 0, 0, 1, false, 0, {}, ""}},
        // Version 15 in counter mode: the IV between the uncompressed size
        // and the size.
        {"counter mode, stored", {0, 932, 932, 0, true, 0, {}, "IV-of-stored"}},
        {"counter mode, one block", {997, 2260, 1088, 1, true, 2260, {1085}, "IV-one-block"}},
    };
    for (const auto& c : cases) {
        const std::string bytes = test::EncodeEntry(c.fields);
        ByteCursor blob(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), "test");
        const PakEntry entry = DecodeEntry(blob, !c.fields.iv.empty());
        EXPECT_EQ(blob.Remaining(), 0u) << c.what;
        EXPECT_EQ(entry.hasIv, !c.fields.iv.empty()) << c.what;
        if (entry.hasIv) {
            EXPECT_EQ(std::string(entry.iv.begin(), entry.iv.end()), c.fields.iv) << c.what;
        }
        EXPECT_EQ(entry.offset, static_cast<int64_t>(c.fields.offset)) << c.what;
        EXPECT_EQ(entry.uncompressedSize, static_cast<int64_t>(c.fields.uncompressedSize)) << c.what;
        EXPECT_EQ(entry.size, static_cast<int64_t>(c.fields.method ? c.fields.size : c.fields.uncompressedSize))
            << c.what;
        EXPECT_EQ(entry.method, static_cast<int32_t>(c.fields.method)) << c.what;
        EXPECT_EQ(entry.encrypted, c.fields.encrypted) << c.what;
        ASSERT_EQ(entry.blocks.size(), c.fields.blockLengths.size()) << c.what;
        const int64_t header = c.fields.method ? 53 + 4 + 16 * static_cast<int64_t>(entry.blocks.size()) : 53;
        EXPECT_EQ(entry.headerSize, header) << c.what;
        int64_t at = header;
        for (std::size_t i = 0; i < entry.blocks.size(); ++i) {
            EXPECT_EQ(entry.blocks[i].start, at) << c.what << " block " << i;
            EXPECT_EQ(entry.blocks[i].end - entry.blocks[i].start, c.fields.blockLengths[i]) << c.what;
            at += c.fields.encrypted ? (c.fields.blockLengths[i] + 15) / 16 * 16 : c.fields.blockLengths[i];
        }
        if (entry.blocks.size() > 1) {
            EXPECT_EQ(entry.blockSize, c.fields.blockSize) << c.what;
        }
    }
}

// The two examples of encoded entries taken from a real version 11 pak.
TEST(EncodedEntry, RealBytesDecodeAsTheEngineMeantThem) {
    const unsigned char tenBlocks[] = {
        0xA0, 0x02, 0x80, 0xE0, 0x00, 0x08, 0x00, 0x00, 0x55, 0x2F, 0x09, 0x00, 0x46, 0x2D, 0x05, 0x00,
        0x99, 0x22, 0x00, 0x00, 0xEF, 0x0E, 0x00, 0x00, 0x34, 0x84, 0x00, 0x00, 0xB0, 0xB2, 0x00, 0x00,
        0xBA, 0xD3, 0x00, 0x00, 0xCE, 0xA7, 0x00, 0x00, 0x49, 0xC9, 0x00, 0x00, 0x05, 0xAD, 0x00, 0x00,
        0x47, 0xBF, 0x00, 0x00, 0xBD, 0x13, 0x00, 0x00};
    ByteCursor a(tenBlocks, sizeof tenBlocks, "test");
    const PakEntry first = DecodeEntry(a);
    EXPECT_EQ(first.offset, 2048);
    EXPECT_EQ(first.uncompressedSize, 601941);
    EXPECT_EQ(first.size, 339270);
    EXPECT_EQ(first.method, 1);
    EXPECT_FALSE(first.encrypted);
    EXPECT_EQ(first.blockSize, 65536u);
    ASSERT_EQ(first.blocks.size(), 10u);
    EXPECT_EQ(first.blocks[0].start, 217);
    EXPECT_EQ(first.blocks[0].end, 9074);
    EXPECT_EQ(first.blocks[9].end, 217 + 339270);

    const unsigned char encrypted[] = {0x7F, 0x00, 0xC0, 0xE0, 0x11, 0x28, 0x00, 0x00, 0x95, 0x02, 0x00, 0x00,
                                       0x11, 0x28, 0x00, 0x00, 0x50, 0x1E, 0x00, 0x00, 0x42, 0x1E, 0x00, 0x00};
    ByteCursor c(encrypted, sizeof encrypted, "test");
    const PakEntry second = DecodeEntry(c);
    EXPECT_EQ(second.offset, 661);
    EXPECT_EQ(second.uncompressedSize, 10257);
    EXPECT_EQ(second.size, 7760);
    EXPECT_TRUE(second.encrypted);
    ASSERT_EQ(second.blocks.size(), 1u);
    EXPECT_EQ(second.blocks[0].start, 73);
    EXPECT_EQ(second.blocks[0].end, 7819);
}

TEST(CompressionMethod, BitSetsUpToVersion7AndNamedSlotsFrom8) {
    PakFooter old;
    old.version = 7;
    PakFooter oldest;
    oldest.version = 3;
    PakFooter named;
    named.version = 11;
    named.methodNames = {"Oodle", "zlib", "", "GZIP", "LZ4"};
    struct Case {
        const PakFooter* footer;
        int32_t method;
        const char* name;  // "" when it must raise
        bool inflatable;
    } const cases[] = {
        {&old, 1, "Zlib", true},       {&old, 0x11, "Zlib", true},   {&old, 2, "Gzip", true},
        {&old, 4, "a custom method (such as Oodle)", false},        {&old, 8, "unknown method 8", false},
        {&oldest, 0, "Zlib", true},    {&named, 1, "Oodle", false},  {&named, 2, "zlib", true},
        {&named, 4, "GZIP", true},     {&named, 5, "LZ4", false},    {&named, 3, "", false},
        {&named, 0, "", false},        {&named, 6, "", false},
    };
    for (const auto& c : cases) {
        PakEntry entry;
        entry.method = c.method;
        if (*c.name == '\0') {
            EXPECT_THROW(MethodOf(*c.footer, entry), Exception) << c.method;
            continue;
        }
        const CompressionMethod method = MethodOf(*c.footer, entry);
        EXPECT_EQ(method.name, c.name) << c.method;
        EXPECT_EQ(method.format.has_value(), c.inflatable) << c.method;
    }
    PakEntry oodle;
    oodle.method = 1;
    EXPECT_EQ(CannotInflate(MethodOf(named, oodle)), "compressed with Oodle, which Pakmole cannot inflate");
}

}  // namespace
}  // namespace pakmole
