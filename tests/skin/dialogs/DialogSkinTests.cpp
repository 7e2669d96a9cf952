// Platform dialogs of this thread under Wine with the built-in skin applied:
// a message box is skinned as it becomes active (its frame and caption strip
// are the skin's, its close button hot under the pointer, its text readable,
// its OK button closes it), the title buttons answer the hit test by the
// dialog's class, a hundred dialogs leave nothing behind, and windows the
// skinning does not know, or that its handler turns away, stay usable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/controls/dialogs/vlDials.h"
#include "skin/controls/dialogs/vlProvider.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/DesktopComposition_win.h"
#include "skin/render/MaskPainter.h"
#include "skin/render/PixelCopy.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/adapters/SkinnedForm.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiObjectCounts.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"

namespace pakmole::test {
namespace {

class DialogSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = AppliedInternalSkin();
        ASSERT_TRUE(manager->Active());
        ASSERT_TRUE(manager->DialogHookInstalled());
        InstallDialogSkinning();
        MovePointer(POINT{2, 2});
        // The dialogs' owner: activation goes back to it when a dialog closes.
        owner = SkinnedForm(app, 200, 100);
        owner->Show();
        Owner() = owner->Handle();
        PumpFor(50);
    }
    void TearDown() override {
        PumpFor(50);
        FreeReleasedProviders();
        if (owner) owner->Free();
        Owner() = nullptr;
    }
    static HWND& Owner() {
        static HWND window = nullptr;
        return window;
    }
    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* owner = nullptr;
};

struct PictureSearch {
    POINT At;
    bool Found = false;
};

BOOL CALLBACK FindPictureWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<PictureSearch*>(data);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    RECT r{};
    GetWindowRect(window, &r);
    if (std::string(name) == "TvlPictureWindow" && IsWindowVisible(window) && r.left == search.At.x &&
        r.top == search.At.y)
        search.Found = true;
    return TRUE;
}

