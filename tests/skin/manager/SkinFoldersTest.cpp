// Skin folders derived from SkinDirectory, and the ".vlz" suffix rule.
#include <gtest/gtest.h>

#include "skin/manager/SkinFolders.h"
#include "tests/skin/manager/ManagerTestSupport.h"

namespace pakmole {
namespace {

struct FolderCase {
    const char* Directory;
    const char* PackageFolder;
    const char* SkinFolder;  // with the program in D:\App\ .
};

const FolderCase kFolderCases[] = {
    {"..\\Skins", "..\\Skins\\", "D:\\Skins"},
    {".\\Skins", ".\\Skins\\", "D:\\App\\Skins"},
    {"./Skins", "./Skins\\", "D:\\App\\Skins"},
    {"Skins", "Skins\\", "D:\\App\\Skins"},
    {"\\\\server\\share", "\\\\server\\share\\", "\\\\server\\share"},
    {"E:\\S", "E:\\S\\", "E:\\S"},
    {"c:\\Skins", "c:\\Skins\\", "c:\\Skins"},
    {"c:\\Skins\\", "c:\\Skins\\", "c:\\Skins\\"},
    {"Skins/", "Skins\\", "D:\\App\\Skins/"},
    {"E", "E:\\", "D:\\App\\E"},
    {"", "", "D:\\App\\"},
    {"..", "..\\", "D:\\"},
};

TEST(SkinFoldersTest, PackageAndResolvedFolderOfEachDirectory) {
    for (const FolderCase& c : kFolderCases) {
        SCOPED_TRACE(c.Directory);
        EXPECT_EQ(SkinPackageFolder(c.Directory), c.PackageFolder);
        EXPECT_EQ(ResolveSkinFolder(c.Directory, "D:\\App\\"), c.SkinFolder);
    }
}

TEST(SkinFoldersTest, ParentOfAProgramInADeeperFolder) {
    EXPECT_EQ(ResolveSkinFolder("..\\Skins", "D:\\Games\\App\\"), "D:\\Games\\Skins");
    EXPECT_EQ(ResolveSkinFolder("..\\Skins", "D:\\Games\\App"), "D:\\Games\\Skins");
}

TEST(SkinFoldersTest, ManagerTakesItsFoldersFromSkinDirectoryAndTellsOnChange) {
    auto manager = test::MakeManager("D:\\App\\");
    test::EventCounts events;
    events.Attach(*manager);
    manager->SetSkinDirectory("..\\Skins");
    EXPECT_EQ(manager->PackageFolder(), "..\\Skins\\");
    EXPECT_EQ(manager->SkinFolder(), "D:\\Skins");
    EXPECT_EQ(manager->Model().SkinData.ImageFolder, "D:\\Skins");
    EXPECT_EQ(events.SkinListChanged, 1);
    manager->SetSkinDirectory("..\\Skins");
    EXPECT_EQ(events.SkinListChanged, 1) << "the same directory again is no change";
    EXPECT_EQ(events.AfterChange, 0) << "a new directory reloads nothing";
}

struct SuffixCase {
    const char* Name;
    const char* Stripped;
};

const SuffixCase kSuffixCases[] = {
    {"Emberline (internal).vlz", "Emberline (internal)"},
    {"Emberline (internal).VLZ", "Emberline (internal)"},
    {"Emberline (internal).vLz", "Emberline (internal)"},
    {"a.vlz", "a"},
    {".vlz", ".vlz"},
    {"Dark.vlzx", "Dark.vlzx"},
    {"Dark.zip", "Dark.zip"},
    {"Dark", "Dark"},
};

TEST(SkinFoldersTest, PackageSuffixInAnyCaseIsRemovedFromLongerNames) {
    for (const SuffixCase& c : kSuffixCases) {
        SCOPED_TRACE(c.Name);
        std::string name = c.Name;
        EXPECT_EQ(StripPackageSuffix(name), std::string(c.Name) != c.Stripped);
        EXPECT_EQ(name, c.Stripped);
    }
}

}  // namespace
}  // namespace pakmole
