#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/SkinFileSource.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

// Restores the current folder on every path.
struct InFolder {
    std::filesystem::path previous = std::filesystem::current_path();
    explicit InFolder(const std::string& folder) { std::filesystem::current_path(folder); }
    ~InFolder() { std::filesystem::current_path(previous); }
};

TEST(SkinFileSource, RelativeNamesNeedAFolderOfTheSkin) {
    test::TempFolder folder;
    test::WriteWholeFile(folder / "GLOW.PNG", "png bytes");
    InFolder here(folder.Path());
    TSkinFileSource files;
    std::vector<unsigned char> bytes;
    EXPECT_FALSE(files.FindImage("GLOW.PNG", "GLOW.PNG", "", true, bytes))
        << "a skin without a folder must not read the current folder";
    EXPECT_TRUE(files.FindImage("GLOW.PNG", "GLOW.PNG", folder.Path(), true, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "png bytes");
    EXPECT_FALSE(files.FindImage("GLOW.PNG", "GLOW.PNG", folder.Path(), false, bytes)) << "files not allowed";
}

}  // namespace
}  // namespace pakmole
