// Paths handed to the wide file functions: short ones as they are, long ones
// in the form that has no length limit, which Windows takes literally.
#include <gtest/gtest.h>

#include "base/FileStream.h"
#include "base/FileSystem.h"
#include "base/WidePath_win.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

TEST(WidePath, LongPathsTakeTheirUnlimitedForm) {
    const std::string longPart(300, 'x');
    struct Case {
        const char* what;
        std::string path;
        std::wstring expected;
    };
    const std::wstring wideLongPart(longPart.begin(), longPart.end());
    const Case cases[] = {
        {"short: unchanged", "C:\\a/b\\..\\c.txt", L"C:\\a/b\\..\\c.txt"},
        {"long: prefixed", "C:\\" + longPart, L"\\\\?\\C:\\" + wideLongPart},
        {"long: slashes and dot-dots resolved", "C:/skip/../" + longPart, L"\\\\?\\C:\\" + wideLongPart},
        {"long network path", "\\\\server\\share\\" + longPart, L"\\\\?\\UNC\\server\\share\\" + wideLongPart},
        {"already unlimited", "\\\\?\\C:\\" + longPart, L"\\\\?\\C:\\" + wideLongPart},
        {"UTF-8 characters", "C:\\\xe6\x97\xa5.txt", L"C:\\\x65e5.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(WidePath(c.path), c.expected) << c.what;
}

// A file more than MAX_PATH deep is created, found, renamed and read back.
TEST(WidePath, FilesDeeperThanMaxPathWork) {
    test::TempFolder root;
    std::string folder = root.Path();
    while (folder.size() < 320) folder += "\xe6\x97\xa5" "folder\\";
    ASSERT_TRUE(ForceDirectories(folder));
    ASSERT_TRUE(DirectoryExists(folder));
    {
        TFileStream out(folder + "a.bin", FileMode::Create);
        out.WriteBuffer("deep", 4);
    }
    ASSERT_TRUE(MoveFileReplacing(folder + "a.bin", folder + "b.bin"));
    EXPECT_FALSE(FileExists(folder + "a.bin"));
    {
        TFileStream in(folder + "b.bin", FileMode::OpenRead);
        char bytes[4] = {};
        in.ReadBuffer(bytes, 4);
        EXPECT_EQ(std::string(bytes, 4), "deep");
    }
    EXPECT_TRUE(IdentityOfFile(folder + "b.bin").has_value());
    EXPECT_TRUE(RemoveFile(folder + "b.bin"));
}

}  // namespace
}  // namespace pakmole
