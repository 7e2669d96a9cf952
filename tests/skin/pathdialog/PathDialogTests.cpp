// The folder selection dialog under Wine: its tree over a small folder tree
// made by the test, "Create", "OK" and "Cancel" with and without a rename in
// progress, the folder edit that runs it, its stored description, its root
// buttons and what the screen shows of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Exceptions.h"
#include "base/FileSystem.h"
#include "skin/controls/adapters/sBitBtn.h"
#include "skin/controls/adapters/sLabel.h"
#include "skin/controls/adapters/sScrollBox.h"
#include "skin/controls/adapters/sSpeedButton.h"
#include "skin/controls/edits/sDirectoryEdit.h"
#include "skin/controls/pathdialog/sShellTreeViewRoots.h"
#include "skin/controls/pathdialog/vlPathDialog.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/adapters/SkinnedForm.h"
#include "tests/support/TestPaths.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/GdiHandles.h"

namespace pakmole::test {
namespace {

std::string LongPath(const std::string& path) {
    char full[MAX_PATH * 2] = {};
    const DWORD n = GetLongPathNameA(path.c_str(), full, sizeof(full));
    std::string result = n > 0 && n < sizeof(full) ? std::string(full) : path;
    if (result.size() > 3 && result.back() == '\\') result.pop_back();
    return result;
}

// Runs act once the folder dialog's modal loop runs (from a timer of this thread).
class WhenDialogRuns {
public:
    explicit WhenDialogRuns(std::function<void(TPathDialogForm&)> act) : act_(std::move(act)) {
        instance_ = this;
        timer_ = SetTimer(nullptr, 0, 50, &Tick);
    }
    ~WhenDialogRuns() {
        KillTimer(nullptr, timer_);
        instance_ = nullptr;
    }
    WhenDialogRuns(const WhenDialogRuns&) = delete;
    WhenDialogRuns& operator=(const WhenDialogRuns&) = delete;
    bool Ran() const { return ran_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        WhenDialogRuns* self = instance_;
        TPathDialogForm* form = PathDialogForm();
        if (!self || self->ran_ || !form || !form->IsModal()) return;
        self->ran_ = true;
        KillTimer(nullptr, self->timer_);
        self->act_(*form);
        // A test that failed half-way must not leave the loop waiting.
        if (form->ModalResult() == mrNone && PathDialogForm() == form && ::testing::Test::HasFailure())
            form->SetModalResult(mrCancel);
    }
    static inline WhenDialogRuns* instance_ = nullptr;
    std::function<void(TPathDialogForm&)> act_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};

void Press(TsBitBtn* button) { SendMessageA(button->Handle(), BM_CLICK, 0, 0); }

// root\alpha\beta, root\gamma and a file root\note.txt.
class PathDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin->Active());
        root = LongPath(folder.Path());
        ASSERT_TRUE(ForceDirectories(root + "\\alpha\\beta"));
        ASSERT_TRUE(ForceDirectories(root + "\\gamma"));
        WriteWholeFile(root + "\\note.txt", "x");
    }
    TPathDialogForm& NewForm(bool rootButtons = false) {
        form.reset(new TPathDialogForm(&app.App()));
        form->SetCaptions();
        form->ShowRootButtons(rootButtons);
        form->SetAnchors();
        return *form;
    }
    // The form with its root buttons, shown at a known place with the
    // pointer away from it, and painted.
    void ShowWithRootButtons() {
        NewForm(true);
        form->SetPosition(TPosition::poDesigned);
        form->SetBounds(60, 60, form->Width(), 420);
        MovePointer(POINT{2, 2});
        form->Show();
        PumpFor(600);
    }
    std::vector<std::string> ChildTexts(TTreeNode node) {
        std::vector<std::string> texts;
        for (TTreeNode child : form->sShellTreeView1->Children(node))
            texts.push_back(form->sShellTreeView1->NodeText(child));
        return texts;
    }

    RecordingApplication app;
    ComponentPtr<TsSkinManager> skin = AppliedInternalSkin();
    TempFolder folder;
    std::string root;
    ComponentPtr<TPathDialogForm> form;
};

