// The file-name edit family, driven through real windows and the platform's
// real file dialog.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "base/Exceptions.h"
#include "skin/controls/edits/sDirectoryEdit.h"
#include "skin/controls/edits/sFilenameEdit.h"
#include "skin/controls/edits/sGlyphUtils.h"
#include "tests/support/TestPaths.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"

namespace pakmole {
namespace {

using test::DialogWatcher;
using test::RecordingApplication;

const char* const kPlaceholder = "Select pak-file (Unreal Engine 4) for Unpacking";

class FilenameEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = app.App().CreateForm<TForm>();
        form->SetClientSize(459, 84);
        edit = new TsFilenameEdit(form);
        edit->SetParent(form);
        edit->SetBounds(16, 8, 433, 21);
        edit->SetText(kPlaceholder);
        edit->OnButtonClick = [this](TObject*) { events.push_back("click"); };
        edit->OnBeforeDialog = [this](TObject*, std::string& name, bool& action) {
            events.push_back("before:" + name);
            if (vetoDialog) action = false;
        };
        edit->OnAfterDialog = [this](TObject*, std::string& name, bool& action) {
            events.push_back(std::string("after:") + (action ? "ok:" : "cancel:") + name +
                             " text:" + edit->Text());
            if (!renameTo.empty()) name = renameTo;
        };
        form->Show();
    }

    // A click on the embedded button as the mouse makes it.
    void ClickButton() {
        TsEditButton* button = edit->Button();
        const LPARAM at = MAKELPARAM(button->Left() + button->Width() / 2, button->Height() / 2);
        SendMessageA(edit->Handle(), WM_MOUSEMOVE, 0, at);
        SendMessageA(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(edit->Handle(), WM_LBUTTONUP, 0, at);
    }

    RecordingApplication app;
    TForm* form = nullptr;
    TsFilenameEdit* edit = nullptr;
    std::vector<std::string> events;
    bool vetoDialog = false;
    std::string renameTo;
    test::TempFolder folder;
};

TEST(FilenameEditNameCheck, RefusesEachForbiddenCharacterAndKeepsTheText) {
    RecordingApplication app;
    TsFilenameEdit edit(nullptr);
    edit.SetText("C:\\before.pak");
    for (const char* bad : {"a<b.pak", "a>b.pak", "a\"b.pak", "a|b.pak", "a*.pak", "a?.pak",
                            "C:/paks/a.pak"}) {
        SCOPED_TRACE(bad);
        try {
            edit.SetFileName(bad);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Invalid file name");
        }
        EXPECT_EQ(edit.FileName(), "C:\\before.pak");
    }
}

TEST(FilenameEditNameCheck, TakesValidNamesUnchanged) {
    RecordingApplication app;
    TsFilenameEdit edit(nullptr);
    for (const char* good : {"C:\\Paks\\a.pak", "with spaces in it.pak", "\\\\server\\share\\x.pak",
                             "D:", "relative\\", kPlaceholder, ""}) {
        SCOPED_TRACE(good);
        edit.SetFileName(good);
        EXPECT_EQ(edit.FileName(), good);
    }
}

TEST(FilenameEditNameCheck, TextBypassesTheCheck) {
    RecordingApplication app;
    TsFilenameEdit edit(nullptr);
    edit.SetText("a?b");
    EXPECT_EQ(edit.FileName(), "a?b");
}

TEST_F(FilenameEditTest, ButtonIsEighteenWideAndTheTextStopsBeforeIt) {
    ASSERT_EQ(BuiltInGlyphs().Count(), 5) << "glyph strips missing from the resources";
    const int clientWidth = edit->ClientWidth();
    EXPECT_EQ(edit->Button()->Width(), 18);
    EXPECT_EQ(edit->Button()->Left(), clientWidth - 18);
    EXPECT_TRUE(edit->Button()->Visible());

    // Watch the formatting rectangle the edit sets from now on.
    RECT area{-1, -1, -1, -1};
    TWndMethod previous = edit->WindowProc;
    edit->WindowProc = [&](TMessage& m) {
        if (m.Msg == EM_SETRECTNP) area = *reinterpret_cast<RECT*>(m.LParam);
        previous(m);
    };
    edit->SetWidth(300);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.right, edit->ClientWidth() - 18);
    EXPECT_EQ(area.bottom, edit->ClientHeight());

    edit->SetShowButton(false);
    EXPECT_EQ(area.right, edit->ClientWidth());
    EXPECT_EQ(edit->Button()->Width(), 0);
    EXPECT_FALSE(edit->Button()->Visible());
    edit->SetShowButton(true);
    EXPECT_EQ(area.right, edit->ClientWidth() - 18);
    edit->WindowProc = previous;
}

