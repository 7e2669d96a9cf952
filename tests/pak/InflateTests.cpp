#include <gtest/gtest.h>

#include <zlib.h>

#include <climits>
#include <memory>

#include "base/Exceptions.h"
#include "base/FileSystem.h"
#include "pak/MemoryBlockInflater.h"
#include "pak/TempFileBlockInflater.h"
#include "pak/UtilityPasZlib.h"
#include "tests/support/PakBuilder.h"

namespace pakmole {
namespace {

using test::ZlibCompress;

TMemoryStream StreamOf(const std::string& bytes) {
    return TMemoryStream(std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

std::string Text(const TMemoryStream& s) { return std::string(s.Bytes().begin(), s.Bytes().end()); }

void Inflate(BlockInflater& inflater, TMemoryStream& block, TMemoryStream& output, int64_t room = INT64_MAX,
             BlockFormat format = BlockFormat::Zlib) {
    inflater.InflateBlock(block, output, format, room);
}

std::string GzipCompress(const std::string& data) {
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, static_cast<uLong>(data.size())) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::string Large() {
    std::string data;
    for (int i = 0; i < 100000; ++i) data += static_cast<char>((i * 7919) % 251);
    return data;
}

// Both ways of inflating a block must give the same bytes and the same errors.
class BlockInflaters : public ::testing::TestWithParam<bool> {
protected:
    std::unique_ptr<BlockInflater> Make() const {
        if (GetParam()) return std::make_unique<TempFileBlockInflater>();
        return std::make_unique<MemoryBlockInflater>();
    }
};

TEST_P(BlockInflaters, BlocksAppendInOrder) {
    const auto inflater = Make();
    TMemoryStream output;
    for (const char* piece : {"abc", "def"}) {
        auto block = StreamOf(ZlibCompress(piece));
        Inflate(*inflater, block, output);
    }
    EXPECT_EQ(Text(output), "abcdef");
    const std::string large = Large();
    auto block = StreamOf(ZlibCompress(large));
    Inflate(*inflater, block, output);
    EXPECT_EQ(Text(output), "abcdef" + large);
}

TEST_P(BlockInflaters, EdgesOfTheStream) {
    const std::string large = Large();
    const std::string packed = ZlibCompress(large, 1);
    struct Case {
        const char* what;
        std::string block;
        // Empty: must raise "Error"; otherwise the exact output, or a prefix of
        // `large` of at least this many bytes when cutShort.
        std::string expected;
        bool raises;
        bool cutShort;
    } const cases[] = {
        {"empty block", "", "", false, false},
        {"bytes after the stream are ignored", ZlibCompress("abc") + "trailing junk", "abc", false, false},
        {"all zero is not a zlib stream", std::string(64, '\0'), "", true, false},
        {"raw deflate is not a zlib stream", packed.substr(2), "", true, false},
        {"corrupt deflate data", packed.substr(0, 40) + std::string(200, '\xff'), "", true, false},
        {"a stream that wants a preset dictionary", std::string("\x78\xbb\0\0\0\0abcdef", 12), "", true, false},
        {"a stream cut short gives what it could", packed.substr(0, packed.size() / 2), "", false, true},
    };
    for (const auto& c : cases) {
        const auto inflater = Make();
        TMemoryStream output;
        auto block = StreamOf(c.block);
        if (c.raises) {
            try {
                Inflate(*inflater, block, output);
                ADD_FAILURE() << c.what << ": no error";
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "Error") << c.what;
            }
            continue;
        }
        ASSERT_NO_THROW(Inflate(*inflater, block, output)) << c.what;
        if (c.cutShort) {
            EXPECT_GT(output.Size(), 0) << c.what;
            EXPECT_LT(output.Size(), static_cast<int64_t>(large.size())) << c.what;
            EXPECT_EQ(Text(output), large.substr(0, static_cast<std::size_t>(output.Size()))) << c.what;
        } else {
            EXPECT_EQ(Text(output), c.expected) << c.what;
        }
    }
}

// Output beyond the room fails the block as soon as it shows, whatever the
// round trip; exactly the room is fine.
TEST_P(BlockInflaters, OutputIsBoundedByTheRoomGiven) {
    const std::string large = Large();
    struct Case {
        int64_t room;
        bool fits;
    } const cases[] = {{static_cast<int64_t>(large.size()), true},
                       {static_cast<int64_t>(large.size()) - 1, false},
                       {0, false},
                       {-5, false}};
    for (const auto& c : cases) {
        const auto inflater = Make();
        TMemoryStream output;
        auto block = StreamOf(ZlibCompress(large));
        if (c.fits) {
            Inflate(*inflater, block, output, c.room);
            EXPECT_EQ(Text(output), large);
            continue;
        }
        try {
            Inflate(*inflater, block, output, c.room);
            ADD_FAILURE() << c.room << ": no error";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), InflatesPastRecordedSize().what()) << c.room;
        }
        EXPECT_EQ(output.Size(), 0) << "nothing of the block is kept";
    }
}

TEST_P(BlockInflaters, GzipMembersInflateWhenAskedFor) {
    const auto inflater = Make();
    TMemoryStream output;
    auto block = StreamOf(GzipCompress("gzip data"));
    Inflate(*inflater, block, output, INT64_MAX, BlockFormat::Gzip);
    EXPECT_EQ(Text(output), "gzip data");
    auto zlibBlock = StreamOf(ZlibCompress("zlib data"));
    EXPECT_THROW(Inflate(*inflater, zlibBlock, output, INT64_MAX, BlockFormat::Gzip), Exception);
}

INSTANTIATE_TEST_SUITE_P(MemoryAndTempFiles, BlockInflaters, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "TempFiles" : "Memory"; });

TEST(TempFileBlockInflater, LeavesNoFilesAfterSuccessAndTmp1AfterAFailure) {
    TempFileBlockInflater inflater;
    const std::string tmp1 = inflater.CompressedPath(), tmp2 = inflater.InflatedPath();
    const std::string pid = std::to_string(CurrentProcessId());
    EXPECT_EQ(tmp1, ExecutableFolder() + "tmp1" + pid);
    EXPECT_EQ(tmp2, ExecutableFolder() + "tmp2" + pid);
    // A user's own files of the bare names are neither used nor removed.
    const std::string own1 = ExecutableFolder() + "tmp1", own2 = ExecutableFolder() + "tmp2";
    TMemoryStream mine;
    mine.WriteBuffer("mine", 4);
    mine.SaveToFile(own1);
    mine.SaveToFile(own2);
    TMemoryStream output;
    auto good = StreamOf(ZlibCompress("abc"));
    Inflate(inflater, good, output);
    EXPECT_FALSE(FileExists(tmp1));
    EXPECT_FALSE(FileExists(tmp2));
    auto bad = StreamOf(std::string(16, '\0'));
    EXPECT_THROW(Inflate(inflater, bad, output), Exception);
    EXPECT_TRUE(FileExists(tmp1));
    TMemoryStream still;
    still.LoadFromFile(own1);
    EXPECT_EQ(Text(still), "mine");
    still.LoadFromFile(own2);
    EXPECT_EQ(Text(still), "mine");
    for (const auto& path : {tmp1, tmp2, own1, own2}) RemoveFile(path);
}

TEST(UtilityPasZlib, InflateStreamReadsFromTheCurrentPosition) {
    auto source = StreamOf("skip" + ZlibCompress("payload"));
    source.SetPosition(4);
    TMemoryStream destination;
    UtilityPasZlib::InflateStream(source, destination);
    EXPECT_EQ(Text(destination), "payload");
}

}  // namespace
}  // namespace pakmole