// Whether a picture window of this thread stands on the screen with its corner at the point.
bool PictureWindowAt(POINT at) {
    PictureSearch search{at};
    EnumThreadWindows(GetCurrentThreadId(), FindPictureWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The skin's own picture of a dialog's frame: "DIALOG" over the window and
// "FORMTITLE" over the caption strip, active, with the title buttons in their states.
TBitmap32 ExpectedFrame(const TsSkinManager& manager, const TvlDialogWnd& frame, int width, int height) {
    TBitmap32 picture = SkinSectionPicture(manager, "DIALOG", width, height, POINT{0, 0}, 1,
                                           manager.Palette()[pcMainColor]);
    const TsTitleLayout& l = frame.Layout();
    const TBitmap32 strip = SectionPicture(manager, "FORMTITLE", width, l.StripBottom, POINT{0, 0}, 1,
                                           BgSourceOfBitmap(&picture, 0, 0));
    CopyPixels(picture, 0, 0, width, l.StripBottom, strip, 0, 0);
    const TsSkinModel& skin = manager.Model();
    for (int i = 0; i < tbCount; ++i) {
        const TsTitleButtonPlace& b = l.Buttons[static_cast<std::size_t>(i)];
        if (!b.Shown) continue;
        const int mask = skin.FindMask(skin.KnownIndexes.GlobalInfo, "GLOBALINFO", b.MaskName);
        const TBitmap32 under(picture);
        PaintMaskImage(picture, TPoint32{b.Rect.Left, b.Rect.Top}, frame.ButtonState(i), BgSourceOfBitmap(&under, 0, 0),
                       skin.Masks.at(static_cast<std::size_t>(mask)), miNormal);
    }
    return picture;
}

TEST_F(DialogSkinTest, MessageBoxWearsTheSkinAndItsOkClosesIt) {
    bool checked = false;
    DialogWatcher watcher([&](HWND dialog) {
        checked = true;
        TvlProvider* provider = ProviderOfDialog(dialog);
        ASSERT_NE(provider, nullptr) << "the active message box is skinned";
        TvlDialogWnd& frame = *provider->Frame();
        EXPECT_EQ(frame.BorderKind(), TvlBorderKind::bkDialog);
        const TsTitleLayout& l = frame.Layout();
        EXPECT_TRUE(l.Buttons[tbClose].Shown);
        EXPECT_EQ(l.Buttons[tbClose].MaskName, "BICONCLOSE");
        EXPECT_FALSE(l.Buttons[tbMin].Shown);
        EXPECT_FALSE(l.Buttons[tbMax].Shown);
        EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU, 0) << "the platform draws no buttons of its own";
        EXPECT_GE(provider->ChildAdapterCount(), 2) << "its text and its button";
        PumpFor(300);
        RECT r;
        GetWindowRect(dialog, &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        const TBitmap32 expected = ExpectedFrame(*manager, frame, w, h);
        TBitmap32 shown = GrabWindow(dialog);
        SaveShot(shown, "message-box");
        const int f = l.StripBottom - GetSystemMetrics(SM_CYCAPTION);
        // The caption is written in the strip, its glow around it.
        const TRect32 close = l.Buttons[tbClose].Rect;
        RECT ink{w, h, -1, -1};
        for (int y = 0; y < l.StripBottom; ++y)
            for (int x = 8; x < close.Left; ++x)
                if ((shown.Pixel(x, y) & 0xFFFFFF) != (expected.Pixel(x, y) & 0xFFFFFF))
                    ink = RECT{std::min<LONG>(ink.left, x), 0, std::max<LONG>(ink.right, x + 1), 0};
        EXPECT_GE(ink.left, l.TextRect.Left - 8);
        EXPECT_GT(ink.right - ink.left, 30) << "the caption \"Pakmole\" is there";
        // Frame borders, the strip right of the caption and the close button;
        // the corners are cut to the skin's shape.
        const auto onFrame = [&](int x, int y) {
            const bool corner = (x < 8 || x >= w - 8) && (y < 8 || y >= h - 8);
            const bool border = x < f || x >= w - f || y >= h - f;
            const bool strip = y < l.StripBottom && x >= ink.right && x < close.Left;
            const bool button = x >= close.Left && x < close.Right && y >= close.Top && y < close.Bottom;
            return !corner && (border || strip || button);
        };
        PumpUntil([&] { return CountDifferences(shown = GrabWindow(dialog), expected, onFrame) == 0; }, 2000);
        EXPECT_EQ(CountDifferences(shown, expected, onFrame), 0);
        // The client area is the skin's, not the platform's light face colour.
        RECT client;
        GetClientRect(dialog, &client);
        POINT origin{0, 0};
        ClientToScreen(dialog, &origin);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        int light = 0;
        for (int y = origin.y - r.top; y < origin.y - r.top + client.bottom; ++y)
            for (int x = origin.x - r.left; x < origin.x - r.left + client.right; ++x) {
                const uint32_t p = shown.Pixel(x, y);
                light += RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) == face;
            }
        EXPECT_EQ(light, 0) << "no pixel of the platform's face colour";
        // The message is readable: light ink on the dark client area.
        const std::string text = MessageBoxText(dialog);
        EXPECT_EQ(text, "Cannot open the pak file");
        // Under the pointer the close button turns hot.
        MovePointer(POINT{r.left + (close.Left + close.Right) / 2, r.top + (close.Top + close.Bottom) / 2});
        PumpUntil([&] { return frame.ButtonState(tbClose) == 1; }, 2000);
        EXPECT_EQ(frame.ButtonState(tbClose), 1);
        const TBitmap32 hot = ExpectedFrame(*manager, frame, w, h);
        PumpUntil([&] { return CountDifferences(shown = GrabWindow(dialog), hot, onFrame) == 0; }, 2000);
        EXPECT_EQ(CountDifferences(shown, hot, onFrame), 0) << "the hot close button";
        // Glowing is allowed (the default): the hot look fades in over the button.
        EXPECT_TRUE(manager->Effects().AllowGlowing());
        EXPECT_TRUE(PictureWindowAt(POINT{r.left + close.Left, r.top + close.Top})) << "no fade over the close button";
        // A real click on OK closes the box.
        HWND ok = GetDlgItem(dialog, IDOK);
        RECT okRect;
        GetWindowRect(ok, &okRect);
        MovePointer(POINT{(okRect.left + okRect.right) / 2, (okRect.top + okRect.bottom) / 2});
        PressPointer(true);
        PressPointer(false);
    });
    const int answer = MessageBoxA(Owner(), "Cannot open the pak file", "Pakmole", MB_OK | MB_ICONERROR);
    EXPECT_TRUE(checked);
    EXPECT_EQ(answer, IDOK);
    PumpFor(100);
    EXPECT_TRUE(DialogProviders().empty()) << "the provider went with its box";
    EXPECT_EQ(ReleasedProviderCount(), 0);
}

// A modeless dialog of the test with a few children of the usual classes.
// Whether the test dialog was layered each time its own procedure heard it was being shown.
std::vector<bool> layeredWhileShown;

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_SHOWWINDOW && wParam)
        layeredWhileShown.push_back((GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_LAYERED) != 0);
    if (msg == WM_INITDIALOG) {
        const auto make = [dialog](const char* cls, const char* text, DWORD style, int id, int y) {
            CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, 150, 22, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
        };
        make("STATIC", "Name:", SS_LEFT, 100, 8);
        make("EDIT", "Game.pak", WS_BORDER, 101, 32);
        make("BUTTON", "Overwrite", BS_AUTOCHECKBOX, 102, 58);
        make("LISTBOX", "", WS_BORDER | WS_VSCROLL, 103, 84);
        make("BUTTON", "OK", BS_DEFPUSHBUTTON, IDOK, 112);
        return TRUE;
    }
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