TEST_F(PathDialogTest, TreeListsTheShellsFoldersAndOpensANode) {
    NewForm().Show();
    TsShellTreeView& tree = *form->sShellTreeView1;
    ASSERT_NE(tree.TopItem(), nullptr);
    tree.SetSelectedPath(root);
    EXPECT_EQ(tree.SelectedPath(), root);
    TTreeNode top = tree.Selected();
    tree.Expand(top);
    // Folders only, in name order: the file is left out.
    EXPECT_EQ(ChildTexts(top), (std::vector<std::string>{"alpha", "gamma"}));
    TTreeNode alpha = tree.Children(top).at(0);
    EXPECT_TRUE(tree.HasChildren(alpha));
    EXPECT_FALSE(tree.Expanded(alpha));
    tree.Expand(alpha);
    EXPECT_TRUE(tree.Expanded(alpha));
    ASSERT_EQ(ChildTexts(alpha), (std::vector<std::string>{"beta"}));
    EXPECT_EQ(tree.NodePath(tree.Children(alpha).at(0)), root + "\\alpha\\beta");

    // A folder made behind the tree's back shows once its node is refreshed.
    ASSERT_TRUE(ForceDirectories(root + "\\delta"));
    EXPECT_EQ(ChildTexts(top).size(), 2u);
    tree.RefreshNode(top);
    EXPECT_EQ(ChildTexts(top), (std::vector<std::string>{"alpha", "delta", "gamma"}));
}

TEST_F(PathDialogTest, PathsThatCannotBeSelectedRaiseErrorSettingPath) {
    NewForm().Show();
    for (const std::string& path : {std::string("Q:\\pakmole\\nowhere"), root + "\\missing\\deeper"}) {
        try {
            form->sShellTreeView1->SetSelectedPath(path);
            ADD_FAILURE() << path << " was selected";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Error Setting Path") << path;
        }
    }
}

TEST_F(PathDialogTest, AFolderOutsideTheRootLeavesTheTreeAtItsRoot) {
    NewForm().Show();
    TsShellTreeView& tree = *form->sShellTreeView1;
    // The documents folder as root: the test's folder lies elsewhere.
    tree.SetRoot("rfPersonal");
    ASSERT_NE(tree.TopItem(), nullptr);
    const std::string documents = tree.NodePath(tree.TopItem());
    ASSERT_NE(root.rfind(documents + "\\", 0), 0u) << root << " lies in " << documents;
    EXPECT_NO_THROW(tree.SetSelectedPath(root + "\\gamma"));
    EXPECT_EQ(tree.Selected(), tree.TopItem());
    EXPECT_EQ(tree.SelectedPath(), documents);
}

TEST_F(PathDialogTest, OkAndCreateFollowWhetherTheSelectionIsAFolder) {
    NewForm().Show();
    TsShellTreeView& tree = *form->sShellTreeView1;
    // The computer is a place of the shell, not a folder on a disk.
    TTreeNode computer = nullptr;
    for (TTreeNode child : tree.Children(tree.TopItem()))
        if (tree.NodePath(child).rfind("::", 0) == 0) computer = child;
    ASSERT_NE(computer, nullptr);
    const struct {
        std::function<void()> select;
        bool enabled;
    } cases[] = {
        {[&] { tree.SetSelectedPath(root + "\\gamma"); }, true},
        {[&] { tree.Select(computer); }, false},
        {[&] { tree.SetSelectedPath(root + "\\alpha\\beta"); }, true},
    };
    for (const auto& c : cases) {
        c.select();
        EXPECT_EQ(form->sBitBtn1->Enabled(), c.enabled) << tree.SelectedPath();
        EXPECT_EQ(form->sBitBtn3->Enabled(), c.enabled) << tree.SelectedPath();
    }
}

