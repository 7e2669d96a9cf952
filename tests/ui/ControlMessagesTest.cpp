// The message chain of controls: Perform, WindowProc chaining, the
// notifications other layers listen to, and errors at the window boundary.
#include <gtest/gtest.h>

#include "base/Exceptions.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/Button.h"
#include "ui/CustomForm.h"
#include "ui/Label.h"
#include "ui/MaskEdit.h"
#include "ui/Memo.h"
#include "ui/ProgressBar.h"
#include "ui/SpeedButton.h"

#include <commctrl.h>

#include <stdexcept>

namespace pakmole {
namespace {

struct Seen {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Seen&) const = default;
};

// Chains in front of a control and records the notifications it receives.
class NotificationRecorder {
public:
    explicit NotificationRecorder(TControl* control) : control_(control), previous_(control->WindowProc) {
        control->WindowProc = [this](TMessage& m) {
            if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100) seen.push_back({m.Msg, m.WParam, m.LParam});
            previous_(m);
        };
    }
    ~NotificationRecorder() { control_->WindowProc = previous_; }
    bool Has(UINT msg, WPARAM w, LPARAM l) const {
        for (const Seen& s : seen)
            if (s == Seen{msg, w, l}) return true;
        return false;
    }
    std::vector<Seen> seen;

private:
    TControl* control_;
    TWndMethod previous_;
};

class ControlMessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = app.App().CreateForm<TForm>();
        form->SetClientSize(300, 200);
        button = new TButton(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 80, 25);
        button->SetCaption("Go");
    }
    test::RecordingApplication app;
    TForm* form = nullptr;
    TButton* button = nullptr;
};

TEST_F(ControlMessagesTest, ChainedHandlerSeesConsumesAndPassesOn) {
    form->Show();
    constexpr UINT kAsk = WM_APP + 7;
    int passedOn = 0;
    TWndMethod previous = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == kAsk) {
            m.Result = 42;
            return;
        }
        if (m.Msg == WM_SETTEXT) ++passedOn;
        previous(m);
    };
    EXPECT_EQ(button->Perform(kAsk), 42);
    EXPECT_EQ(SendMessageA(button->Handle(), kAsk, 0, 0), 42);
    button->SetCaption("Changed");
    EXPECT_EQ(passedOn, 1);
    char text[32] = {};
    GetWindowTextA(button->Handle(), text, sizeof(text));
    EXPECT_STREQ(text, "Changed");
    button->WindowProc = previous;
    EXPECT_EQ(button->Perform(kAsk), 0);
}

TEST_F(ControlMessagesTest, NotificationsReachTheControlConcerned) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    NotificationRecorder onButton(button);
    NotificationRecorder onForm(form);
    NotificationRecorder onLabel(label);

    form->Show();
    EXPECT_TRUE(onButton.Has(CM_SHOWINGCHANGED, 0, 0));

    struct Step {
        const char* what;
        std::function<void()> act;
        NotificationRecorder* on;
        Seen expected;
    };
    auto* extra = new TButton(form);
    const Step steps[] = {
        {"disable", [&] { button->SetEnabled(false); }, &onButton, {CM_ENABLEDCHANGED, 0, 0}},
        {"hide", [&] { button->SetVisible(false); }, &onButton, {CM_VISIBLECHANGED, 0, 0}},
        {"hidden: not showing", [] {}, &onButton, {CM_SHOWINGCHANGED, 0, 0}},
        {"show", [&] { button->SetVisible(true); }, &onButton, {CM_VISIBLECHANGED, 1, 0}},
        {"font", [&] { button->Font().SetHeight(-14); }, &onButton, {CM_FONTCHANGED, 0, 0}},
        {"text", [&] { button->SetCaption("New"); }, &onButton, {CM_TEXTCHANGED, 0, 0}},
        {"label text", [&] { label->SetCaption("Hi"); }, &onLabel, {CM_TEXTCHANGED, 0, 0}},
        {"insert", [&] { extra->SetParent(form); }, &onForm,
         {CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(extra), 1}},
        {"remove", [&] { extra->SetParent(nullptr); }, &onForm,
         {CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(extra), 0}},
        {"focus", [&] { button->SetEnabled(true); SetFocus(button->Handle()); }, &onButton,
         {CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(button)}},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_TRUE(step.on->Has(step.expected.msg, step.expected.wParam, step.expected.lParam))
            << step.what;
    }
}

