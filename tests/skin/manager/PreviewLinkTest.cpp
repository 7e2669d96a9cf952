// The live preview link with a skin editor: connecting, and a pushed skin
// replacing the current one.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/manager/CommandSwitches.h"
#include "skin/manager/MainSkinManager.h"
#include "skin/manager/PreviewLink.h"
#include "skin/manager/SkinCommands.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/skin/manager/PreviewBlockBuilder.h"
#include "tests/support/TestPaths.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"

namespace pakmole {
namespace {

// The editor's window: answers the connection request on its third try.
struct Editor {
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_VLPREVIEW && wParam == 3) {
            ++requests;
            offered = reinterpret_cast<HWND>(lParam);
            return requests >= 3 ? 1 : 0;
        }
        return DefWindowProcA(window, msg, wParam, lParam);
    }
    Editor() {
        static const ATOM atom = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = &Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "SkinTestEditor";
            return RegisterClassA(&wc);
        }();
        (void)atom;
        requests = 0;
        offered = nullptr;
        window = CreateWindowExA(0, "SkinTestEditor", "Velourskins Editor", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    ~Editor() { DestroyWindow(window); }
    HWND window;
    static inline int requests = 0;
    static inline HWND offered = nullptr;
};

TEST(PreviewLinkTest, EditorPushesASkinIntoTheRunningProgram) {
    test::RecordingApplication app;
    test::CaughtMessages messages;
    test::TempFolder temp;
    TForm* form = app.App().CreateForm<TForm>();
    form->HandleNeeded();
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [form, previous](TMessage& m) {
        if (!HandlePreviewMessage(form->Handle(), m)) previous(m);
    };
    auto manager = test::MakeManager(temp.Path());
    manager->SetSkinName(kInternalSkinName);

    EXPECT_FALSE(ConnectPreviewEditor(form->Handle())) << "no editor, no link";
    Editor editor;
    EXPECT_FALSE(ConnectPreviewEditor(form->Handle())) << "the program was not started for the link";
    EXPECT_EQ(Editor::requests, 0);
    OverrideProgramArguments(std::vector<std::string>{"/vlpreview"});
    EXPECT_TRUE(ConnectPreviewEditor(form->Handle()));
    OverrideProgramArguments(std::nullopt);
    EXPECT_EQ(Editor::requests, 3);
    EXPECT_EQ(Editor::offered, form->Handle());
    EXPECT_EQ(PreviewForm(), form->Handle());
    EXPECT_EQ(SendMessageA(form->Handle(), WM_VLPREVIEW, 4, 0), 1);

    auto send = [&](const test::Bytes& block, HWND to) {
        COPYDATASTRUCT data{0, static_cast<DWORD>(block.size()), const_cast<unsigned char*>(block.data())};
        return SendMessageA(to, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&data));
    };
    const std::string skins = temp.Path() + "Skins";
    const std::string options = test::MarkedOptions("EDITED");

    EXPECT_EQ(send(test::PreviewBlockBytes("Edited", skins, options, 0x1234), form->Handle()), 0);
    EXPECT_EQ(manager->SkinName(), kInternalSkinName) << "a block without signature changes nothing";

    int applied = 0;
    manager->OnAfterChange = [&](TObject*) {
        EXPECT_TRUE(manager->ApplyHeld()) << "the load does not apply by itself";
        EXPECT_FALSE(manager->SkinApplied());
    };
    manager->OnActivate = [&](TObject*) { ++applied; };
    EXPECT_EQ(send(test::PreviewBlockBytes("Edited", skins, options), form->Handle()), 1);
    EXPECT_EQ(manager->SkinName(), "Edited");
    EXPECT_EQ(manager->SkinDirectory(), skins);
    EXPECT_GE(manager->FindSection("EDITED"), 0) << "the skin is read from the pushed text";
    EXPECT_EQ(manager->Model().SkinData.ImageFolder, skins + "\\Edited\\");
    EXPECT_TRUE(manager->SkinApplied());
    EXPECT_FALSE(manager->ApplyHeld());
    EXPECT_TRUE(manager->AnimEffects().SkinChanging.Active) << "the animation is switched off for that apply only";
    EXPECT_TRUE(PreviewLinkInUse());
    EXPECT_EQ(applied, 1);
    EXPECT_TRUE(messages.All().empty());

    // Once the text is used it is gone: the next load reads the folder.
    manager->OnAfterChange = nullptr;
    manager->SetSkinName("Edited");
    EXPECT_EQ(manager->Source(), TsSkinSource::ssInternal) << "no folder and no text: the internal skin";

    // From now on a skin the editor has open as a folder beats a package of that name.
    test::WriteSkinFolder(skins + "\\Both", test::MarkedOptions("BOTHFOLDER"));
    test::WriteBytes(skins + "\\Both.vlz", test::MakePackage({{"Options.dat", test::MarkedOptions("BOTHPACKAGE")}}));
    manager->SetSkinName("Both");
    EXPECT_EQ(manager->Source(), TsSkinSource::ssFolder);
    EXPECT_GE(manager->FindSection("BOTHFOLDER"), 0);

    TForm* stranger = app.App().CreateForm<TForm>();
    stranger->HandleNeeded();
    TWndMethod strangerPrevious = stranger->WindowProc;
    stranger->WindowProc = [stranger, strangerPrevious](TMessage& m) {
        if (!HandlePreviewMessage(stranger->Handle(), m)) strangerPrevious(m);
    };
    EXPECT_EQ(send(test::PreviewBlockBytes("Edited", skins, options), stranger->Handle()), 0) << "only the offered form takes blocks";

    SendMessageA(form->Handle(), WM_VLPREVIEW, 1, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return !form->Visible() || !IsWindow(form->Handle()); }, 2000) ||
                !IsWindowVisible(form->Handle()));
}

}  // namespace
}  // namespace pakmole
