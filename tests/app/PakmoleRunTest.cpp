// pakmole.exe started as users and scripts start it, watched from outside.
#include <gtest/gtest.h>

#include "tests/app/PakmoleProcess.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::PakmoleProcess;

const char* const kTitle = "Pakmole by Tarvel";

// A small pak with a stored and a compressed entry under "Game/".
std::string WriteSamplePak(const test::TempFolder& folder, const std::string& name = "Sample.pak") {
    const std::string path = folder / name;
    test::PakBuilder()
        .MountPoint("Game/")
        .Stored("Content/readme.txt", "stored bytes")
        .Compressed("Content/Maps/level.umap", std::string(70000, 'm') + "end", 16 * 1024)
        .WriteTo(path);
    return path;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Watches a process for boxes while it works, and says whether one came up.
bool AnyBoxWhileRunning(PakmoleProcess& program, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (program.Running() && static_cast<int>(GetTickCount() - start) < timeoutMs) {
        if (program.FindWindowOfClass("TMessageForm") || program.FindWindowOfClass("#32770")) return true;
        Sleep(20);
    }
    return false;
}

TEST(PakmoleRunTest, PakPathArgumentExtractsRenamesAndClosesSilently) {
    test::TempFolder folder;
    const std::string pak = WriteSamplePak(folder);
    PakmoleProcess program({pak, "ignored", "further"});
    EXPECT_FALSE(AnyBoxWhileRunning(program, 30000));
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_FALSE(Exists(pak));
    EXPECT_TRUE(Exists(pak + "_unpacked.bak"));
    EXPECT_EQ(test::ReadWholeFile(folder / "Game\\Content\\readme.txt"), "stored bytes");
    EXPECT_EQ(test::ReadWholeFile(folder / "Game\\Content\\Maps\\level.umap"), std::string(70000, 'm') + "end");
}

TEST(PakmoleRunTest, FileListSwitchWritesTheListAndKeepsThePakName) {
    test::TempFolder folder;
    const std::string pak = WriteSamplePak(folder);
    PakmoleProcess program({"-filelist", pak});
    EXPECT_FALSE(AnyBoxWhileRunning(program, 30000));
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_TRUE(Exists(pak));
    const std::string list = test::ReadWholeFile(pak + "_filelist.txt");
    EXPECT_NE(list.find("Content\\readme.txt"), std::string::npos) << list;
    EXPECT_NE(list.find("Content\\Maps\\level.umap"), std::string::npos) << list;
    EXPECT_FALSE(Exists(folder / "Game"));
}

TEST(PakmoleRunTest, DamagedEntriesGiveExitCodeOne) {
    test::TempFolder folder;
    const std::string pak = folder / "Broken.pak";
    test::PakBuilderEntry bad;
    bad.name = "Content/bad.bin";
    bad.data = "never inflates";
    bad.compressed = true;
    bad.rawBlocks = {"this is not a zlib stream"};
    test::PakBuilder().MountPoint("Game/").Stored("Content/good.txt", "fine").Add(bad).WriteTo(pak);
    PakmoleProcess program({pak});
    EXPECT_EQ(program.WaitForExit(), 1);
    EXPECT_EQ(test::ReadWholeFile(folder / "Game\\Content\\good.txt"), "fine");
}

// Starts the program with the arguments, expects an error box with the text,
// dismisses it and checks that the window stays, ready for the user.
void ExpectErrorAndOpenWindow(const std::vector<std::string>& arguments, const std::string& expectedText,
                              bool containsOnly = false) {
    PakmoleProcess program(arguments);
    HWND box = program.WaitForWindow("#32770", 10000);
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(test::WindowText(box), kTitle);
    const std::string text = test::WindowText(GetDlgItem(box, 0xFFFF));
    if (containsOnly)
        EXPECT_NE(text.find(expectedText), std::string::npos) << text;
    else
        EXPECT_EQ(text, expectedText);
    test::DismissWithOk(box);
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    Sleep(300);
    EXPECT_TRUE(program.Running()) << "the window must stay open";
    // The button is usable again after a failed start.
    HWND unpack = PakmoleProcess::FindChild(main, "TButton", "Unpack");
    EXPECT_NE(unpack, nullptr);
    if (unpack) {
        EXPECT_TRUE(IsWindowEnabled(unpack));
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10000), 2);
}

TEST(PakmoleRunTest, LoneFileListSwitchShowsTheOpenErrorAndStays) {
    ExpectErrorAndOpenWindow({"-filelist"}, "Cannot open file", true);
}

TEST(PakmoleRunTest, CapitalisedSwitchIsTakenAsAPakPath) {
    test::TempFolder folder;
    const std::string pak = WriteSamplePak(folder);
    ExpectErrorAndOpenWindow({"-FILELIST", pak}, "-FILELIST", true);
    EXPECT_TRUE(Exists(pak));
    EXPECT_FALSE(Exists(pak + "_filelist.txt"));
}