TEST(PathDialogNewFolder, TakesTheFirstFreeNumber) {
    const struct {
        std::string folder;
        std::vector<std::string> present;
        std::string expected;
    } cases[] = {
        {"C:\\Data", {}, "C:\\Data\\New folder1"},
        {"C:\\Data\\", {}, "C:\\Data\\New folder1"},
        {"C:\\Data", {"C:\\Data\\New folder1", "C:\\Data\\New folder2"}, "C:\\Data\\New folder3"},
        {"C:\\Data", {"C:\\Data\\New folder2"}, "C:\\Data\\New folder1"},
    };
    for (const auto& c : cases) {
        auto exists = [&](const std::string& p) {
            return std::find(c.present.begin(), c.present.end(), p) != c.present.end();
        };
        EXPECT_EQ(TPathDialogForm::NewFolderPath(c.folder, exists), c.expected);
    }
}

TEST_F(PathDialogTest, CreateMakesNumberedFoldersAndStartsTheirRename) {
    NewForm().Show();
    TsShellTreeView& tree = *form->sShellTreeView1;
    const std::string gamma = root + "\\gamma";
    for (const char* expected : {"New folder1", "New folder2"}) {
        tree.SetSelectedPath(gamma);
        Press(form->sBitBtn3);
        EXPECT_TRUE(DirectoryExists(gamma + "\\" + expected));
        EXPECT_EQ(tree.SelectedPath(), gamma + "\\" + expected);
        EXPECT_EQ(tree.NodeText(tree.Selected()), expected);
        EXPECT_TRUE(tree.IsEditing());
        tree.EndEditing(true);
    }
    // With 1 and 2 taken (and 3 made beside the tree), the next is 4.
    ASSERT_TRUE(ForceDirectories(gamma + "\\New folder3"));
    tree.SetSelectedPath(gamma);
    Press(form->sBitBtn3);
    EXPECT_EQ(tree.SelectedPath(), gamma + "\\New folder4");
    tree.EndEditing(true);
    EXPECT_TRUE(app.Errors().empty());
}

TEST_F(PathDialogTest, AFolderThatCannotBeMadeIsReported) {
    NewForm().Show();
    const std::string gamma = root + "\\gamma";
    form->sShellTreeView1->SetSelectedPath(gamma);
    // The folder goes away while the dialog shows it.
    ASSERT_TRUE(RemoveDirectoryA(gamma.c_str()));
    std::string text;
    DialogWatcher watcher([&](HWND box) {
        text = MessageBoxText(box);
        PressDialogButton(box, IDOK);
    });
    Press(form->sBitBtn3);
    EXPECT_TRUE(watcher.Seen());
    EXPECT_EQ(watcher.Caption(), "Error");
    EXPECT_EQ(text, "Directory " + gamma + "\\New folder1 can`t be created!");
    EXPECT_FALSE(DirectoryExists(gamma));
}

TEST_F(PathDialogTest, OkAndCancelWaitForARenameToEnd) {
    // Either press ends the rename, keeping the typed name, and leaves the
    // dialog open; the next press closes it with the button's result.
    const struct {
        int button;  // 1 OK, 2 Cancel
        TModalResult result;
    } cases[] = {{1, mrOk}, {2, mrCancel}};
    const std::string gamma = root + "\\gamma";
    for (const auto& c : cases) {
        NewForm();
        form->sShellTreeView1->SetSelectedPath(gamma);
        TsBitBtn* button = c.button == 1 ? form->sBitBtn1 : form->sBitBtn2;
        bool stayedOpen = false, editing = true;
        std::string selected;
        WhenDialogRuns run([&](TPathDialogForm& f) {
            Press(f.sBitBtn3);
            HWND edit = f.sShellTreeView1->EditControl();
            ASSERT_NE(edit, nullptr);
            SetWindowTextA(edit, "Renamed");
            Press(button);
            stayedOpen = f.ModalResult() == mrNone && f.Visible();
            editing = f.sShellTreeView1->IsEditing();
            selected = f.sShellTreeView1->SelectedPath();
            Press(button);
        });
        EXPECT_EQ(form->ShowModal(), c.result);
        EXPECT_TRUE(run.Ran());
        EXPECT_TRUE(stayedOpen) << c.button;
        EXPECT_FALSE(editing) << c.button;
        EXPECT_EQ(selected, gamma + "\\Renamed");
        EXPECT_TRUE(DirectoryExists(gamma + "\\Renamed"));
        EXPECT_FALSE(DirectoryExists(gamma + "\\New folder1"));
        form.reset();
        RemoveDirectoryA((gamma + "\\Renamed").c_str());
    }
}

