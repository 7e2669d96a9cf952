// The data block of the live preview link.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "skin/manager/PreviewBlock.h"
#include "tests/skin/manager/PreviewBlockBuilder.h"

namespace pakmole {
namespace {

using test::PreviewBlockBytes;

TEST(PreviewBlockTest, FieldsEndAtTheirFirstZeroOrTheirFieldsEnd) {
    const auto read = ReadPreviewBlock(PreviewBlockBytes("Dark", "c:\\Skins", "[GLOBALINFO]").data(), kPreviewBlockSize);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->SkinName, "Dark");
    EXPECT_EQ(read->SkinDirectory, "c:\\Skins");
    EXPECT_EQ(read->Options, "[GLOBALINFO]");

    // A name that fills its field has no zero: it must not run into the next field.
    const auto full = ReadPreviewBlock(PreviewBlockBytes(std::string(200, 'n'), "d", "o").data(), kPreviewBlockSize);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->SkinName, std::string(kPreviewNameSize, 'n'));
    EXPECT_EQ(full->SkinDirectory, "d");
}

TEST(PreviewBlockTest, ShortOrUnsignedBlocksAreRefused) {
    const std::vector<unsigned char> good = PreviewBlockBytes("Dark", "c:\\Skins", "x");
    EXPECT_FALSE(ReadPreviewBlock(good.data(), kPreviewBlockSize - 1));
    EXPECT_FALSE(ReadPreviewBlock(good.data(), 4));
    EXPECT_FALSE(ReadPreviewBlock(nullptr, kPreviewBlockSize));
    EXPECT_FALSE(ReadPreviewBlock(PreviewBlockBytes("Dark", "c:\\Skins", "x", 0xA401).data(), kPreviewBlockSize));
    EXPECT_TRUE(ReadPreviewBlock(good.data(), kPreviewBlockSize + 10)) << "extra bytes do no harm";
}

}  // namespace
}  // namespace pakmole
