// The order in which forms, their children and provider windows hear a skin
// command, the transition of a skin change, and the main-window watch.
#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

#include "skin/manager/FormSkinLinks.h"
#include "skin/manager/MainSkinManager.h"
#include "tests/skin/manager/CommandLog.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"
#include "ui/GraphicControl.h"
#include "ui/WinControl.h"

namespace pakmole {
namespace {

// A plain window standing for the window of an automatically made provider.
test::CommandLog* autoLog = nullptr;

LRESULT CALLBACK AutoWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == SKM_COMMAND && autoLog) {
        char title[64] = {};
        GetWindowTextA(window, title, sizeof(title));
        autoLog->Received.push_back({title, SkinCommandCode(wParam), lParam});
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

class AutoWindow {
public:
    AutoWindow(const char* title, bool visible) {
        static const ATOM atom = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = &AutoWindowProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "SkinTestAutoProvider";
            return RegisterClassA(&wc);
        }();
        (void)atom;
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "SkinTestAutoProvider", title,
                                  WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, 20, 20, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        AddAutoProviderWindow(window_);
    }
    ~AutoWindow() {
        RemoveAutoProviderWindow(window_);
        DestroyWindow(window_);
    }
    AutoWindow(const AutoWindow&) = delete;
    AutoWindow& operator=(const AutoWindow&) = delete;

private:
    HWND window_;
};

// A control without a window of its own.
class TestGraphic : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint(HDC) override {}
};

class SkinBroadcastTest : public ::testing::Test {
protected:
    void SetUp() override { autoLog = &log_; }
    void TearDown() override { autoLog = nullptr; }

    template <class T>
    T* Child(TWinControl* parent, const std::string& name, bool skinAware = false) {
        auto* control = new T(parent);
        control->SetParent(parent);
        control->SetBounds(0, 0, 10, 10);
        if constexpr (std::is_base_of_v<TWinControl, T>) control->HandleNeeded();
        log_.Watch(control, name, skinAware);
        return control;
    }

    TForm* Form(const std::string& name, bool skinAware = false) {
        TForm* form = app_.App().CreateForm<TForm>();
        form->HandleNeeded();
        log_.Watch(form, name, skinAware);
        return form;
    }

    test::RecordingApplication app_;
    test::CommandLog log_;
    test::CaughtMessages messages_;
};

TEST_F(SkinBroadcastTest, FormsThenChildrenThenProvidersThenAutomaticWindows) {
    TForm* a = Form("A");
    TWinControl* p = Child<TWinControl>(a, "P");
    Child<TWinControl>(p, "S", true);
    TWinControl* q = Child<TWinControl>(p, "Q");
    Child<TestGraphic>(q, "G");
    Child<TestGraphic>(a, "L");
    TWinControl* k = Child<TWinControl>(a, "K", true);
    Child<TWinControl>(k, "K1");  // a skin-aware parent passes commands on itself
    TForm* b = Form("B");
    Child<TWinControl>(b, "X", true);
    TForm* c = Form("C", true);
    Child<TWinControl>(c, "Y", true);
    test::FakeFormLink provider(c);
    AutoWindow shown("W", true);
    AutoWindow hidden("H", false);

    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    const std::vector<std::string> order = {"B", "X", "A", "S", "G", "L", "K", "C", "Y", "W"};
    EXPECT_EQ(log_.ReceiversOf(SKC_APPLYSKIN), order);
    for (const auto& r : log_.Received) EXPECT_EQ(r.Data, reinterpret_cast<LPARAM>(manager.get()));

    log_.Received.clear();
    manager->SetActive(false);
    EXPECT_EQ(log_.ReceiversOf(SKC_REMOVESKIN), order);

    log_.Received.clear();
    manager->SetActive(true);
    EXPECT_EQ(log_.ReceiversOf(SKC_APPLYSKIN), order);
    EXPECT_EQ(log_.ReceiversOf(SKC_STOPANIMATION), order);
    EXPECT_EQ(log_.ReceiversOf(SKC_REFRESH), order);
    // Each command reaches everyone before the next one starts.
    const auto commands = log_.Commands();
    const auto firstStop = std::find(commands.begin(), commands.end(), SKC_STOPANIMATION);
    EXPECT_TRUE(std::all_of(commands.begin(), firstStop, [](uint16_t x) { return x == SKC_APPLYSKIN; }));
}

TEST_F(SkinBroadcastTest, FormsBeingLoadedOrDestroyedAreLeftOut) {
    TForm* loading = Form("loading");
    Form("plain");
    loading->BeginLoad();
    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    EXPECT_EQ(log_.ReceiversOf(SKC_APPLYSKIN), (std::vector<std::string>{"plain"}));

    loading->EndLoad();
}