TEST_F(PathDialogTest, FolderEditRunsTheDialogAndTakesTheChosenFolder) {
    const std::string alpha = root + "\\alpha", beta = alpha + "\\beta";
    const struct {
        bool ok;
        bool noChangeDir;
        TSelectDirOpts options;
        std::string text;  // afterwards
        std::string currentDir;
    } cases[] = {
        {true, false, sdAllowCreate, beta, alpha},
        {false, false, 0, alpha, alpha},
        {true, true, sdAllowCreate, beta, ""},
    };
    TForm* host = app.App().CreateForm<TForm>();
    auto* edit = new TsDirectoryEdit(host);
    edit->SetParent(host);
    edit->SetBounds(16, 32, 433, 21);
    host->Show();
    EXPECT_EQ(edit->Root, "rfDesktop");
    EXPECT_EQ(edit->DialogOptions, sdAllowCreate | sdPerformCreate | sdPrompt);
    for (const auto& c : cases) {
        SetCurrentDirectoryA(root.c_str());
        edit->SetText(alpha);
        edit->InitialDir.clear();
        edit->NoChangeDir = c.noChangeDir;
        edit->DialogOptions = c.options;
        std::string afterName;
        edit->OnAfterDialog = [&](TObject*, std::string& name, bool&) { afterName = name; };
        std::string initial, caption;
        bool createShown = false;
        WhenDialogRuns run([&](TPathDialogForm& f) {
            initial = f.sShellTreeView1->SelectedPath();
            caption = f.Caption();
            createShown = f.sBitBtn3->Visible();
            f.sShellTreeView1->SetSelectedPath(beta);
            Press(c.ok ? f.sBitBtn1 : f.sBitBtn2);
        });
        // Alt+Down works the button.
        SendMessageA(edit->Handle(), WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
        EXPECT_TRUE(run.Ran());
        EXPECT_EQ(PathDialogForm(), nullptr);  // freed after the run
        EXPECT_EQ(initial, alpha);
        EXPECT_EQ(caption, "Select directory");
        EXPECT_EQ(createShown, c.options == sdAllowCreate);
        EXPECT_EQ(afterName, c.text);
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(edit->InitialDir, c.ok ? beta : "");
        char current[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof(current), current);
        EXPECT_EQ(LongPath(current), c.currentDir.empty() ? root : c.currentDir);
    }
    EXPECT_TRUE(app.Errors().empty()) << app.Errors().front();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof(temp), temp);
    SetCurrentDirectoryA(temp);  // lets the folder go
}

