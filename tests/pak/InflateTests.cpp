#include <gtest/gtest.h>

#include <zlib.h>

#include <climits>
#include <memory>

#include "base/Exceptions.h"
#include "base/FileSystem.h"
#include "pak/LibdeflateBlockInflater.h"
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

// Every way of inflating a block must give the same bytes and the same errors.
enum class Way { Memory, TempFiles, Libdeflate };

class BlockInflaters : public ::testing::TestWithParam<Way> {
protected:
    std::unique_ptr<BlockInflater> Make() const {
        switch (GetParam()) {
            case Way::TempFiles: return std::make_unique<TempFileBlockInflater>();
            case Way::Libdeflate: return std::make_unique<LibdeflateBlockInflater>();
            case Way::Memory: break;
        }
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
    const std::string abc = ZlibCompress("abc");
    // A zlib stream ends with the Adler-32 of its data, four bytes.
    std::string badCheck = abc;
    badCheck.back() = static_cast<char>(badCheck.back() ^ 1);
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
        {"a stream cut inside its check value gives all its data", abc.substr(0, abc.size() - 2), "abc", false, false},
        {"a stream cut in its header gives nothing", abc.substr(0, 1), "", false, false},
        {"a wrong check value", badCheck, "", true, false},
        {"a header that does not add up", "\x78\x9d" + abc.substr(2), "", true, false},
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

// A block may give less than the room left (the last block of an entry, or
// one that inflates short): exactly its bytes, nothing padded. Blocks far
// more compressible than usual, or larger than 64 KiB, come out whole too.
TEST_P(BlockInflaters, BlocksOfEverySizeComeOutExactly) {
    std::string text;
    for (int i = 0; text.size() < 300000; ++i) text += "line " + std::to_string(i % 97) + " of a log\n";
    struct Case {
        const char* what;
        std::string data;
        int64_t room;
    } const cases[] = {
        {"short of a huge room", "abc", INT64_MAX},
        {"short of a room of 64 KiB", Large().substr(0, 1000), 65536},
        {"exactly 64 KiB", Large().substr(0, 65536), 65536},
        {"4 MiB of one byte, in a room just that big", std::string(4 << 20, 'z'), 4 << 20},
        {"300 KB of text, in an open room", text, INT64_MAX},
    };
    for (const auto& c : cases) {
        const auto inflater = Make();
        TMemoryStream output;
        output.WriteBuffer("pre", 3);
        auto block = StreamOf(ZlibCompress(c.data));
        Inflate(*inflater, block, output, c.room);
        EXPECT_EQ(Text(output), "pre" + c.data) << c.what;
        EXPECT_EQ(output.Position(), output.Size()) << c.what;
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
    // A member cut inside its trailer (CRC-32 and size) still gives its data.
    const std::string member = GzipCompress("cut member");
    TMemoryStream cutOutput;
    auto cut = StreamOf(member.substr(0, member.size() - 3));
    Inflate(*inflater, cut, cutOutput, INT64_MAX, BlockFormat::Gzip);
    EXPECT_EQ(Text(cutOutput), "cut member");
}

INSTANTIATE_TEST_SUITE_P(EveryWay, BlockInflaters, ::testing::Values(Way::Memory, Way::TempFiles, Way::Libdeflate),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Way::TempFiles: return "TempFiles";
                                 case Way::Libdeflate: return "Libdeflate";
                                 case Way::Memory: break;
                             }
                             return "Memory";
                         });

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