TEST_F(FilenameEditTest, ChosenFileBecomesTheTextAfterTheAfterDialogHandler) {
    const std::string chosen = folder / "a.pak";
    test::WriteWholeFile(chosen, "x");
    std::string offered;
    DialogWatcher watcher([&](HWND dialog) {
        offered = test::FileDialogName(dialog);
        test::SetFileDialogName(dialog, chosen);
        test::PressDialogButton(dialog, IDOK);
    });
    ClickButton();
    ASSERT_TRUE(watcher.Seen());
    // The placeholder is a valid name without a folder: offered as it stands.
    EXPECT_EQ(offered, kPlaceholder);
    EXPECT_EQ(edit->Text(), chosen);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0], "click");
    EXPECT_EQ(events[1], std::string("before:") + kPlaceholder);
    EXPECT_EQ(events[2], "after:ok:" + chosen + " text:" + kPlaceholder);
    EXPECT_EQ(edit->InitialDir(), folder.Path());

    // The next dialog starts from the chosen file and its folder.
    std::string offeredAgain;
    DialogWatcher again([&](HWND dialog) {
        offeredAgain = test::FileDialogName(dialog);
        test::PressDialogButton(dialog, IDCANCEL);
    });
    ClickButton();
    ASSERT_TRUE(again.Seen());
    EXPECT_EQ(edit->Dialog()->FileName, chosen);
    EXPECT_EQ(edit->Dialog()->InitialDir, folder.Path());
}

TEST_F(FilenameEditTest, CancelKeepsTheTextButStillCallsAfterDialog) {
    DialogWatcher watcher([](HWND dialog) { test::PressDialogButton(dialog, IDCANCEL); });
    ClickButton();
    ASSERT_TRUE(watcher.Seen());
    EXPECT_EQ(edit->Text(), kPlaceholder);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[2], std::string("after:cancel:") + kPlaceholder + " text:" + kPlaceholder);
}

TEST_F(FilenameEditTest, BeforeDialogVetoRunsNoDialogAndNoAfterDialog) {
    vetoDialog = true;
    DialogWatcher watcher([](HWND dialog) { test::PressDialogButton(dialog, IDCANCEL); });
    ClickButton();
    test::PumpFor(400);
    EXPECT_FALSE(watcher.Seen());
    EXPECT_EQ(events, (std::vector<std::string>{"click", std::string("before:") + kPlaceholder}));
}

TEST_F(FilenameEditTest, AfterDialogHandlerDecidesTheNameTaken) {
    const std::string chosen = folder / "a.pak";
    test::WriteWholeFile(chosen, "x");
    renameTo = "C:\\elsewhere\\b.pak";
    DialogWatcher watcher([&](HWND dialog) {
        test::SetFileDialogName(dialog, chosen);
        test::PressDialogButton(dialog, IDOK);
    });
    ClickButton();
    ASSERT_TRUE(watcher.Seen());
    EXPECT_EQ(edit->Text(), "C:\\elsewhere\\b.pak");
}

TEST_F(FilenameEditTest, ReadOnlyButtonDoesNothing) {
    edit->SetReadOnly(true);
    DialogWatcher watcher([](HWND dialog) { test::PressDialogButton(dialog, IDCANCEL); });
    ClickButton();
    test::PumpFor(400);
    EXPECT_FALSE(watcher.Seen());
    EXPECT_TRUE(events.empty());
}

TEST_F(FilenameEditTest, WithoutDirectInputTypingAndPastingDoNothingButAltDownOpensTheDialog) {
    edit->SetDirectInput(false);
    HWND window = edit->Handle();
    SetFocus(window);
    SendMessageA(window, WM_CHAR, 'x', 1);
    SendMessageA(window, EM_SETSEL, 0, -1);
    SendMessageA(window, WM_CUT, 0, 0);
    SendMessageA(window, WM_CLEAR, 0, 0);
    if (OpenClipboard(window)) {
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 6);
        memcpy(GlobalLock(memory), "paste", 6);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }
    SendMessageA(window, WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text(), kPlaceholder);

    DialogWatcher watcher([](HWND dialog) { test::PressDialogButton(dialog, IDCANCEL); });
    SendMessageA(window, WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    ASSERT_TRUE(watcher.Seen());
    EXPECT_EQ(events.front(), "click");
}

TEST_F(FilenameEditTest, TypingWorksWithDirectInput) {
    HWND window = edit->Handle();
    SendMessageA(window, EM_SETSEL, 0, -1);
    SendMessageA(window, WM_CHAR, 'x', 1);
    EXPECT_EQ(edit->Text(), "x");
    // Enter never puts a line break into the one-line text.
    SendMessageA(window, WM_CHAR, '\r', 1);
    EXPECT_EQ(edit->Text(), "x");
}

