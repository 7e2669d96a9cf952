#include <gtest/gtest.h>

#include <climits>

#include "base/MemoryStream.h"
#include "pak/PakFormatError.h"
#include "pak/PakReader.h"
#include "tests/support/PakBuilder.h"

namespace pakmole {
namespace {

using test::ByteWriter;

TMemoryStream StreamOf(const std::string& bytes) {
    return TMemoryStream(std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

// An index placed at 0 with the given head and records, then a footer.
std::string PakWithIndex(const std::string& index) {
    ByteWriter w;
    w.Bytes(index).Int32(0x5A6F12E1).Int32(3).Int64(0).Int64(static_cast<int64_t>(index.size())).Zeros(20);
    return w.Str();
}

struct NameCase {
    const char* what;
    std::string record;  // the name length and name bytes
    std::string expectedName;
    int64_t nameBytes;  // bytes consumed by the length field and the name
};

TEST(PakReader, NameLengthsSelectWidthAndConsumeTheirBytes) {
    const NameCase cases[] = {
        {"length 5, 8-bit", ByteWriter().Int32(5).Bytes("abcdX").Str(), "abcd", 9},
        {"length -5, 16-bit", ByteWriter().Int32(-5).Bytes(std::string("a\x01" "b\x02" "c\x00" "d\x7f", 8)).Zeros(2).Str(),
         "abcd", 14},
        {"length 0 takes the 16-bit branch", ByteWriter().Int32(0).Zeros(2).Str(), "", 6},
        {"length 1", ByteWriter().Int32(1).Zeros(1).Str(), "", 5},
        {"length -1", ByteWriter().Int32(-1).Zeros(2).Str(), "", 6},
        {"slashes become backslashes", ByteWriter().Name("G/Content/b.uasset").Str(), "G\\Content\\b.uasset", 23},
        {"16-bit above 255 keeps the low byte", ByteWriter().WideName(u"\u0141x").Str(), "Ax", 10},
    };
    for (const auto& c : cases) {
        ByteWriter index;
        index.Int32(0).Int32(1).Bytes(c.record).Int64(7).Int64(-3).Int64(9).Int32(0).Zeros(20).Zeros(5);
        auto s = StreamOf(PakWithIndex(index.Str()));
        PakReader reader(s);
        const auto head = reader.ReadIndexHead();
        ASSERT_EQ(head.entryCount, 1) << c.what;
        const auto entry = reader.ReadNextEntry();
        EXPECT_EQ(entry.name, c.expectedName) << c.what;
        EXPECT_EQ(entry.offset, 7) << c.what;
        EXPECT_EQ(entry.size, -3) << c.what;
        EXPECT_EQ(entry.zsize, 9) << c.what;
        EXPECT_EQ(s.Position(), 8 + c.nameBytes + 48 + 5) << c.what;
    }
}

TEST(PakReader, RecordLengthFollowsTheCompressionMethod) {
    struct Case {
        int32_t method;
        int32_t blockCount;
        int64_t tableBytes;
    } const cases[] = {{1, 3, 4 + 48}, {0, 0, 0}, {-1, 0, 0}, {7, 0, 4}};
    for (const auto& c : cases) {
        ByteWriter record;
        record.Name("abcd").Int64(0).Int64(0).Int64(0).Int32(c.method).Zeros(20);
        if (c.method > 0) record.Int32(c.blockCount).Zeros(static_cast<std::size_t>(16 * c.blockCount));
        record.Zeros(5);
        ByteWriter index;
        index.Int32(0).Int32(2).Bytes(record.Str()).Bytes(record.Str());
        auto s = StreamOf(PakWithIndex(index.Str()));
        PakReader reader(s);
        reader.ReadIndexHead();
        reader.ReadNextEntry();
        EXPECT_EQ(s.Position(), 8 + 4 + 5 + 8 + 8 + 8 + 4 + 20 + c.tableBytes + 5) << c.method;
        EXPECT_EQ(reader.ReadNextEntry().compressionMethod, c.method);
    }
}

TEST(PakReader, MountPointLengths) {
    struct Case {
        std::string head;
        std::string mountPoint;
    } const cases[] = {
        {ByteWriter().Int32(0).Int32(0).Str(), ""},
        {ByteWriter().Int32(1).Zeros(1).Int32(0).Str(), ""},
        {ByteWriter().Name("../../../").Int32(0).Str(), "..\\..\\..\\"},
        // The terminator is stepped over by position, whatever it holds.
        {ByteWriter().Int32(4).Bytes("abcZ").Int32(0).Str(), "abc"},
    };
    for (const auto& c : cases) {
        auto s = StreamOf(PakWithIndex(c.head));
        PakReader reader(s);
        const auto head = reader.ReadIndexHead();
        EXPECT_EQ(head.mountPoint, c.mountPoint);
        EXPECT_EQ(head.entryCount, 0);
    }
}

TEST(PakReader, FilesThatCannotBePaksAreRefusedAsAWhole) {
    struct Case {
        const char* what;
        std::string bytes;
    } const cases[] = {
        {"shorter than the footer", std::string(35, '\0')},
        {"index offset beyond the end", ByteWriter().Zeros(4).Int64(1000).Zeros(28).Str()},
        {"negative index offset", ByteWriter().Zeros(4).Int64(-8).Zeros(28).Str()},
        {"mount point longer than the file", PakWithIndex(ByteWriter().Int32(1000).Int32(0).Str())},
        {"negative mount point length", PakWithIndex(ByteWriter().Int32(-4).Int32(0).Str())},
        {"entry count that cannot fit", PakWithIndex(ByteWriter().Int32(0).Int32(INT_MAX).Str())},
    };
    for (const auto& c : cases) {
        auto s = StreamOf(c.bytes);
        PakReader reader(s);
        EXPECT_THROW(reader.ReadIndexHead(), EPakFormatError) << c.what;
    }
}

TEST(PakReader, RecordsRunningPastTheEndAreRefused) {
    const std::string records[] = {
        ByteWriter().Int32(INT_MIN).Str(),
        ByteWriter().Int32(INT_MAX).Str(),
        ByteWriter().Int32(5000).Bytes("ab").Str(),
        ByteWriter().Name("a").Int64(0).Int64(0).Int64(0).Int32(1).Zeros(20).Int32(1 << 26).Str(),
    };
    for (const auto& record : records) {
        ByteWriter index;
        // Padding so the entry count itself passes; the record is what is wrong.
        index.Int32(0).Int32(1).Bytes(record).Zeros(100);
        auto s = StreamOf(index.Str() + ByteWriter().Int32(0).Int32(3).Int64(0).Zeros(28).Str());
        PakReader reader(s);
        ASSERT_NO_THROW(reader.ReadIndexHead());
        EXPECT_THROW(reader.ReadNextEntry(), EPakFormatError);
    }
}

TEST(PakReader, EntryDataHeader) {
    test::PakBuilder builder;
    builder.Stored("s", "stored!").Compressed("c", std::string(300, 'z'), 100);
    auto s = StreamOf(builder.Build());
    PakReader reader(s);
    reader.ReadIndexHead();
    const auto stored = reader.ReadNextEntry();
    const auto compressed = reader.ReadNextEntry();
    EXPECT_EQ(reader.ReadBlockCount(stored), 0);
    EXPECT_EQ(s.Position(), stored.offset + 52);
    EXPECT_EQ(reader.ReadBlockCount(compressed), 3);
    const auto blocks = reader.ReadBlockTable(3);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].start, compressed.offset + 52 + 48 + 5);
    EXPECT_EQ(blocks[1].start, blocks[0].end);
    EXPECT_TRUE(reader.ReadBlockTable(-2).empty());
    EXPECT_THROW(reader.ReadBlockTable(1 << 24), Exception);
    PakIndexEntry outside = stored;
    outside.offset = s.Size();
    EXPECT_THROW(reader.ReadBlockCount(outside), Exception);
}

}  // namespace
}  // namespace pakmole