HWND OpenTestDialog(DWORD style, HWND owner) {
    struct {
        DLGTEMPLATE t;
        WORD menu, cls, title;
    } tmpl{};
    tmpl.t.style = style;
    tmpl.t.cx = 120;
    tmpl.t.cy = 90;
    tmpl.t.x = 40;
    tmpl.t.y = 40;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &tmpl.t, owner, TestDialogProc, 0);
    if (dialog) {
        SetWindowTextA(dialog, "Test dialog");
        ShowWindow(dialog, SW_SHOWNOACTIVATE);
    }
    return dialog;
}

constexpr DWORD kDialogStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

TEST_F(DialogSkinTest, CloseButtonAnswersByTheDialogsClass) {
    for (const bool noClose : {false, true}) {
        HWND dialog = OpenTestDialog(kDialogStyle, Owner());
        ASSERT_NE(dialog, nullptr);
        const DWORD classStyle = GetClassLongA(dialog, GCL_STYLE);
        // Changed for this dialog's class only while the dialog is asked.
        if (noClose) SetClassLongA(dialog, GCL_STYLE, static_cast<LONG>(classStyle | CS_NOCLOSE));
        PumpFor(150);
        TvlProvider* provider = ProviderOfDialog(dialog);
        ASSERT_NE(provider, nullptr);
        const TRect32 close = provider->Frame()->Layout().Buttons[tbClose].Rect;
        ASSERT_TRUE(provider->Frame()->Layout().Buttons[tbClose].Shown) << "the button shows either way";
        RECT r;
        GetWindowRect(dialog, &r);
        const LPARAM at = MAKELPARAM(r.left + (close.Left + close.Right) / 2, r.top + (close.Top + close.Bottom) / 2);
        EXPECT_EQ(SendMessageA(dialog, WM_NCHITTEST, 0, at), noClose ? HTCAPTION : HTCLOSE) << noClose;
        const LPARAM caption = MAKELPARAM(r.left + 60, r.top + (close.Top + close.Bottom) / 2);
        EXPECT_EQ(SendMessageA(dialog, WM_NCHITTEST, 0, caption), HTCAPTION);
        const LPARAM inside = MAKELPARAM(r.left + 20, r.bottom - 20);
        EXPECT_EQ(SendMessageA(dialog, WM_NCHITTEST, 0, inside), HTCLIENT) << "the client is the dialog's";
        if (noClose) SetClassLongA(dialog, GCL_STYLE, static_cast<LONG>(classStyle));
        DestroyWindow(dialog);
        PumpFor(50);
    }
    EXPECT_TRUE(DialogProviders().empty());
}

struct AttributeCall {
    HWND Window;
    DWORD Attribute;
    BOOL Value;
};
std::vector<AttributeCall> attributeCalls;

HRESULT WINAPI RecordDwmSetWindowAttribute(HWND window, DWORD attribute, LPCVOID value, DWORD size) {
    const BOOL given = size == sizeof(BOOL) ? *static_cast<const BOOL*>(value) : -1;
    attributeCalls.push_back(AttributeCall{window, attribute, given});
    return S_OK;
}