TEST_F(PathDialogTest, StoredDescriptionAndAnchors) {
    NewForm();
    EXPECT_EQ(form->Caption(), "Select directory");
    EXPECT_EQ(form->Width(), 350);
    EXPECT_EQ(form->Height(), 420);
    EXPECT_EQ(form->Position(), TPosition::poScreenCenter);
    const struct {
        const char* name;
        const char* className;
        RECT bounds;  // left, top, width, height
        int tabOrder;
        const char* caption;
        bool enabled, visible;
    } cases[] = {
        {"sBitBtn1", "TsBitBtn", {173, 344, 75, 25}, 1, "OK", true, true},
        {"sBitBtn2", "TsBitBtn", {250, 344, 75, 25}, 2, "Cancel", true, true},
        {"sBitBtn3", "TsBitBtn", {12, 344, 75, 25}, 3, "Create", false, true},
        {"sShellTreeView1", "TsShellTreeView", {8, 20, 321, 319}, 0, nullptr, true, true},
        {"sScrollBox1", "TsScrollBox", {8, 20, 101, 318}, 4, nullptr, true, false},
    };
    for (const auto& c : cases) {
        auto* control = dynamic_cast<TWinControl*>(form->FindComponent(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->ClassName(), c.className);
        EXPECT_EQ(control->Left(), c.bounds.left) << c.name;
        EXPECT_EQ(control->Top(), c.bounds.top) << c.name;
        EXPECT_EQ(control->Width(), c.bounds.right) << c.name;
        EXPECT_EQ(control->Height(), c.bounds.bottom) << c.name;
        EXPECT_EQ(control->TabOrder(), c.tabOrder) << c.name;
        if (c.caption) {
            EXPECT_EQ(control->Caption(), c.caption);
        }
        EXPECT_EQ(control->Enabled(), c.enabled) << c.name;
        EXPECT_EQ(control->Visible(), c.visible) << c.name;
    }
    EXPECT_TRUE(form->sBitBtn1->Default());
    EXPECT_EQ(form->sBitBtn1->ModalResult(), mrOk);
    EXPECT_TRUE(form->sBitBtn2->Cancel());
    EXPECT_EQ(form->sBitBtn2->ModalResult(), mrCancel);
    EXPECT_FALSE(form->sBitBtn1->ShowFocus());
    EXPECT_EQ(form->sBitBtn3->SkinData().SkinSection(), "BUTTON");
    EXPECT_EQ(form->sShellTreeView1->SkinData().SkinSection(), "EDIT");
    EXPECT_EQ(form->sShellTreeView1->Root(), "rfDesktop");
    EXPECT_EQ(form->sShellTreeView1->Indent(), 19);
    EXPECT_FALSE(form->sShellTreeView1->ShowRoot());
    EXPECT_EQ(form->sShellTreeView1->ObjectTypes(), otFolders | otHidden);
    EXPECT_EQ(form->sShellTreeView1->BoundLabel().Indent(), 4);
    EXPECT_EQ(form->sSkinProvider1->SkinData().SkinSection(), "DIALOG");
    EXPECT_FALSE(form->sSkinProvider1->ShowAppIcon());
    EXPECT_FALSE(form->sLabel1->Visible());  // no root buttons
    EXPECT_EQ(form->sLabel1->Caption(), "Root :");
    ASSERT_NE(form->ImageList1, nullptr);

    form->Show();
    MINMAXINFO info{};
    SendMessageA(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, TPathDialogForm::kMinWidth);
    EXPECT_EQ(info.ptMinTrackSize.y, TPathDialogForm::kMinHeight);
    // Grown by 100 each way: the tree grows, OK and Cancel keep to the
    // bottom right corner, Create to the bottom left.
    form->SetBounds(form->Left(), form->Top(), 450, 520);
    EXPECT_EQ(form->sShellTreeView1->Width(), 421);
    EXPECT_EQ(form->sShellTreeView1->Height(), 419);
    EXPECT_EQ(form->sBitBtn1->Left(), 273);
    EXPECT_EQ(form->sBitBtn1->Top(), 444);
    EXPECT_EQ(form->sBitBtn2->Left(), 350);
    EXPECT_EQ(form->sBitBtn3->Left(), 12);
    EXPECT_EQ(form->sBitBtn3->Top(), 444);
}

TEST_F(PathDialogTest, RootButtonsMakeRoomAndMoveTheRoot) {
    form.reset(new TPathDialogForm(&app.App()));
    form->SetCaptions();
    const int width = form->Width();
    form->ShowRootButtons(true);
    form->SetAnchors();
    form->Show();
    const int room = form->sScrollBox1->Width() + 4;
    EXPECT_EQ(form->Width(), width + room + GetSystemMetrics(SM_CXFRAME) + 4);
    EXPECT_EQ(form->sShellTreeView1->Left(), 8 + room);
    EXPECT_EQ(form->sBitBtn1->Left(), 173 + room);
    EXPECT_EQ(form->sBitBtn3->Left(), 12);
    EXPECT_TRUE(form->sLabel1->Visible());
    EXPECT_TRUE(form->sScrollBox1->Visible());
    const TvlRootFolder expected[] = {TvlRootFolder::rfDesktop, TvlRootFolder::rfMyComputer,
                                      TvlRootFolder::rfPersonal, TvlRootFolder::rfNetwork};
    ASSERT_EQ(form->RootButtons().size(), std::size(expected));
    TsShellTreeView& tree = *form->sShellTreeView1;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        TsSpeedButton* button = form->RootButtons()[i];
        EXPECT_EQ(button->Tag(), static_cast<long>(expected[i]));
        EXPECT_EQ(button->Top(), static_cast<int>(i) * 70);
        EXPECT_FALSE(button->Caption().empty());
        button->Click();
        EXPECT_EQ(tree.Root(), RootFolderName(expected[i]));
        // The tree starts at the place the button names.
        ASSERT_NE(tree.TopItem(), nullptr);
        EXPECT_EQ(tree.NodeText(tree.TopItem()), button->Caption());
    }
}