TEST_F(SkinBroadcastTest, FormFreedByAnotherDuringTheBroadcastIsNotVisited) {
    Form("first");
    TForm* second = Form("second");
    TForm* third = Form("third");
    TWndMethod previous = third->WindowProc;
    third->WindowProc = [&, previous](TMessage& m) {
        previous(m);
        if (m.Msg == SKM_COMMAND && SkinCommandCode(m.WParam) == SKC_APPLYSKIN && second) {
            second->Free();
            second = nullptr;
        }
    };
    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    EXPECT_EQ(log_.ReceiversOf(SKC_APPLYSKIN), (std::vector<std::string>{"third", "first"}));
}

TEST_F(SkinBroadcastTest, SkinChangeStopsAndRestartsDrawingOfProviderForms) {
    TForm* form = Form("F");
    form->Show();
    std::vector<WPARAM> redraw;
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [&, previous](TMessage& m) {
        if (m.Msg == WM_SETREDRAW) redraw.push_back(m.WParam);
        previous(m);
    };
    auto manager = test::MakeManager();
    test::FakeFormLink provider(form, manager.get());
    auto other = test::MakeManager();
    test::FakeFormLink otherManagers(form, other.get());

    manager->SetSkinName(kInternalSkinName);
    EXPECT_EQ(provider.Begun, 1);
    EXPECT_EQ(provider.Ended, 1);
    EXPECT_TRUE(provider.LastFade);
    EXPECT_EQ(otherManagers.Begun, 0) << "only providers of this manager take part";
    EXPECT_EQ(redraw, (std::vector<WPARAM>{0, 1})) << "drawing comes back after the change";
    EXPECT_FALSE(SkinChangeInProgress());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));

    redraw.clear();
    manager->AnimEffects().SkinChanging.Active = false;
    manager->SetHueOffset(30);
    EXPECT_EQ(provider.Ended, 2);
    EXPECT_FALSE(provider.LastFade);
    EXPECT_EQ(redraw, (std::vector<WPARAM>{0, 1}));

    redraw.clear();
    form->Hide();
    manager->SetHueOffset(60);
    EXPECT_EQ(provider.Begun, 2) << "a hidden form has nothing to fade";
    EXPECT_TRUE(redraw.empty());
    form->WindowProc = previous;
}

TEST_F(SkinBroadcastTest, ExtendedBordersAreSnapshotBeforeANewSkinIsRead) {
    TForm* form = Form("F");
    auto manager = test::MakeManager();
    test::FakeFormLink provider(form, manager.get());
    struct Case {
        const char* Label;
        bool Borders;
        bool Animation;
        int Snapshots;
    };
    const Case cases[] = {
        {"plain borders", false, true, 0},
        {"no skin-changing animation", true, false, 0},
        {"extended borders that fade", true, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        provider.Snapshots = 0;
        manager->SetExtendedBorders(c.Borders);
        manager->AnimEffects().SkinChanging.Active = c.Animation;
        int snapshotsBeforeRead = -1;
        manager->OnBeforeChange = [&](TObject*) { snapshotsBeforeRead = provider.Snapshots; };
        manager->SetSkinName(kInternalSkinName);
        EXPECT_EQ(snapshotsBeforeRead, 0) << "the picture is taken after OnBeforeChange";
        EXPECT_EQ(provider.Snapshots, c.Snapshots);
    }
}

TEST_F(SkinBroadcastTest, MainWindowWatchRepaintsAllFormsAndSwallowsThemeChanges) {
    TForm* main = Form("main");
    TForm* second = Form("second");
    (void)second;
    int themeChangesSeen = 0;
    TWndMethod previous = main->WindowProc;
    main->WindowProc = [&, previous](TMessage& m) {
        if (m.Msg == WM_THEMECHANGED) ++themeChangesSeen;
        previous(m);
    };
    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    ASSERT_TRUE(manager->WatchingMainWindow());

    log_.Received.clear();
    SendMessageA(main->Handle(), 0xB000, 0, 0);
    EXPECT_EQ(log_.ReceiversOf(SKC_REPAINT), (std::vector<std::string>{"main", "second"}));
    SendMessageA(main->Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(themeChangesSeen, 0);

    manager.reset();
    SendMessageA(main->Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(themeChangesSeen, 1) << "the window has its own handling back";
    main->WindowProc = previous;
}

}  // namespace
}  // namespace pakmole
