#include <gtest/gtest.h>

#include <string>

#include "base/Exceptions.h"
#include "base/FileStream.h"
#include "base/MemoryStream.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
    return bytes;
}

TEST(MemoryStream, PlainReadAtTheEndIsShortButBufferReadFails) {
    TMemoryStream s(std::vector<unsigned char>{1, 2, 3});
    unsigned char out[8] = {};
    EXPECT_EQ(s.Read(out, 8), 3u);
    EXPECT_EQ(s.Read(out, 8), 0u);
    s.SetPosition(1);
    EXPECT_THROW(s.ReadBuffer(out, 3), EStreamError);
    try {
        s.SetPosition(2);
        s.ReadBuffer(out, 2);
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
}

TEST(MemoryStream, LittleEndianIntegersAndShortReads) {
    TMemoryStream s(std::vector<unsigned char>{0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0x02});
    EXPECT_EQ(s.ReadInt32(), -2);
    // Two bytes left: the missing high bytes read as zero, nothing raises.
    EXPECT_EQ(s.ReadInt32(), 0x0201);
}

TEST(MemoryStream, SaveAndLoadRoundTripAndTruncate) {
    test::TempFolder folder;
    TMemoryStream s;
    const std::string bytes = Pattern(5000);
    s.WriteBuffer(bytes.data(), bytes.size());
    s.SaveToFile(folder / "a");
    TMemoryStream shorter(std::vector<unsigned char>{'x'});
    shorter.SaveToFile(folder / "a");  // create-or-truncate
    EXPECT_EQ(test::ReadWholeFile(folder / "a"), "x");
    s.SaveToFile(folder / "a");
    TMemoryStream back;
    back.LoadFromFile(folder / "a");
    EXPECT_EQ(back.Position(), 0);
    EXPECT_EQ(std::string(back.Bytes().begin(), back.Bytes().end()), bytes);
}

// A memory stream grows without clearing its memory; a write past the end
// must still leave zeros in the gap, not what the memory held before.
TEST(MemoryStream, AWritePastTheEndLeavesZerosBehindIt) {
    TMemoryStream s;
    const std::string old(100, 'x');
    s.WriteBuffer(old.data(), old.size());
    s.Clear();  // keeps the memory, with its 'x's
    s.SetPosition(50);
    s.WriteBuffer("y", 1);
    EXPECT_EQ(std::string(s.Bytes().begin(), s.Bytes().end()), std::string(50, '\0') + "y");
}

// The file stream buffers small reads; reads that straddle its buffer, seek
// back into it, or run past the end must see the file's own bytes.
TEST(FileStream, BufferedReadsMatchTheFile) {
    test::TempFolder folder;
    const std::string bytes = Pattern(200000);
    test::WriteWholeFile(folder / "f", bytes);
    TFileStream s(folder / "f", FileMode::OpenRead);
    EXPECT_EQ(s.Size(), 200000);
    struct Case {
        int64_t at;
        std::size_t count;
        std::size_t expected;
    };
    const Case cases[] = {{0, 1, 1},         {65535, 2, 2},       {65530, 70000, 70000}, {10, 100, 100},
                          {131071, 3, 3},    {199990, 20, 10},    {200000, 5, 0},        {250000, 5, 0},
                          {0, 200000, 200000}, {199999, 1, 1},    {65536, 65536, 65536}};
    for (const auto& c : cases) {
        std::string out(c.count, '\0');
        s.SetPosition(c.at);
        ASSERT_EQ(s.Read(out.data(), c.count), c.expected) << c.at;
        EXPECT_EQ(out.substr(0, c.expected), bytes.substr(std::min<std::size_t>(c.at, bytes.size()), c.expected))
            << c.at;
        EXPECT_EQ(s.Position(), c.at + static_cast<int64_t>(c.expected));
    }
}

TEST(FileStream, CopyFromFailsWhenFewerBytesRemain) {
    test::TempFolder folder;
    test::WriteWholeFile(folder / "f", Pattern(100));
    TFileStream s(folder / "f", FileMode::OpenRead);
    TMemoryStream into;
    s.SetPosition(50);
    EXPECT_THROW(into.CopyFrom(s, 51), EStreamError);
    s.SetPosition(50);
    into.CopyFrom(s, 50);
    EXPECT_EQ(into.Size(), 50);
}

TEST(FileStream, OpenErrorNamesTheFileAndTheReason) {
    test::TempFolder folder;
    const std::string missing = folder / "missing.pak";
    try {
        TFileStream s(missing, FileMode::OpenReadExclusive);
        FAIL() << "opened a missing file";
    } catch (const EFileError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << message;
        EXPECT_GT(message.size(), ("Cannot open file \"" + missing + "\". ").size()) << "no reason given";
    }
}

}  // namespace
}  // namespace pakmole