TEST_F(PathDialogTest, SizeGripInTheBottomRightCorner) {
    NewForm();
    EXPECT_EQ(form->sSkinProvider1->GripMode(), gmRightBottom);
    form->SetPosition(TPosition::poDesigned);
    form->SetBounds(60, 60, 350, 420);
    form->Show();
    PumpFor(400);
    // The skin's grip image, GRIPIMAGE of GLOBALINFO.
    const TsSkinModel& model = skin->Model();
    const int grip = skin->FindMaskExact("GLOBALINFO", "GRIPIMAGE");
    ASSERT_TRUE(model.IsValidMask(grip));
    const TsMaskData& mask = model.Masks[static_cast<std::size_t>(grip)];
    RECT client{};
    GetClientRect(form->Handle(), &client);
    POINT corner{client.right, client.bottom};
    ClientToScreen(form->Handle(), &corner);
    const struct {
        POINT at;
        LRESULT hit;
    } cases[] = {
        {{corner.x - 2, corner.y - 2}, HTBOTTOMRIGHT},
        {{corner.x - mask.StateWidth() + 1, corner.y - 1}, HTBOTTOMRIGHT},
        {{corner.x - mask.StateWidth() - 2, corner.y - 2}, HTCLIENT},
        {{corner.x - 2, corner.y - mask.StateHeight() - 2}, HTCLIENT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y)), c.hit)
            << c.at.x - corner.x << "," << c.at.y - corner.y;
    // The grip shows on the screen: its square is not the plain face beside it.
    const TBitmap32 shot = GrabWindow(form->Handle());
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    const int right = corner.x - window.left, bottom = corner.y - window.top;
    const uint32_t face = shot.Pixel(right - mask.StateWidth() - 3, bottom - 2) & 0xFFFFFF;
    int marked = 0;
    for (int y = bottom - mask.StateHeight(); y < bottom; ++y)
        for (int x = right - mask.StateWidth(); x < right; ++x)
            if ((shot.Pixel(x, y) & 0xFFFFFF) != face) ++marked;
    EXPECT_GT(marked, 8);
    // It follows the corner when the dialog grows.
    form->SetBounds(60, 60, 420, 470);
    GetClientRect(form->Handle(), &client);
    corner = POINT{client.right, client.bottom};
    ClientToScreen(form->Handle(), &corner);
    EXPECT_EQ(SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.x - 2, corner.y - 2)), HTBOTTOMRIGHT);
}

