// vlzpack: packs files in the order given, under their bare names, and never
// leaves a broken package where the builds take it from.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TestPaths.h"
#include "tests/tools/PackageReader.h"
#include "tests/tools/SkinImages.h"
#include "tests/tools/ToolRun.h"

namespace pakmole::test {
namespace {

TEST(VlzPack, PacksFilesInTheGivenOrderUnderTheirBareNames) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "sub");
    const std::string binary("\0\x01\xff\0zz", 6);
    WriteWholeFile(folder / "sub/b.bin", binary);
    WriteWholeFile(folder / "Options.dat", "[GLOBALINFO]\r\nVERSION=8.00\r\n");
    WriteWholeFile(folder / "empty.txt", "");
    ASSERT_EQ(
        RunTool(VLZPACK_PATH, {folder / "out.vlz", folder / "sub/b.bin", folder / "Options.dat", folder / "empty.txt"}),
        0);
    const auto files = UnpackPackage(ReadWholeFile(folder / "out.vlz"));
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].name, "b.bin");
    EXPECT_EQ(files[0].bytes, binary);
    EXPECT_EQ(files[1].name, "Options.dat");
    EXPECT_EQ(files[1].bytes, "[GLOBALINFO]\r\nVERSION=8.00\r\n");
    EXPECT_EQ(files[2].name, "empty.txt");
    EXPECT_EQ(files[2].bytes, "");
}

TEST(VlzPack, PacksTheGeneratedSkinWhole) {
    TempFolder folder;
    std::vector<std::string> args{folder / "Emberline.vlz"};
    for (const std::string& name : Emberline().order) {
        WriteWholeFile(folder / name, Emberline().files.at(name));
        args.push_back(folder / name);
    }
    ASSERT_EQ(RunTool(VLZPACK_PATH, args), 0);
    const auto files = UnpackPackage(ReadWholeFile(folder / "Emberline.vlz"));
    ASSERT_EQ(files.size(), Emberline().order.size());
    for (size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(files[i].name, Emberline().order[i]);
        EXPECT_TRUE(files[i].bytes == Emberline().files.at(files[i].name)) << files[i].name;
    }
}

TEST(VlzPack, AMissingInputLeavesThePreviousPackageAlone) {
    TempFolder folder;
    WriteWholeFile(folder / "out.vlz", "previous package");
    WriteWholeFile(folder / "a.txt", "a");
    EXPECT_NE(RunTool(VLZPACK_PATH, {folder / "out.vlz", folder / "a.txt", folder / "missing.bmp"}), 0);
    EXPECT_EQ(ReadWholeFile(folder / "out.vlz"), "previous package");
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_TRUE(entry.path().filename() == "out.vlz" || entry.path().filename() == "a.txt") << entry.path();
}

TEST(VlzPack, AnUnwritableTargetFailsWithoutLeftovers) {
    TempFolder folder;
    WriteWholeFile(folder / "a.txt", "a");
    EXPECT_NE(RunTool(VLZPACK_PATH, {folder / "no/such/dir/out.vlz", folder / "a.txt"}), 0);
    EXPECT_NE(RunTool(VLZPACK_PATH, {folder / "out.vlz"}), 0) << "nothing to pack";
    EXPECT_FALSE(std::filesystem::exists(folder / "out.vlz"));
}

}  // namespace
}  // namespace pakmole::test