TEST_F(FilenameEditTest, DialogKindChangeKeepsTheDialogSettings) {
    edit->SetFilter("Paks (*.pak)|*.pak");
    edit->SetFilterIndex(2);
    edit->SetInitialDir("C:\\Paks\\");
    edit->SetDefaultExt("pak");
    edit->SetDialogOptions(ofFileMustExist | ofEnableSizing);
    edit->Dialog()->FileName = "C:\\Paks\\a.pak";
    const int components = edit->ComponentCount();

    edit->SetDialogKind(TFileDialogKind::dkSave);
    ASSERT_NE(dynamic_cast<TsSaveDialog*>(edit->Dialog()), nullptr);
    EXPECT_EQ(edit->ComponentCount(), components) << "the old dialog must be freed";
    EXPECT_EQ(edit->Filter(), "Paks (*.pak)|*.pak");
    EXPECT_EQ(edit->FilterIndex(), 2);
    EXPECT_EQ(edit->InitialDir(), "C:\\Paks\\");
    EXPECT_EQ(edit->DefaultExt(), "pak");
    EXPECT_EQ(edit->DialogOptions(), ofFileMustExist | ofEnableSizing);
    EXPECT_EQ(edit->Dialog()->FileName, "C:\\Paks\\a.pak");

    edit->SetDialogKind(TFileDialogKind::dkOpen);
    auto* open = dynamic_cast<TsOpenDialog*>(edit->Dialog());
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->ZipShowing, TZipShowing::zsAsFile);
}

TEST(FilenameEditDefaults, FirstDialogAndStoredFilter) {
    RecordingApplication app;
    TsFilenameEdit edit(nullptr);
    EXPECT_EQ(edit.Filter(), "All files (*.*)|*.*");
    EXPECT_FALSE(edit.FilterStored());
    EXPECT_EQ(edit.DialogOptions(), 524292u);
    EXPECT_EQ(edit.ClickKey(), 32808);
    EXPECT_EQ(edit.MaxLength(), 255);
    EXPECT_EQ(edit.Height(), 21);
    edit.SetFilter("Pak-file of Unreal Engine 4 (*.pak)|*.pak|All files (*.*)|*.*");
    EXPECT_TRUE(edit.FilterStored());
}

// An HDROP as the shell hands it over, with the names given.
HGLOBAL MakeDrop(const std::vector<std::string>& names) {
    std::string list;
    for (const auto& n : names) list += n + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return memory;
}

TEST_F(FilenameEditTest, DroppedFilesGoThroughTheCheckedSetter) {
    edit->SetAcceptFiles(true);
    int dropped = 0;
    edit->OnDropFiles = [&](TObject*) { ++dropped; };
    // A long name is taken whole, not cut at the first 253 characters.
    const std::string longName = "C:\\" + std::string(300, 'd') + "\\a.pak";
    struct Case {
        std::vector<std::string> names;
        std::string text;
        size_t errors;
        int dropEvents;
    };
    const Case cases[] = {
        {{"C:\\Paks\\one.pak", "C:\\Paks\\two.pak"}, "C:\\Paks\\one.pak", 0, 1},
        {{longName}, longName, 0, 2},
        {{"C:\\bad?.pak"}, longName, 1, 2},
    };
    for (const Case& c : cases) {
        SendMessageA(edit->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(c.names)), 0);
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(app.Errors().size(), c.errors);
        EXPECT_EQ(dropped, c.dropEvents);
    }
    EXPECT_EQ(app.Errors().back(), "Invalid file name");
}

TEST_F(FilenameEditTest, MultipleSelectionDropKeepsEveryName) {
    edit->SetDialogOptions(ofAllowMultiSelect | ofEnableSizing);
    SendMessageA(edit->Handle(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop({"C:\\a.pak", "C:\\b.pak"})), 0);
    EXPECT_EQ(edit->Text(), "C:\\a.pak");
    EXPECT_EQ(edit->FileList(), (std::vector<std::string>{"C:\\a.pak", "C:\\b.pak"}));
    edit->SetFileName("C:\\c.pak");
    EXPECT_TRUE(edit->FileList().empty());
}

TEST(DirectoryEditTest, DroppedFileGivesItsFolderAndMultipleDirsAppend) {
    RecordingApplication app;
    test::TempFolder folder;
    const std::string file = folder / "x.pak";
    test::WriteWholeFile(file, "x");
    TForm* form = app.App().CreateForm<TForm>();
    auto* edit = new TsDirectoryEdit(form);
    edit->SetParent(form);
    edit->SetAcceptFiles(true);
    form->Show();
    SendMessageA(edit->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({file})), 0);
    EXPECT_EQ(edit->Text(), folder.Path());
    edit->MultipleDirs = true;
    SendMessageA(edit->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"C:\\Other"})), 0);
    EXPECT_EQ(edit->Text(), folder.Path() + ";C:\\Other");
}

}  // namespace
}  // namespace pakmole