TEST_F(PathDialogTest, RootButtonsWearTheSkinsToolButtonLook) {
    ShowWithRootButtons();
    const TBitmap32 shot = GrabWindow(form->Handle());
    SaveShot(shot, "path-dialog-roots");
    // The names are written in the "TOOLBUTTON" section's text colour of the
    // normal state, as the skin's options give it (red in the low byte).
    const TsSkinModel& model = skin->Model();
    const int section = skin->FindSection("TOOLBUTTON");
    ASSERT_GE(section, 0);
    const uint32_t bgr = static_cast<uint32_t>(model.Sections[static_cast<std::size_t>(section)].Props[0].FontColor);
    const uint32_t ink = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    ASSERT_NE(ink, ColorToRGB(form->Font().Color()) & 0xFFFFFF) << "the skin's ink is the form's own";
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    for (TsSpeedButton* button : form->RootButtons()) {
        POINT at{button->Left(), button->Top()};
        ClientToScreen(form->sScrollBox1->Handle(), &at);
        const RECT r{at.x - window.left, at.y - window.top, at.x - window.left + button->Width(),
                     at.y - window.top + button->Height()};
        int inked = 0;
        for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, shot.Height()); ++y)
            for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, shot.Width()); ++x)
                if ((shot.Pixel(x, y) & 0xFFFFFF) == ink) ++inked;
        EXPECT_GT(inked, 15) << button->Caption();
    }
}

// The column is painted from "BAR", a vertical ramp from 0x303030 at its top
// row to 0x292929 at its bottom row (the skin's GRADIENTDATA). A root button
// at rest is see-through ("TOOLBUTTON" TRANSPARENCY=100, its frame hidden in
// the normal state): along its left and right edges, away from icon and
// name, the screen shows the ramp at that row of the column, not the skin's
// main colour 0x2B2B2B.
TEST_F(PathDialogTest, RootButtonsShowTheColumnsPictureBehindThem) {
    ShowWithRootButtons();
    const TBitmap32 shot = GrabWindow(form->Handle());
    const TsGeneralData& bar = skin->Model().Sections.at(static_cast<std::size_t>(skin->FindSection("BAR")));
    ASSERT_EQ(bar.Props[0].GradientData, "3158064;2697513;100;0;0") << "the test's ramp is not the skin's";
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    const int columnHeight = form->sScrollBox1->Height();
    ASSERT_GT(columnHeight, 100);
    TsSpeedButton* first = form->RootButtons().at(0);
    for (int y = 2; y < 40; y += 3)
        for (int x : {1, first->Width() - 2}) {
            POINT at{first->Left() + x, first->Top() + y};
            const int row = at.y;  // of the column
            ClientToScreen(form->sScrollBox1->Handle(), &at);
            const uint32_t seen = shot.Pixel(at.x - window.left, at.y - window.top) & 0xFFFFFF;
            const int want = int(std::lround(0x30 + (0x29 - 0x30) * double(row) / (columnHeight - 1)));
            for (int shift : {0, 8, 16})
                EXPECT_NEAR(int((seen >> shift) & 0xFF), want, 1) << "row " << row << " x " << x << std::hex
                                                                   << " seen " << seen;
        }
}

TEST(ShellRootNames, NamesAndNumbers) {
    const struct {
        const char* name;
        TvlRootFolder root;
        int csidl;
    } cases[] = {
        {"rfDesktop", TvlRootFolder::rfDesktop, 0},      {"RFMYCOMPUTER", TvlRootFolder::rfMyComputer, 17},
        {"rfNetwork", TvlRootFolder::rfNetwork, 18},     {"rfPersonal", TvlRootFolder::rfPersonal, 5},
        {"rfControlPanel", TvlRootFolder::rfControlPanel, 3}, {"rfTemplates", TvlRootFolder::rfTemplates, 21},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(RootFolderByName(c.name), c.root) << c.name;
        EXPECT_EQ(RootFolderCsidl(c.root), c.csidl) << c.name;
        EXPECT_EQ(lstrcmpiA(RootFolderName(c.root).c_str(), c.name), 0);
    }
    EXPECT_FALSE(RootFolderByName("rfNowhere"));
}

