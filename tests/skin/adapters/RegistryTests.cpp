// Which of a form's controls the registry adapts: class names matched
// exactly against the skin manager's lists, controls to be left alone, the
// form's veto and chosen section, and windows that appear later.
#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/manager/SkinCommands.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace pakmole::test {
namespace {

class TMyButton : public TButton {
public:
    using TButton::TButton;
    std::string ClassName() const override { return "TMyButton"; }
};

using Registry = AdapterFixture;

TEST_F(Registry, AdaptsExactlyTheListedClassesAndHonoursTheForm) {
    struct Case {
        const char* name;
        std::function<TButton*()> make;
        std::function<void()> before;  // set up before the control's window appears
        bool adapted;
        const char* section;
    } cases[] = {
        {"TButton", [this] { return new TButton(form); }, [] {}, true, "BUTTON"},
        {"a descendant of TButton", [this] { return new TMyButton(form); }, [] {}, false, ""},
        {"Tag -98",
         [this] {
             auto* ignored = new TButton(form);
             ignored->SetTag(-98);
             return ignored;
         },
         [] {}, false, ""},
        {"vetoed by the form", [this] { return new TButton(form); },
         [this] { provider->OnSkinItem = [](TObject*, TControl*, bool& can, std::string&) { can = false; }; }, false,
         ""},
        {"section chosen by the form", [this] { return new TButton(form); },
         [this] {
             provider->OnSkinItem = [](TObject*, TControl*, bool&, std::string& section) { section = "BUTTON_BIG"; };
         },
         true, "BUTTON_BIG"},
    };
    int top = 110;
    for (const Case& c : cases) {
        provider->OnSkinItem = nullptr;
        c.before();
        TButton* control = c.make();
        control->SetParent(form);
        control->SetBounds(190, top, 100, 22);
        top += 2;
        control->HandleNeeded();
        PumpFor(20);
        TvlMainWnd* adapter = TvlMainWnd::FromWindow(control->Handle());
        EXPECT_EQ(adapter != nullptr, c.adapted) << c.name;
        if (adapter) {
            EXPECT_EQ(adapter->ClassName(), "TvlBtnWnd") << c.name;
            EXPECT_EQ(adapter->SkinData()->SkinSection(), c.section) << c.name;
        }
        EXPECT_EQ(SendMessageA(control->Handle(), SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0), c.adapted ? 1 : 0)
            << c.name;
        control->Free();
    }
    // The memo is in no list and keeps the platform's painting.
    EXPECT_EQ(TvlMainWnd::FromWindow(memo->Handle()), nullptr);
}

TEST_F(Registry, AButtonWithoutAWindowIsAdaptedWhenItsWindowAppears) {
    // A form not shown yet: its controls have no windows, as while the
    // program's window is being built.
    auto* later = app.App().CreateForm<TForm>();
    later->SetBounds(150, 150, 200, 100);
    auto* laterProvider = new TsSkinProvider(later);
    auto* waiting = new TButton(later);
    waiting->SetParent(later);
    waiting->SetBounds(10, 10, 120, 25);
    ASSERT_FALSE(waiting->HandleAllocated());
    ASSERT_NE(laterProvider->Adapter(), nullptr);
    laterProvider->Adapter()->AddAllItems();
    EXPECT_LT(laterProvider->Adapter()->IndexOf(waiting), 0);
    later->Show();
    PumpFor(20);
    EXPECT_NE(TvlMainWnd::FromWindow(waiting->Handle()), nullptr);
    EXPECT_GE(laterProvider->Adapter()->IndexOf(waiting), 0);
    later->Free();
}

TEST_F(Registry, ARecreatedWindowGetsAFreshAdapter) {
    const int count = provider->Adapter()->ItemCount();
    button->RecreateWnd();
    PumpFor(20);
    TvlMainWnd* adapter = ButtonAdapter();
    ASSERT_NE(adapter, nullptr);
    EXPECT_FALSE(adapter->Destroyed());
    EXPECT_EQ(provider->Adapter()->ItemCount(), count);
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    PumpFor(20);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Registry, RemovingTheSkinGivesEveryWindowBackAndApplyingAdaptsAgain) {
    manager->SetActive(false);
    PumpFor(20);
    EXPECT_EQ(ButtonAdapter(), nullptr);
    EXPECT_EQ(provider->Adapter(), nullptr);
    manager->SetActive(true);
    PumpFor(20);
    EXPECT_NE(ButtonAdapter(), nullptr);
    EXPECT_TRUE(app.Errors().empty());
}

}  // namespace
}  // namespace pakmole::test