// Under composition a skinned dialog's window plays none of the window
// manager's transitions (attribute 3, DWMWA_TRANSITIONS_FORCEDISABLED, true),
// and it is layered (so not presented) while the platform shows it.
TEST_F(DialogSkinTest, UnderCompositionADialogsTransitionsAreOffAndItIsShownUnseen) {
    ReplaceDwmSetWindowAttribute(&RecordDwmSetWindowAttribute);
    for (const bool composed : {false, true}) {
        SCOPED_TRACE(composed);
        attributeCalls.clear();
        layeredWhileShown.clear();
        ForceDesktopComposition(composed);
        HWND dialog = OpenTestDialog(kDialogStyle, Owner());
        ASSERT_NE(dialog, nullptr);
        PumpFor(100);
        EXPECT_EQ(layeredWhileShown, std::vector<bool>{composed});
        EXPECT_EQ(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_LAYERED, 0) << "and plain once shown";
        EXPECT_TRUE(IsWindowVisible(dialog));
        ASSERT_NE(ProviderOfDialog(dialog), nullptr);
        std::vector<AttributeCall> forDialog;
        for (const AttributeCall& call : attributeCalls)
            if (call.Window == dialog) forDialog.push_back(call);
        if (composed) {
            ASSERT_EQ(forDialog.size(), 1u);
            EXPECT_EQ(forDialog[0].Attribute, 3u);
            EXPECT_EQ(forDialog[0].Value, TRUE);
        } else {
            EXPECT_TRUE(forDialog.empty());
        }
        DestroyWindow(dialog);
        PumpFor(50);
    }
    ForceDesktopComposition(std::nullopt);
    ReplaceDwmSetWindowAttribute(nullptr);
}

TEST_F(DialogSkinTest, AHundredDialogsLeaveNothingBehind) {
    const auto openAndClose = [&] {
        HWND dialog = OpenTestDialog(kDialogStyle, Owner());
        if (!dialog) return false;
        PumpFor(20);
        TvlProvider* provider = ProviderOfDialog(dialog);
        const bool skinned = provider != nullptr && provider->ChildAdapterCount() == 5 &&
                             provider->Frame()->WindowImage() != nullptr;
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        PumpFor(2);
        return skinned && !IsWindow(dialog);
    };
    // The first ones make what stays for the process (the system's fonts and brushes).
    openAndClose();
    PumpFor(50);
    const GuiObjectCounts before = CountGuiObjects();
    int skinned = 0;
    for (int i = 0; i < 100; ++i) skinned += openAndClose();
    PumpFor(100);
    EXPECT_EQ(skinned, 100) << "every dialog had its frame and an adapter per child, and closed";
    EXPECT_TRUE(DialogProviders().empty());
    EXPECT_EQ(ReleasedProviderCount(), 0);
    const GuiObjectCounts after = CountGuiObjects();
    EXPECT_EQ(after.Gdi, before.Gdi) << "GDI objects";
    EXPECT_EQ(after.User, before.User) << "windows and other USER objects";
}

// What the popup menu window open now shows, read while its loop runs.
struct OpenMenu {
    bool found = false;
    bool skinned = false;
    int items = 0;
    int ownerDrawn = 0;
    int greyed = 0;
};

OpenMenu& SeenMenu() {
    static OpenMenu seen;
    return seen;
}

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) return;
    KillTimer(nullptr, id);
    OpenMenu& seen = SeenMenu();
    seen.found = true;
    seen.skinned = SendMessageA(popup, SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0) == 1;
    auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    seen.items = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < seen.items; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        seen.ownerDrawn += (info.fType & MFT_OWNERDRAW) != 0;
        seen.greyed += (info.fState & MFS_GRAYED) != 0;
    }
    EndMenu();
}

TEST_F(DialogSkinTest, SystemMenuOfADialogIsTheSkinsPopup) {
    HWND dialog = OpenTestDialog(kDialogStyle, Owner());
    ASSERT_NE(dialog, nullptr);
    PumpFor(150);
    ASSERT_NE(ProviderOfDialog(dialog), nullptr);
    RECT r;
    GetWindowRect(dialog, &r);
    SeenMenu() = OpenMenu{};
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, LookAtMenu);
    // A right click on the caption drops the menu; its loop runs until the timer has looked and ended it.
    SendMessageA(dialog, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(r.left + 40, r.top + 10));
    KillTimer(nullptr, timer);
    const OpenMenu& seen = SeenMenu();
    ASSERT_TRUE(seen.found) << "a menu opened";
    EXPECT_TRUE(seen.skinned) << "the menu window has the skin's adapter";
    // A fixed dialog frame with a system menu: move, a divider and close show.
    EXPECT_EQ(seen.items, 3);
    EXPECT_EQ(seen.ownerDrawn, seen.items) << "every item drawn by the skin";
    EXPECT_EQ(seen.greyed, 0);
    DestroyWindow(dialog);
    PumpFor(50);
}