TEST_F(PathDialogTest, ScreenShowsTheSkinnedDialog) {
    NewForm();
    form->SetBounds(60, 60, 350, 420);
    form->SetPosition(TPosition::poDesigned);
    form->Show();
    form->sShellTreeView1->SetSelectedPath(root + "\\alpha");
    form->sShellTreeView1->Expand(form->sShellTreeView1->Selected());
    PumpFor(800);
    const TBitmap32 shot = GrabWindow(form->Handle());
    // The dialog cannot be reached in pakmole.exe (its folder edit is
    // hidden): the picture goes beside the test unless a folder is named.
    if (!std::getenv("PAKMOLE_SHOTS")) _putenv_s("PAKMOLE_SHOTS", ".");
    SaveShot(shot, "path-dialog");
    const TBitmap32* frame = form->sSkinProvider1->WindowImage();
    ASSERT_NE(frame, nullptr) << "the frame is not the skin's";
    ASSERT_EQ(frame->Width(), shot.Width());
    // The frame on the screen is the skin's picture of it.
    RECT client{};
    GetClientRect(form->Handle(), &client);
    MapWindowPoints(form->Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    OffsetRect(&client, -window.left, -window.top);
    // Outside the window's region (its cut corners) the screen shows what lies behind.
    GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    const bool hasRegion = GetWindowRgn(form->Handle(), region.Get()) != ERROR;
    const int frameDiffs = CountDifferences(shot, *frame, [&](int x, int y) {
        return !PtInRect(&client, POINT{x, y}) && (!hasRegion || PtInRegion(region.Get(), x, y));
    });
    EXPECT_EQ(frameDiffs, 0);
    // Not one flat colour: the caption strip alone holds several.
    std::vector<uint32_t> colours;
    for (int y = 0; y < client.top; ++y)
        for (int x = 0; x < shot.Width(); ++x) colours.push_back(shot.Pixel(x, y) & 0xFFFFFF);
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    EXPECT_GT(colours.size(), 8u);
    // Readable texts: each button and the tree show ink that stands apart
    // from the face they are written on.
    for (TWinControl* control : std::initializer_list<TWinControl*>{form->sBitBtn1, form->sBitBtn2, form->sShellTreeView1}) {
        RECT r{};
        GetWindowRect(control->Handle(), &r);
        OffsetRect(&r, -window.left, -window.top);
        const uint32_t face = shot.Pixel(r.left + 4, r.bottom - 4) & 0xFFFFFF;
        auto brightness = [](uint32_t c) { return int((c >> 16) & 255) + int((c >> 8) & 255) + int(c & 255); };
        int ink = 0;
        for (int y = r.top + 2; y < r.bottom - 2; ++y)
            for (int x = r.left + 2; x < r.right - 2; ++x)
                if (std::abs(brightness(shot.Pixel(x, y) & 0xFFFFFF) - brightness(face)) >= 150) ++ink;
        EXPECT_GT(ink, 20) << control->Name();
    }
    // The tree's scroll bar is the skin's dark one, not the platform's light one.
    RECT tree{};
    GetWindowRect(form->sShellTreeView1->Handle(), &tree);
    OffsetRect(&tree, -window.left, -window.top);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    int light = 0, all = 0;
    for (int y = tree.top + 4; y < tree.bottom - 4; ++y)
        for (int x = tree.right - 2 - 2 * barWidth; x < tree.right - 2; ++x, ++all) {
            const uint32_t c = shot.Pixel(x, y);
            if (((c >> 16) & 255) + ((c >> 8) & 255) + (c & 255) > 3 * 0xB0) ++light;
        }
    EXPECT_LT(light * 10, all) << light << " of " << all << " pixels of the scroll bar are light";
}

}  // namespace
}  // namespace pakmole::test
