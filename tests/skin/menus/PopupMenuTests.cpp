// A popup menu of a skinned form, opened for real under Wine: its frame, its
// hot item, its check mark, its separator and its disabled item compared
// with the skin's own painting; choosing an item; the engine's handlers put
// on and taken off; and many openings leaving no GDI or USER object behind.
#include <algorithm>
#include <cstdio>
#include <atomic>
#include <string>
#include <thread>

#include "skin/controls/menus/sSkinableMenus.h"
#include "skin/controls/menus/vlMnuWnd.h"
#include "skin/controls/provider/sSystemMenu.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/MaskPainter.h"
#include "tests/skin/adapters/AdapterFixture.h"
#include "tests/ui/GuiObjectCounts.h"
#include "ui/Menu.h"

namespace pakmole::test {
namespace {

// What a driver thread saw of the open popup while the menu's own loop held
// the GUI thread.
struct OpenPopup {
    HWND window = nullptr;
    RECT bounds{};
    std::vector<RECT> items;  // window coordinates
    TBitmap32 picture;
    bool regionCut = false;
    bool layered = false;
    BYTE alpha = 255;
};

void PressKey(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

HWND WaitForPopup() {
    for (int i = 0; i < 300; ++i) {
        HWND popup = FindWindowA("#32768", nullptr);
        if (popup && IsWindowVisible(popup)) return popup;
        Sleep(10);
    }
    return nullptr;
}

// Waits for the popup, points at item hot (-1: none), takes its picture,
// then either clicks item choose or presses Escape.
std::thread Drive(OpenPopup& seen, int hot, int choose) {
    return std::thread([&seen, hot, choose] {
        HWND popup = WaitForPopup();
        if (!popup) return;
        seen.window = popup;
        GetWindowRect(popup, &seen.bounds);
        auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            RECT r{};
            GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r);
            OffsetRect(&r, -seen.bounds.left, -seen.bounds.top);
            seen.items.push_back(r);
        }
        auto centre = [&](int index) {
            const RECT& r = seen.items.at(static_cast<std::size_t>(index));
            return POINT{seen.bounds.left + (r.left + r.right) / 2, seen.bounds.top + (r.top + r.bottom) / 2};
        };
        if (hot >= 0) MovePointer(centre(hot));
        Sleep(300);
        seen.picture = GrabWindow(popup);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        seen.regionCut = GetWindowRgn(popup, region) != ERROR;
        DeleteObject(region);
        seen.layered = (GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
        DWORD flags = 0;
        if (seen.layered) GetLayeredWindowAttributes(popup, nullptr, &seen.alpha, &flags);
        if (choose >= 0) {
            MovePointer(centre(choose));
            PressPointer(true);
            PressPointer(false);
            // A click that chose nothing leaves the menu open.
            Sleep(200);
            if (IsWindowVisible(popup)) PressKey(VK_ESCAPE);
        } else {
            PressKey(VK_ESCAPE);
        }
    });
}

// How the popup window was as it was about to be shown, seen by a hook on the
// GUI thread after the window's own handling.
struct FirstShow {
    bool seen = false;
    bool layered = false;
    BYTE alpha = 255;
};
FirstShow firstShow;

LRESULT CALLBACK RecordFirstShow(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_WINDOWPOSCHANGING && !firstShow.seen) {
        char cls[16] = {};
        GetClassNameA(msg->hwnd, cls, sizeof(cls));
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(msg->lParam);
        if (std::string(cls) == "#32768" && (pos->flags & SWP_SHOWWINDOW)) {
            firstShow.seen = true;
            firstShow.layered = (GetWindowLongA(msg->hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
            DWORD flags = 0;
            if (firstShow.layered) GetLayeredWindowAttributes(msg->hwnd, nullptr, &firstShow.alpha, &flags);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// What one opening may leave until the next: the adapter of the last popup
// lives on until the next popup comes (its window is gone), and the system
// may keep a menu picture of its own.
constexpr int kGdiSlack = 2;

class PopupMenuTest : public AdapterFixture {
protected:
    void SetUp() override {
        AdapterFixture::SetUp();
        popup = new TPopupMenu(form);
        auto add = [this](const std::string& caption) {
            auto* item = new TMenuItem(popup);
            item->Caption = caption;
            item->OnClick = [this, caption](TObject*) { chosen += caption + ";"; };
            popup->Items().Add(item);
            return item;
        };
        add("Open");
        add("-");
        add("Checked")->Checked = true;
        add("Disabled")->Enabled = false;
        add("Close")->ShortCut = ShortCut(VK_F4, ssAlt);
        TsSkinableMenus::Of(manager.get())->HookMenu(*popup, true);
    }

    void Open(OpenPopup& seen, int hot, int choose) {
        std::thread driver = Drive(seen, hot, choose);
        popup->Popup(300, 200);
        driver.join();
        PumpFor(50);
    }

    // The skin's own popup background and frame at the window's size.
    TBitmap32 MenuPicture(const OpenPopup& seen) const {
        return SkinSectionPicture(*manager, "MAINMENU", seen.bounds.right - seen.bounds.left,
                                  seen.bounds.bottom - seen.bounds.top, POINT{0, 0}, 0,
                                  manager->Palette()[pcMainColor]);
    }
    // "MENUITEM" in state over the popup's picture, at item (window coordinates).
    TBitmap32 ItemPicture(const TBitmap32& menu, const RECT& item, int state) const {
        return SectionPicture(*manager, "MENUITEM", item.right - item.left, item.bottom - item.top,
                              POINT{item.left, item.top}, state, BgSourceOfBitmap(&menu, 0, 0));
    }
    static TBitmap32 Crop(const TBitmap32& picture, const RECT& r) {
        TBitmap32 part(r.right - r.left, r.bottom - r.top);
        for (int y = 0; y < part.Height(); ++y)
            for (int x = 0; x < part.Width(); ++x) part.Pixel(x, y) = picture.Pixel(r.left + x, r.top + y);
        return part;
    }
    // The largest channel difference between the item's text and what lies behind it.
    static int InkContrast(const TBitmap32& item, const TBitmap32& bare) {
        int most = 0;
        for (int y = 0; y < item.Height(); ++y)
            for (int x = 28; x < item.Width() - 8; ++x)
                for (int shift : {0, 8, 16})
                    most = std::max(most, std::abs(int((item.Pixel(x, y) >> shift) & 0xFF) -
                                                   int((bare.Pixel(x, y) >> shift) & 0xFF)));
        return most;
    }

    TPopupMenu* popup = nullptr;
    std::string chosen;
};

TEST_F(PopupMenuTest, OpenPopupWearsTheSkin) {
    OpenPopup seen;
    Open(seen, 0, -1);
    ASSERT_NE(seen.window, nullptr);
    ASSERT_EQ(seen.items.size(), 5u);
    SaveShot(seen.picture, "menus-popup");
    EXPECT_EQ(chosen, "");
    EXPECT_TRUE(seen.regionCut);

    const TBitmap32 menu = MenuPicture(seen);
    const int w = menu.Width(), h = menu.Height();
    // The frame ring, where the window's region keeps it.
    EXPECT_EQ(CountDifferences(seen.picture, menu,
                               [&](int x, int y) {
                                   const bool corner = (x < 3 || x >= w - 3) && (y < 3 || y >= h - 3);
                                   return !corner && std::min({x, y, w - 1 - x, h - 1 - y}) < 3;
                               }),
              0);
    // Its corners, where the region keeps them, are the skin's own bitmap.
    const CornerCheck corners = CornersFromTheSkinsBitmap(*manager, "MAINMENU", 0, seen.picture);
    EXPECT_GT(corners.checked, 0);
    EXPECT_EQ(corners.wrong, 0);

    const RECT hot = seen.items[0], separator = seen.items[1], checked = seen.items[2], disabled = seen.items[3],
               plain = seen.items[4];
    EXPECT_EQ(separator.bottom - separator.top, 2);
    // The hot item outside its caption: "MENUITEM" in its hot state.
    const TBitmap32 hotSeen = Crop(seen.picture, hot);
    const TBitmap32 hotSkin = ItemPicture(menu, hot, 1);
    EXPECT_EQ(CountDifferences(hotSeen, hotSkin, [&](int x, int) { return x < 24 || x >= hotSeen.Width() - 4; }), 0);
    EXPECT_GT(InkContrast(hotSeen, hotSkin), 60);  // its caption is there

    // The check mark of the skin, at its place left of the caption.
    const TsSkinModel& model = manager->Model();
    const int check = model.FindMask(model.KnownIndexes.GlobalInfo, "GLOBALINFO", "CHECK");
    ASSERT_TRUE(model.IsValidMask(check));
    TBitmap32 checkedSkin = ItemPicture(menu, checked, 0);
    const TsMaskData& mark = model.Masks[static_cast<std::size_t>(check)];
    const TBitmap32 under(checkedSkin);
    PaintMaskImage(checkedSkin, TPoint32{4, (checkedSkin.Height() - mark.StateHeight()) / 2}, 0,
                   BgSourceOfBitmap(&under, 0, 0), mark, miNormal);
    const TBitmap32 checkedSeen = Crop(seen.picture, checked);
    EXPECT_EQ(CountDifferences(checkedSeen, checkedSkin, [](int x, int) { return x < 24; }), 0);
    EXPECT_GT(CountDifferences(checkedSeen, ItemPicture(menu, checked, 0), [](int x, int) { return x < 24; }), 10);

    // The separator's line lies between the glyph strip and the right margin.
    int lineInk = 0, outside = 0;
    for (int x = separator.left; x < separator.right; ++x) {
        const bool differs = (seen.picture.Pixel(x, separator.top) & 0xFFFFFF) != (menu.Pixel(x, separator.top) & 0xFFFFFF);
        const int local = x - separator.left;
        if (local >= 28 && local < (separator.right - separator.left) - 12) lineInk += differs;
        if (local < 26) outside += differs;
    }
    EXPECT_GT(lineInk, 20);
    EXPECT_EQ(outside, 0);

    // The disabled item keeps its place but its caption fades toward the background.
    const TBitmap32 plainSeen = Crop(seen.picture, plain), disabledSeen = Crop(seen.picture, disabled);
    const int plainInk = InkContrast(plainSeen, ItemPicture(menu, plain, 0));
    const int disabledInk = InkContrast(disabledSeen, ItemPicture(menu, disabled, 0));
    EXPECT_EQ(disabled.bottom - disabled.top, plain.bottom - plain.top);
    EXPECT_GT(disabledInk, 0);
    EXPECT_LT(disabledInk * 2, plainInk);
}

TEST_F(PopupMenuTest, ClickingAnItemRunsItsClickAndADisabledOneDoesNothing) {
    OpenPopup seen;
    Open(seen, -1, 4);
    EXPECT_EQ(chosen, "Close;");
    chosen.clear();
    OpenPopup again;
    Open(again, -1, 3);
    ASSERT_NE(again.window, nullptr);
    EXPECT_EQ(chosen, "");
}

TEST_F(PopupMenuTest, EngineTakesAwayOnlyItsOwnHandlers) {
    TMenuItem& own = *popup->Items().Items(0);
    int ownDraws = 0;
    own.OnAdvancedDrawItem = [&](TObject*, HDC, const RECT&, TOwnerDrawState) { ++ownDraws; };
    TsSkinableMenus* engine = TsSkinableMenus::Of(manager.get());
    engine->HookMenu(*popup, false);
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_TRUE(own.OnAdvancedDrawItem);   // the item's own painter stays
    EXPECT_FALSE(own.OnMeasureItem);       // the engine's measurer went
    EXPECT_FALSE(popup->Items().Items(2)->OnAdvancedDrawItem);
    engine->HookMenu(*popup, true);
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(popup->Items().Items(2)->OnAdvancedDrawItem);
    EXPECT_TRUE(popup->Items().Items(2)->OnMeasureItem);
    // Switching skinned popups off gives every menu of the application back.
    manager->SetSkinnedPopups(false);
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_FALSE(popup->Items().Items(2)->OnMeasureItem);
    EXPECT_TRUE(own.OnAdvancedDrawItem);
    manager->SetSkinnedPopups(true);
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(popup->Items().Items(2)->OnMeasureItem);
}

TEST_F(PopupMenuTest, ManyOpeningsLeaveNoObjectBehind) {
    // Two openings first: the engine, the fonts and the adapter list settle.
    for (int i = 0; i < 2; ++i) {
        OpenPopup warm;
        Open(warm, 0, -1);
    }
    const GuiObjectCounts before = CountGuiObjects();
    ASSERT_GT(before.Gdi, 0);
    ASSERT_GT(before.User, 0);
    for (int i = 0; i < 200; ++i) {
        OpenPopup seen;
        std::thread driver([&seen] {
            if ((seen.window = WaitForPopup())) PressKey(VK_ESCAPE);
        });
        popup->Popup(300, 200);
        driver.join();
        ASSERT_NE(seen.window, nullptr) << i;
    }
    PumpFor(100);
    const GuiObjectCounts after = CountGuiObjects();
    std::printf("GDI objects %d -> %d, USER objects %d -> %d\n", before.Gdi, after.Gdi, before.User, after.User);
    EXPECT_LE(after.Gdi, before.Gdi + kGdiSlack);
    EXPECT_LE(after.User, before.User);
}

TEST_F(PopupMenuTest, OpacityFollowsTheMenuSupportsAlphaBlend) {
    OpenPopup opaque;
    Open(opaque, -1, -1);
    ASSERT_NE(opaque.window, nullptr);
    EXPECT_FALSE(opaque.layered);
    manager->MenuSupport().AlphaBlend = 200;
    OpenPopup translucent;
    Open(translucent, -1, -1);
    manager->MenuSupport().AlphaBlend = 255;
    ASSERT_NE(translucent.window, nullptr);
    EXPECT_TRUE(translucent.layered);
    EXPECT_EQ(translucent.alpha, 200);
}

TEST_F(PopupMenuTest, AnOpaquePopupIsShownAtAlphaZeroUntilItsFirstSkinnedFrame) {
    ASSERT_EQ(manager->MenuSupport().AlphaBlend, 255);
    firstShow = FirstShow{};
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, RecordFirstShow, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    OpenPopup seen;
    Open(seen, -1, -1);
    UnhookWindowsHookEx(hook);
    ASSERT_NE(seen.window, nullptr);
    ASSERT_TRUE(firstShow.seen);
    EXPECT_TRUE(firstShow.layered);
    EXPECT_EQ(firstShow.alpha, 0);
    EXPECT_FALSE(seen.layered) << "opaque once its frame is painted";
}

TEST_F(PopupMenuTest, ExtraLineWidensThePopupUnlessItIsASkinList) {
    auto width = [this] {
        OpenPopup seen;
        Open(seen, -1, -1);
        return seen.window ? seen.bounds.right - seen.bounds.left : -1;
    };
    const int plain = width();
    ASSERT_GT(plain, 0);
    TvlMenuSupport& support = manager->MenuSupport();
    support.UseExtraLine = true;
    support.ExtraLineWidth = 32;
    const int withLine = width();
    popup->Items().Items(0)->SetName("SkinSelectItem");
    const int skinList = width();
    support.UseExtraLine = false;
    EXPECT_EQ(withLine - plain, 32);
    EXPECT_EQ(skinList, plain);
}

TEST_F(PopupMenuTest, RightClickOnAControlShowsItsMenuSkinned) {
    TsSkinableMenus::Of(manager.get())->HookMenu(*popup, false);
    ASSERT_FALSE(popup->OwnerDraw());
    button->PopupMenu = popup;
    RECT r;
    GetWindowRect(button->Handle(), &r);
    MovePointer(POINT{r.left + 10, r.top + 5});
    bool adapted = false;
    OpenPopup seen;
    std::thread driver([&] {
        HWND window = WaitForPopup();
        seen.window = window;
        adapted = TvlMnuWnd::ForWindow(window) != nullptr;
        PressKey(VK_ESCAPE);
    });
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, click, sizeof(INPUT));
    PumpUntil([&] { return seen.window != nullptr; }, 3000);
    driver.join();
    PumpFor(100);
    ASSERT_NE(seen.window, nullptr);
    // The right click brought the menu under the skin before it opened.
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(adapted);
    button->PopupMenu = nullptr;
}

TEST_F(PopupMenuTest, WithoutSkinnedPopupsTheWindowsOwnSystemMenuShows) {
    manager->SetSkinnedPopups(false);
    HWND window = nullptr;
    bool adapted = true;
    int items = 0;
    std::thread driver([&] {
        window = WaitForPopup();
        adapted = TvlMnuWnd::ForWindow(window) != nullptr;
        items = GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)));
        PressKey(VK_ESCAPE);
    });
    provider->DropSysMenu(POINT{300, 200});
    driver.join();
    manager->SetSkinnedPopups(true);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(adapted);
    EXPECT_GT(items, 0);
    EXPECT_EQ(provider->SystemMenu(), nullptr);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(PopupMenuTest, SystemMenuOpeningsLeaveNoObjectBehind) {
    const POINT at{300, 200};
    auto openAndClose = [&] {
        HWND seen = nullptr;
        std::thread driver([&seen] {
            if ((seen = WaitForPopup())) PressKey(VK_ESCAPE);
        });
        provider->DropSysMenu(at);
        driver.join();
        return seen;
    };
    ASSERT_NE(openAndClose(), nullptr);
    ASSERT_NE(provider->SystemMenu(), nullptr);
    EXPECT_EQ(provider->SystemMenu()->Name().rfind("vlSysMenu", 0), 0u);
    EXPECT_TRUE(provider->SystemMenu()->OwnerDraw());
    const GuiObjectCounts before = CountGuiObjects();
    for (int i = 0; i < 200; ++i) ASSERT_NE(openAndClose(), nullptr) << i;
    PumpFor(100);
    const GuiObjectCounts after = CountGuiObjects();
    std::printf("GDI objects %d -> %d, USER objects %d -> %d\n", before.Gdi, after.Gdi, before.User, after.User);
    EXPECT_LE(after.Gdi, before.Gdi + kGdiSlack);
    EXPECT_LE(after.User, before.User);
}

}  // namespace
}  // namespace pakmole::test