TEST_F(DialogSkinTest, AThirdVisibleDialogStaysUnskinnedAndThePositionOverrideMovesDialogs) {
    SetDialogPosition(30, 40);
    HWND first = OpenTestDialog(kDialogStyle, Owner());
    SetDialogPosition(-1, -1);
    HWND second = OpenTestDialog(kDialogStyle, Owner());
    PumpFor(50);
    RECT r;
    GetWindowRect(first, &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    GetWindowRect(second, &r);
    EXPECT_NE(r.left, 30) << "without the override the dialog stays where it was made";
    ASSERT_NE(ProviderOfDialog(first), nullptr);
    ASSERT_NE(ProviderOfDialog(second), nullptr);
    HWND third = OpenTestDialog(kDialogStyle, Owner());
    PumpFor(50);
    EXPECT_EQ(ProviderOfDialog(third), nullptr) << "two skinned dialogs are already showing";
    SendMessageA(third, WM_COMMAND, IDOK, 0);
    SendMessageA(second, WM_COMMAND, IDOK, 0);
    HWND fourth = OpenTestDialog(kDialogStyle, Owner());
    PumpFor(50);
    EXPECT_NE(ProviderOfDialog(fourth), nullptr) << "one is left showing: the next one is skinned";
    for (HWND dialog : {first, fourth}) SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    PumpFor(50);
    EXPECT_TRUE(DialogProviders().empty());
}

LRESULT CALLBACK PlainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER + 7) return 77;
    return DefWindowProcA(window, msg, wParam, lParam);
}

TEST_F(DialogSkinTest, WindowsTheSkinningDoesNotTakeStayUsable) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = PlainProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "PakmolePlainTestWindow";
    RegisterClassA(&cls);
    HWND plain = CreateWindowExA(WS_EX_DLGMODALFRAME, cls.lpszClassName, "Plain", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 50, 50, 200, 120, nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_NE(plain, nullptr);
    ShowWindow(plain, SW_SHOW);
    SetForegroundWindow(plain);
    PumpFor(100);
    EXPECT_EQ(ProviderOfDialog(plain), nullptr) << "a window of another class is left to the platform";
    EXPECT_EQ(SendMessageA(plain, WM_USER + 7, 0, 0), 77);
    EXPECT_NE(GetWindowLongA(plain, GWL_STYLE) & WS_SYSMENU, 0);
    DestroyWindow(plain);

    // A dialog that the manager's handler turns away keeps the platform's looks and works.
    int asked = 0;
    manager->OnSysDlgInit = [&](TObject*, HWND, bool& allowed) {
        ++asked;
        allowed = false;
    };
    HWND dialog = OpenTestDialog(kDialogStyle, Owner());
    PumpFor(100);
    EXPECT_GE(asked, 1);
    EXPECT_EQ(ProviderOfDialog(dialog), nullptr);
    EXPECT_NE(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU, 0);
    SetDlgItemTextA(dialog, 101, "Other.pak");
    char text[64] = {};
    GetDlgItemTextA(dialog, 101, text, sizeof(text));
    EXPECT_STREQ(text, "Other.pak");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(dialog));
    manager->OnSysDlgInit = nullptr;
}

TEST_F(DialogSkinTest, SkinningOffLetsGoOfOpenDialogs) {
    HWND dialog = OpenTestDialog(kDialogStyle, Owner());
    PumpFor(100);
    ASSERT_NE(ProviderOfDialog(dialog), nullptr);
    manager->SetActive(false);
    PumpFor(100);
    EXPECT_TRUE(DialogProviders().empty()) << "the hook went, and the providers with it";
    EXPECT_NE(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU, 0) << "the platform's frame is back";
    EXPECT_EQ(TvlMainWnd::FromWindow(dialog), nullptr);
    EXPECT_EQ(TvlMainWnd::FromWindow(GetDlgItem(dialog, IDOK)), nullptr);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(dialog));
}

}  // namespace
}  // namespace pakmole::test
