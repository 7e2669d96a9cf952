#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/FileSystem.h"
#include "base/MemoryStream.h"
#include "skin/data/PackagedSkin.h"
#include "skin/data/SkinConvertor.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

// The built-in skin as the native build packs it.
class EmberlineSkin : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string path = test::SourcePath("build/skin/Emberline.vlz");
        if (!FileExists(path)) GTEST_SKIP() << path << " is not built yet";
        package_.LoadFromFile(path);
    }
    TMemoryStream package_;
};

TEST_F(EmberlineSkin, PackageHoldsOptionsAndTwoBitmaps) {
    auto convertor = std::make_unique<TvlSkinConvertor>();
    convertor->SetSourceData(&package_);
    TvlSkinConvertor::Unpack(convertor);
    ASSERT_TRUE(convertor);
    EXPECT_EQ(convertor->ImageCount, 2);
    ASSERT_EQ(convertor->ImageItems.size(), 2u);
    EXPECT_EQ(convertor->ImageItems[0].FileName, "ButtonHuge.bmp");
    EXPECT_EQ(convertor->ImageItems[1].FileName, "Master.bmp");
    EXPECT_TRUE(convertor->ImageItems[0].IsBitmap);
    EXPECT_TRUE(convertor->ImageItems[1].IsBitmap);
    ASSERT_TRUE(convertor->OptionsData);
    const auto& options = convertor->OptionsData->Bytes();
    EXPECT_EQ(std::string(options.begin(), options.begin() + std::min<std::size_t>(12, options.size())),
              "[GLOBALINFO]");
}

TEST_F(EmberlineSkin, ModelHasTheSixtySixSectionsInOrder) {
    TsSkinModel model;
    LoadPackagedSkin(model, package_, {});
    EXPECT_DOUBLE_EQ(model.SkinData.Version, 8.0);
    ASSERT_EQ(model.Sections.size(), 66u);
    EXPECT_EQ(model.Sections[0].SectionName, "GLOBALINFO");
    EXPECT_EQ(model.FindSection("FORM"), 33);
    EXPECT_EQ(model.FindSection("form"), -1);
    EXPECT_EQ(model.Sections.back().SectionName, "TB_MENUBTN");
    EXPECT_EQ(model.MasterBitmap.Width(), 713);
    EXPECT_EQ(model.MasterBitmap.Height(), 397);
    // The pieces the window needs are there.
    EXPECT_GE(model.Sections[33].FrameMask, 0);
    EXPECT_GE(model.FindSection("BUTTON"), 0);
    EXPECT_GE(model.FindSection("EDIT"), 0);
    EXPECT_GE(model.KnownIndexes.GlobalInfo, 0);
    // A frame mask's default margins and corner analysis ran without complaint,
    // and the one fixed corner kind holds.
    const int huge = model.FindMaskExact("BUTTON_HUGE", "BORDERSMASK");
    if (huge >= 0) {
        EXPECT_EQ(model.Masks[static_cast<std::size_t>(huge)].CornerKind, 2);
    }
}

}  // namespace
}  // namespace pakmole
