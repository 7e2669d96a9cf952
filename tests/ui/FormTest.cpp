// Forms: frame and client size, placement, alignment, dialog keys, modal
// message forms and closing the main form.
#include <gtest/gtest.h>

#include "tests/ui/GuiTestSupport.h"
#include "ui/Button.h"
#include "ui/CustomForm.h"
#include "ui/Screen.h"
#include "ui/Label.h"
#include "ui/MessageForm.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

namespace pakmole {
namespace {

TEST(FormTest, SingleBorderFormKeepsItsClientSizeAndCentresItself) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetClientSize(459, 84);
    form->SetPosition(TPosition::poScreenCenter);
    auto* bar = new TProgressBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 67, 459, 17);
    bar->SetAlign(TAlign::alBottom);
    form->Show();

    RECT client, window, area;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 459);
    EXPECT_EQ(client.bottom, 84);
    const LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    GetWindowRect(form->Handle(), &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (area.left + area.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (area.top + area.bottom) / 2, 1);

    EXPECT_EQ(bar->Left(), 0);
    EXPECT_EQ(bar->Top(), 67);
    EXPECT_EQ(bar->Width(), 459);
    form->SetClientSize(500, 100);
    EXPECT_EQ(bar->Top(), 83);
    EXPECT_EQ(bar->Width(), 500);
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(FormTest, AChildsWindowAskedForBeforeItsFormsIsMadeOnce) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    auto* button = new TButton(form);
    button->SetParent(form);
    // Making the form's window makes the button's on the way.
    HWND window = button->Handle();
    EXPECT_EQ(GetParent(window), form->Handle());
    int children = 0;
    EnumChildWindows(form->Handle(), &CountWindow, reinterpret_cast<LPARAM>(&children));
    EXPECT_EQ(children, 1);
    EXPECT_EQ(TWinControl::FindControl(window), button);
}

TEST(FormTest, TabAndEnterAreDialogKeysOfTheForm) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    TButton* buttons[3];
    int clicked = -1;
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new TButton(form);
        buttons[i]->SetParent(form);
        buttons[i]->SetBounds(10, 10 + 30 * i, 75, 25);
        buttons[i]->OnClick = [&clicked, i](TObject*) { clicked = i; };
    }
    // Stored tab orders, given in creation order as a form description does.
    buttons[0]->SetTabOrder(2);
    buttons[1]->SetTabOrder(0);
    buttons[2]->SetTabOrder(1);
    EXPECT_EQ(buttons[1]->TabOrder(), 0);
    EXPECT_EQ(buttons[2]->TabOrder(), 1);
    EXPECT_EQ(buttons[0]->TabOrder(), 2);
    buttons[2]->SetCancel(true);
    form->Show();
    EXPECT_EQ(form->ActiveControl(), buttons[1]);

    auto key = [&](WPARAM k) {
        PostMessageA(GetFocus(), WM_KEYDOWN, k, 1);
        PostMessageA(GetFocus(), WM_KEYUP, k, 0xC0000001);
        for (int i = 0; i < 5; ++i) app.App().ProcessMessages();
    };
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), buttons[2]->Handle());
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), buttons[0]->Handle());
    key(VK_RETURN);
    EXPECT_EQ(clicked, 0);
    key(VK_ESCAPE);
    EXPECT_EQ(clicked, 2);
}

TEST(FormTest, MessageFormShowsTheTextUnderTheTitleAndEnterClosesIt) {
    test::RecordingApplication app;
    app.App().SetTitle("Pakmole by Tarvel");
    std::string className, caption, text;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, nullptr);
    // The form is looked for between messages of its own modal loop.
    bool done = false;
    TTimer closer(nullptr);
    closer.SetInterval(100);
    closer.OnTimer = [&](TObject*) {
        if (done) return;
        TCustomForm* form = Screen().ActiveForm();
        auto* box = dynamic_cast<TMessageForm*>(form);
        if (!box) return;
        done = true;
        char name[64] = {};
        GetClassNameA(box->Handle(), name, sizeof(name));
        className = name;
        caption = box->Caption();
        text = box->MessageLabel()->Caption();
        PostMessageA(box->OkButton()->Handle(), WM_KEYDOWN, VK_RETURN, 1);
    };
    ShowMessage("DONE!");
    KillTimer(nullptr, timer);
    EXPECT_TRUE(done);
    EXPECT_EQ(className, "TMessageForm");
    EXPECT_EQ(caption, "Pakmole by Tarvel");
    EXPECT_EQ(text, "DONE!");
    EXPECT_EQ(Screen().FormCount(), 0);
}

TEST(FormTest, ClosingTheMainFormEndsTheMessageLoop) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    TTimer timer(nullptr);
    timer.SetInterval(50);
    timer.OnTimer = [&](TObject*) { PostMessageA(form->Handle(), WM_CLOSE, 0, 0); };
    app.App().SetExitCode(3);
    app.App().Run();
    EXPECT_TRUE(app.App().Terminated());
}

}  // namespace
}  // namespace pakmole

namespace pakmole {
namespace {

TEST(ApplicationWindowTest, CarriesTheTitleOwnsTheFormsAndMinimizesWithTheMainForm) {
    test::RecordingApplication app;
    app.App().SetTitle("Pakmole by Tarvel");
    HWND appWindow = app.App().Handle();
    ASSERT_NE(appWindow, nullptr);
    char text[64] = {}, name[64] = {};
    GetWindowTextA(appWindow, text, sizeof(text));
    GetClassNameA(appWindow, name, sizeof(name));
    EXPECT_STREQ(text, "Pakmole by Tarvel");
    EXPECT_STREQ(name, "TApplication");

    TForm* form = app.App().CreateForm<TForm>();
    form->SetCaption("Window caption");
    form->Show();
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), appWindow);

    // Hiding and showing take effect through the message queue; how long
    // that takes depends on the display, so wait for it rather than a fixed time.
    SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    test::PumpUntil([&] { return IsIconic(appWindow) && !IsWindowVisible(form->Handle()); });
    EXPECT_TRUE(IsIconic(appWindow));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    app.App().Restore();
    test::PumpUntil([&] { return !IsIconic(appWindow) && IsWindowVisible(form->Handle()); });
    EXPECT_FALSE(IsIconic(appWindow));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

}  // namespace
}  // namespace pakmole