TEST(PakmoleRunTest, RefusedCharactersInTheArgumentShowInvalidFileName) {
    // A double quote never survives the command line's own quoting; the
    // edit's check of it is covered in-process.
    for (const char* name : {"C:\\a<b.pak", "C:\\a>b.pak", "C:\\a|b.pak", "C:\\a*.pak", "C:\\a?.pak",
                             "C:/a.pak"}) {
        SCOPED_TRACE(name);
        ExpectErrorAndOpenWindow({name}, "Invalid file name");
        ExpectErrorAndOpenWindow({"-filelist", name}, "Invalid file name");
    }
}

// pakmole.exe started without arguments, its window up and past the
// run-mode decision: it waits for the user.
class InteractivePakmole : public ::testing::Test {
protected:
    void SetUp() override {
        main = program.MainWindow();
        ASSERT_NE(main, nullptr);
        Sleep(800);  // past the run-mode decision
    }
    // Closing the window ends the program with exit status 0.
    void CloseAndExpectCleanExit() {
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(10000), 0);
    }

    PakmoleProcess program{std::vector<std::string>{}};
    HWND main = nullptr;
};

TEST_F(InteractivePakmole, FileEditButtonShowsItsGlyph) {
    HWND edit = PakmoleProcess::FindChild(main, "TsFilenameEdit");
    ASSERT_NE(edit, nullptr);
    RECT client;
    GetClientRect(edit, &client);
    POINT origin{client.right - 18, 0};
    ClientToScreen(edit, &origin);
    EXPECT_GT(test::PixelsUnlikeTheFace(origin, 18, client.bottom), 40)
        << "the button at the edit's right edge shows no glyph";
    CloseAndExpectCleanExit();
}

TEST_F(InteractivePakmole, UnpackBeforeChoosingAFileAsksForOne) {
    HWND unpack = PakmoleProcess::FindChild(main, "TButton", "Unpack");
    ASSERT_NE(unpack, nullptr);
    test::ClickButton(unpack);
    HWND box = program.WaitForWindow("TMessageForm");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::WindowText(box), kTitle);
    EXPECT_EQ(test::MessageFormText(box), "Please select file!");
    test::DismissWithOk(box);
    Sleep(300);
    EXPECT_EQ(program.FindWindowOfClass("TMessageForm"), nullptr);
    EXPECT_EQ(test::WindowText(unpack), "Unpack");
    EXPECT_TRUE(IsWindowEnabled(unpack));
    CloseAndExpectCleanExit();
}

TEST_F(InteractivePakmole, ChoiceThroughTheOpenDialogEndsInDone) {
    test::TempFolder folder;
    const std::string pak = WriteSamplePak(folder);
    HWND edit = PakmoleProcess::FindChild(main, "TsFilenameEdit");
    ASSERT_NE(edit, nullptr);
    RECT client;
    GetClientRect(edit, &client);
    const LPARAM onButton = MAKELPARAM(client.right - 9, client.bottom / 2);
    PostMessageA(edit, WM_MOUSEMOVE, 0, onButton);
    PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
    PostMessageA(edit, WM_LBUTTONUP, 0, onButton);

    HWND dialog = program.WaitForWindow("#32770");
    ASSERT_NE(dialog, nullptr) << "no open dialog";
    Sleep(300);
    SetDlgItemTextA(dialog, 0x47c, pak.c_str());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    const DWORD start = GetTickCount();
    while (test::WindowText(edit) != pak && GetTickCount() - start < 5000) Sleep(20);
    EXPECT_EQ(test::WindowText(edit), pak);

    HWND unpack = PakmoleProcess::FindChild(main, "TButton", "Unpack");
    ASSERT_NE(unpack, nullptr);
    test::ClickButton(unpack);
    HWND done = program.WaitForWindow("TMessageForm", 30000);
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(test::MessageFormText(done), "DONE!");
    // The folder window was asked for: the shell shows the extracted "Game" folder.
    HWND folderWindow = nullptr;
    for (int i = 0; i < 250 && !folderWindow; ++i) {
        folderWindow = FindWindowA(nullptr, "Game");
        if (!folderWindow) Sleep(20);
    }
    EXPECT_NE(folderWindow, nullptr);
    // Every "Game" folder window goes, older ones of earlier runs included.
    for (int i = 0; i < 100; ++i) {
        HWND window = FindWindowA(nullptr, "Game");
        if (!window) break;
        PostMessageA(window, WM_CLOSE, 0, 0);
        Sleep(20);
    }
    EXPECT_TRUE(Exists(pak + "_unpacked.bak"));
    EXPECT_EQ(test::ReadWholeFile(folder / "Game\\Content\\readme.txt"), "stored bytes");
    test::DismissWithOk(done);
    Sleep(300);
    EXPECT_EQ(test::WindowText(unpack), "Unpack");
    EXPECT_TRUE(IsWindowEnabled(unpack));
    EXPECT_TRUE(program.Running());
    CloseAndExpectCleanExit();
}

}  // namespace
}  // namespace pakmole