TEST_F(ControlMessagesTest, MouseEnterAndLeaveForWindowedAndGraphicControls) {
    auto* speed = new TSpeedButton(form);
    speed->SetParent(form);
    speed->SetBounds(100, 50, 30, 30);
    form->Show();
    NotificationRecorder onButton(button);
    NotificationRecorder onSpeed(speed);
    NotificationRecorder onForm(form);

    SendMessageA(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(onButton.Has(CM_MOUSEENTER, 0, 0));
    EXPECT_TRUE(button->MouseInControl());
    SendMessageA(button->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(onButton.Has(CM_MOUSELEAVE, 0, 0));
    EXPECT_FALSE(button->MouseInControl());

    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(110, 60));
    EXPECT_TRUE(onSpeed.Has(CM_MOUSEENTER, 0, 0));
    EXPECT_TRUE(onForm.Has(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(speed)));
    EXPECT_EQ(speed->StateIndex(), 1);
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(250, 150));
    EXPECT_TRUE(onSpeed.Has(CM_MOUSELEAVE, 0, 0));
    EXPECT_EQ(speed->StateIndex(), 0);
}

TEST_F(ControlMessagesTest, GraphicControlClicksOnlyWhenReleasedOverIt) {
    auto* speed = new TSpeedButton(form);
    speed->SetParent(form);
    speed->SetBounds(100, 50, 30, 30);
    int clicks = 0;
    speed->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    HWND window = form->Handle();
    struct Case {
        POINT down, up;
        int clicks;
    };
    const Case cases[] = {{{110, 60}, {115, 65}, 1}, {{110, 60}, {200, 150}, 1}, {{20, 150}, {110, 60}, 1}};
    for (const Case& c : cases) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.down.x, c.down.y));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(c.up.x, c.up.y));
        EXPECT_EQ(clicks, c.clicks);
    }
}

TEST_F(ControlMessagesTest, ErrorsInAHandlerReachTheApplicationAndTheProgramGoesOn) {
    struct Case {
        const char* what;
        void (*fail)();
        const char* message;
    };
    // Errors of no known type too: a program that answers for its errors
    // (on a console, say) must not meet a message box of the default handler.
    const Case cases[] = {
        {"our own exception", [] { throw Exception("Boom"); }, "Boom"},
        {"a library's exception", [] { throw std::out_of_range("index 7"); }, "index 7"},
        {"no exception type", [] { throw 42; }, "Unknown error"},
    };
    form->Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t before = app.Errors().size();
        test::DialogWatcher box([](HWND dialog) { test::PressDialogButton(dialog, IDOK); });
        button->OnClick = [&c](TObject*) { c.fail(); };
        SendMessageA(button->Handle(), BM_CLICK, 0, 0);
        test::PumpFor(50);
        EXPECT_FALSE(box.Seen()) << "a message box bypassed OnException";
        ASSERT_EQ(app.Errors().size(), before + 1);
        EXPECT_EQ(app.Errors().back(), c.message);
        EXPECT_TRUE(IsWindow(button->Handle()));
    }
}

TEST_F(ControlMessagesTest, WindowClassNameIsTheClassName) {
    auto* bar = new TProgressBar(form);
    bar->SetParent(form);
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    auto* edit = new TMaskEdit(form);
    edit->SetParent(form);
    form->Show();
    for (TWinControl* c : std::vector<TWinControl*>{form, button, bar, memo, edit}) {
        char name[64] = {};
        GetClassNameA(c->Handle(), name, sizeof(name));
        EXPECT_EQ(c->ClassName(), name);
    }
    EXPECT_EQ(button->ClassName(), "TButton");
    // Superclassed windows still behave as the system's controls.
    SendMessageA(bar->Handle(), PBM_SETRANGE32, 0, 10);
    bar->SetPosition(4);
    EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), 4);
    memo->SetLines({"one", "two"});
    EXPECT_EQ(SendMessageA(memo->Handle(), EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"one", "two"}));
}

}  // namespace
}  // namespace pakmole
