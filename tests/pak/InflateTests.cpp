#include <gtest/gtest.h>

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
        inflater->InflateBlock(block, output);
    }
    EXPECT_EQ(Text(output), "abcdef");
    const std::string large = Large();
    auto block = StreamOf(ZlibCompress(large));
    inflater->InflateBlock(block, output);
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
                inflater->InflateBlock(block, output);
                ADD_FAILURE() << c.what << ": no error";
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "Error") << c.what;
            }
            continue;
        }
        ASSERT_NO_THROW(inflater->InflateBlock(block, output)) << c.what;
        if (c.cutShort) {
            EXPECT_GT(output.Size(), 0) << c.what;
            EXPECT_LT(output.Size(), static_cast<int64_t>(large.size())) << c.what;
            EXPECT_EQ(Text(output), large.substr(0, static_cast<std::size_t>(output.Size()))) << c.what;
        } else {
            EXPECT_EQ(Text(output), c.expected) << c.what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MemoryAndTempFiles, BlockInflaters, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "TempFiles" : "Memory"; });

TEST(TempFileBlockInflater, LeavesNoFilesAfterSuccessAndTmp1AfterAFailure) {
    const std::string tmp1 = ExecutableFolder() + "tmp1", tmp2 = ExecutableFolder() + "tmp2";
    RemoveFile(tmp1);
    RemoveFile(tmp2);
    TempFileBlockInflater inflater;
    TMemoryStream output;
    auto good = StreamOf(ZlibCompress("abc"));
    inflater.InflateBlock(good, output);
    EXPECT_FALSE(FileExists(tmp1));
    EXPECT_FALSE(FileExists(tmp2));
    auto bad = StreamOf(std::string(16, '\0'));
    EXPECT_THROW(inflater.InflateBlock(bad, output), Exception);
    EXPECT_TRUE(FileExists(tmp1));
    RemoveFile(tmp1);
    RemoveFile(tmp2);
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
