#include <gtest/gtest.h>

#include "base/FileSystem.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

TEST(FileSystem, ForceDirectoriesCreatesEveryMissingParent) {
    test::TempFolder folder;
    const std::string deep = folder / "a" + kFolderDelimiters[0] + "b" + kFolderDelimiters[0] + "c";
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep)) << "an existing folder is fine";
    test::WriteWholeFile(folder / "file", "x");
    EXPECT_FALSE(ForceDirectories(folder / "file" + kFolderDelimiters[0] + "sub")) << "a file stands in the way";
}

TEST(FileSystem, RenameNeverReplacesAnExistingFile) {
    test::TempFolder folder;
    test::WriteWholeFile(folder / "a", "a");
    test::WriteWholeFile(folder / "b", "b");
    EXPECT_FALSE(RenameFile(folder / "a", folder / "b"));
    EXPECT_EQ(test::ReadWholeFile(folder / "b"), "b");
    EXPECT_TRUE(RenameFile(folder / "a", folder / "c"));
    EXPECT_FALSE(FileExists(folder / "a"));
    EXPECT_TRUE(FileExists(folder / "c"));
}

TEST(FileSystem, ExecutableFolderEndsWithADelimiterAndExists) {
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(kFolderDelimiters.find(folder.back()), std::string_view::npos);
    EXPECT_TRUE(DirectoryExists(folder));
}

}  // namespace
}  // namespace pakmole
