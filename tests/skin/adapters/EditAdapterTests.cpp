// A memo with more lines than it shows, adapted by the edit adapter on a
// skinned form under Wine: its scroll bar is the skin's, and clicks on the
// arrows, on the track and a drag of the thumb scroll it as the platform's
// bar would (a line, a page, to the end), with the skin commands around
// every scroll message.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/Blend.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/sFade_win.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/adapters/SkinnedForm.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"
#include "ui/Edit.h"
#include "ui/Graphics.h"
#include "ui/Memo.h"

namespace pakmole::test {
namespace {

// A memo (word-wrapped: a vertical bar only) that records the scroll commands it hears.
class ScrollingMemo : public TMemo {
public:
    using TMemo::TMemo;
    void WndProc(TMessage& m) override {
        if (m.Msg == SKM_COMMAND) {
            const uint16_t code = SkinCommandCode(m.WParam);
            if (code == SKC_BEFORESCROLL || code == SKC_AFTERSCROLL) Heard.push_back({code, m.LParam});
        }
        TMemo::WndProc(m);
    }
    bool HeardAround(int scrollCode) const {
        const LPARAM about = MAKELPARAM(scrollCode, WM_VSCROLL);
        bool before = false;
        for (const auto& [code, lParam] : Heard) {
            if (lParam != about) continue;
            if (code == SKC_BEFORESCROLL) before = true;
            if (code == SKC_AFTERSCROLL && before) return true;
        }
        return false;
    }
    std::vector<std::pair<uint16_t, LPARAM>> Heard;
};

// A memo whose window has neither bar.
class BarlessMemo : public TMemo {
public:
    using TMemo::TMemo;

protected:
    void CreateParams(TCreateParams& p) override {
        TMemo::CreateParams(p);
        p.Style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL);
    }
};

int Brightness(uint32_t pixel) {
    return static_cast<int>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3;
}

class EditAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = AppliedInternalSkin();
        ASSERT_TRUE(manager->Active());
        form = SkinnedForm(app, 320, 240);
        memo = new ScrollingMemo(form);
        memo->SetParent(form);
        memo->SetBounds(20, 20, 200, 150);
        std::vector<std::string> lines;
        for (int i = 0; i < 100; ++i) lines.push_back("line " + std::to_string(i));
        memo->SetLines(lines);
        MovePointer(POINT{2, 2});
        form->Show();
        state = std::make_unique<TsCommonData>(nullptr, true);
        state->Control = memo;
        adapter = std::make_unique<TvlEditWnd>(memo->Handle(), true, "", manager.get(), state.get());
        adapter->Start();
        Settle();
        SendMessageA(memo->Handle(), EM_LINESCROLL, 0, -1000);
        Settle();
    }
    void TearDown() override {
        adapter.reset();
        if (form) form->Free();
    }
    void Settle() {
        PumpUntil([] { return LiveFadeTimerCount() == 0; }, 3000);
        PumpFor(100);
    }
    int FirstLine() const { return static_cast<int>(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
    // A point of the vertical bar on the screen, along from its top.
    POINT OnBar(int along) const {
        RECT window;
        GetWindowRect(memo->Handle(), &window);
        const RECT bar = adapter->BarRect(1);
        return POINT{window.left + (bar.left + bar.right) / 2, window.top + bar.top + along};
    }
    void Click(POINT at) {
        MovePointer(at);
        PressPointer(true);
        PressPointer(false);
        Settle();
    }

    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* form = nullptr;
    ScrollingMemo* memo = nullptr;
    std::unique_ptr<TsCommonData> state;
    std::unique_ptr<TvlEditWnd> adapter;
};

TEST_F(EditAdapterTest, TheBarIsTheSkinsAndLeavesTheTextItsRoom) {
    ASSERT_TRUE(adapter->Bar(1).Shown);
    EXPECT_FALSE(adapter->Bar(0).Shown);
    const RECT bar = adapter->BarRect(1);
    EXPECT_EQ(bar.right - bar.left, GetSystemMetrics(SM_CXVSCROLL));
    RECT client;
    GetClientRect(memo->Handle(), &client);
    RECT window;
    GetWindowRect(memo->Handle(), &window);
    EXPECT_EQ(client.right, bar.left - 2) << "the text runs under the bar";

    const TBitmap32 shown = GrabWindow(memo->Handle());
    const TScrollBarLayout layout = adapter->Layout(1);
    ASSERT_TRUE(layout.HasThumb);
    // The platform's bar is light; the skin's is charcoal, its thumb set off from its track.
    long track = 0, thumb = 0;
    const int x = (bar.left + bar.right) / 2;
    for (int y = 0; y < layout.ThumbLength; ++y) thumb += Brightness(shown.Pixel(x, bar.top + layout.ThumbStart + y));
    const int trackFrom = layout.ThumbStart + layout.ThumbLength + 4, trackTo = layout.TrackStart + layout.TrackLength;
    ASSERT_GT(trackTo - trackFrom, 10);
    for (int y = trackFrom; y < trackTo; ++y) track += Brightness(shown.Pixel(x, bar.top + y));
    const long meanTrack = track / (trackTo - trackFrom), meanThumb = thumb / layout.ThumbLength;
    EXPECT_LT(meanTrack, 90);
    EXPECT_GT(meanThumb, meanTrack + 8) << "no thumb to be seen on the track";
    // The frame is the skin's "EDIT" frame, not the platform's 3D edge; the
    // memo, alone on the form, has the focus: the hot look.
    ASSERT_EQ(GetFocus(), memo->Handle());
    TBgSource behind;
    behind.Color = static_cast<int32_t>(ColorToRGB(form->Color()));
    const TBitmap32 frame =
        SectionPicture(*manager, "EDIT", shown.Width(), shown.Height(), POINT{memo->Left(), memo->Top()}, 1, behind);
    const int w = shown.Width(), h = shown.Height();
    EXPECT_EQ(CountDifferences(shown, frame, [w, h](int x, int y) { return x < 2 || y < 2 || x >= w - 2 || y >= h - 2; }),
              0);
    // The memo took the section's colours (of the hot look).
    const TsGeneralData& edit = manager->Model().Sections.at(static_cast<std::size_t>(manager->FindSection("EDIT")));
    EXPECT_EQ(memo->Color(), edit.Props[1].Color);
    EXPECT_EQ(memo->Font().Color(), edit.Props[1].FontColor);
}

TEST_F(EditAdapterTest, ArrowsTrackAndThumbScrollAsThePlatformsBar) {
    const TScrollBarLayout layout = adapter->Layout(1);
    ASSERT_TRUE(layout.HasThumb);
    const int page = static_cast<int>(adapter->Bar(1).Info.nPage);
    ASSERT_GT(page, 3);
    ASSERT_EQ(FirstLine(), 0);

    Click(OnBar(layout.Length - layout.ArrowLength / 2));
    EXPECT_EQ(FirstLine(), 1) << "the second arrow scrolls a line";
    EXPECT_TRUE(memo->HeardAround(SB_LINEDOWN));
    EXPECT_TRUE(memo->HeardAround(SB_ENDSCROLL));

    Click(OnBar(layout.ArrowLength / 2));
    EXPECT_EQ(FirstLine(), 0) << "the first arrow scrolls back a line";

    const TScrollBarLayout now = adapter->Layout(1);
    Click(OnBar(now.ThumbStart + now.ThumbLength + 5));
    EXPECT_EQ(FirstLine(), page) << "the track after the thumb scrolls a page";
    EXPECT_TRUE(memo->HeardAround(SB_PAGEDOWN));
    EXPECT_EQ(GetScrollPos(memo->Handle(), SB_VERT), page);

    // The thumb dragged to the track's end: the last page shows.
    const TScrollBarLayout before = adapter->Layout(1);
    MovePointer(OnBar(before.ThumbStart + before.ThumbLength / 2));
    PressPointer(true);
    MovePointer(OnBar(before.TrackStart + before.TrackLength + 30));
    Settle();
    EXPECT_TRUE(memo->HeardAround(SB_THUMBTRACK));
    PressPointer(false);
    Settle();
    // Where the platform's own bar ends: the last position with a whole page.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(memo->Handle(), SB_VERT, &info);
    EXPECT_EQ(FirstLine(), info.nMax - static_cast<int>(info.nPage) + 1);
    EXPECT_GT(FirstLine(), 80);
    EXPECT_TRUE(memo->HeardAround(SB_THUMBPOSITION));
    SaveShot(GrabWindow(form->Handle()), "memo-scrolled");
    const TScrollBarLayout after = adapter->Layout(1);
    EXPECT_EQ(after.ThumbStart + after.ThumbLength, after.TrackStart + after.TrackLength);
}

TEST_F(EditAdapterTest, HeldArrowRepeatsUntilLetGo) {
    const TScrollBarLayout layout = adapter->Layout(1);
    MovePointer(OnBar(layout.Length - layout.ArrowLength / 2));
    PressPointer(true);
    PumpFor(150);
    EXPECT_EQ(FirstLine(), 1) << "one line at once, then a pause";
    PumpFor(700);
    const int held = FirstLine();
    EXPECT_GT(held, 4) << "no repeat after the first delay";
    PressPointer(false);
    Settle();
    const int released = FirstLine();
    PumpFor(300);
    EXPECT_EQ(FirstLine(), released) << "the repeat went on after the release";
    MovePointer(POINT{2, 2});
}

TEST_F(EditAdapterTest, WithoutScrollStylesNoBarAndTheFrameIsUnchanged) {
    // A memo whose window has no bar styles keeps all of its room.
    auto* plain = new BarlessMemo(form);
    plain->SetParent(form);
    plain->SetBounds(20, 180, 200, 40);
    RECT before;
    GetClientRect(plain->Handle(), &before);
    TsCommonData plainState(nullptr, true);
    plainState.Control = plain;
    {
        TvlEditWnd plainAdapter(plain->Handle(), true, "", manager.get(), &plainState);
        plainAdapter.Start();
        Settle();
        RECT after;
        GetClientRect(plain->Handle(), &after);
        EXPECT_FALSE(plainAdapter.Bar(0).Shown);
        EXPECT_FALSE(plainAdapter.Bar(1).Shown);
        EXPECT_EQ(after.right, before.right);
        EXPECT_EQ(after.bottom, before.bottom);
    }
}

// A memo with both bars (no word wrap), lines long and many.
class WideMemo : public TMemo {
public:
    explicit WideMemo(TComponent* owner) : TMemo(owner) { SetWordWrap(false); }
};

TEST_F(EditAdapterTest, CornerBetweenTheBarsIsAGripOnlyAtTheWindowsCorner) {
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i) lines.push_back("Engine/Content/Slate/Common/Row" + std::to_string(i) + "/Wide.uasset");
    const int w = 150, h = 90;
    const struct {
        const char* name;
        bool atCorner;
    } cases[] = {{"at the form's bottom-right", true}, {"inside the form", false}};
    TBitmap32 corners[2];
    for (int i = 0; i < 2; ++i) {
        auto* wide = new WideMemo(form);
        wide->SetParent(form);
        const int left = cases[i].atCorner ? form->ClientWidth() - w : 100;
        const int top = cases[i].atCorner ? form->ClientHeight() - h : 0;
        wide->SetBounds(left, top, w, h);
        wide->SetLines(lines);
        TsCommonData wideState(nullptr, true);
        wideState.Control = wide;
        TvlEditWnd wideAdapter(wide->Handle(), true, "", manager.get(), &wideState);
        wideAdapter.Start();
        Settle();
        ASSERT_TRUE(wideAdapter.Bar(0).Shown && wideAdapter.Bar(1).Shown) << cases[i].name;
        EXPECT_EQ(wideAdapter.InGripCorner(), cases[i].atCorner) << cases[i].name;
        const RECT corner = wideAdapter.CornerRect();
        EXPECT_EQ(corner.right - corner.left, GetSystemMetrics(SM_CXVSCROLL));
        EXPECT_EQ(corner.bottom - corner.top, GetSystemMetrics(SM_CYHSCROLL));
        RECT window;
        GetWindowRect(wide->Handle(), &window);
        const POINT middle{window.left + (corner.left + corner.right) / 2, window.top + (corner.top + corner.bottom) / 2};
        const LRESULT hit = SendMessageA(wide->Handle(), WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y));
        if (cases[i].atCorner)
            EXPECT_EQ(hit, HTBOTTOMRIGHT) << cases[i].name;
        else
            EXPECT_NE(hit, HTBOTTOMRIGHT) << cases[i].name;
        const TBitmap32 shown = GrabWindow(wide->Handle());
        corners[i] = TBitmap32(corner.right - corner.left, corner.bottom - corner.top);
        CopyPixels(corners[i], 0, 0, corners[i].Width(), corners[i].Height(), shown, corner.left, corner.top);
        wide->Free();
    }
    // Away from the corner the square shows the form behind it, one flat colour.
    const TBitmap32& plain = corners[1];
    const uint32_t formColour = plain.Pixel(0, 0) & 0xFFFFFF;
    int unlike = 0;
    for (int y = 0; y < plain.Height(); ++y)
        for (int x = 0; x < plain.Width(); ++x) unlike += (plain.Pixel(x, y) & 0xFFFFFF) != formColour;
    EXPECT_EQ(unlike, 0) << "the square is not the form's colour";
    const TBitmap32 onForm = GrabScreen(RECT{form->ClientOrigin().x + 2, form->ClientOrigin().y + 200,
                                             form->ClientOrigin().x + 3, form->ClientOrigin().y + 201});
    EXPECT_EQ(onForm.Pixel(0, 0) & 0xFFFFFF, formColour);
    // At the corner the grip is drawn against the bottom-right of the square.
    const TsMaskData& grip =
        manager->Model().Masks.at(static_cast<std::size_t>(manager->Model().KnownIndexes.GripImage));
    const RECT ink = InkBox(corners[0], plain);
    ASSERT_GE(ink.right, 0) << "no grip";
    EXPECT_GE(ink.left, corners[0].Width() - grip.StateWidth());
    EXPECT_GE(ink.top, corners[0].Height() - grip.StateHeight());
}

// The list of a pak as list mode writes it: tabs, CR LF, bytes above 127.
TEST_F(EditAdapterTest, AdaptedMemoKeepsAFileListByteForByte) {
    std::string list = "#\tFileName\tOffset\tSize\tZSize\r\n";
    for (int i = 1; i <= 700; ++i)
        list += std::to_string(i) + "\tGame\\Content\\Caf\xc3\xa9\\Map" + std::to_string(i) + ".umap\t" +
                std::to_string(i * 4096) + "\t" + std::to_string(i * 7) + "\t" + std::to_string(i * 3) + "\r\n";
    ASSERT_GT(list.size(), 32768u) << "the list must pass the platform's default limit";
    auto* buffer = new WideMemo(form);
    buffer->SetParent(form);
    buffer->SetVisible(false);
    buffer->SetBounds(200, 8, 161, 65);
    TsCommonData bufferState(nullptr, true);
    bufferState.Control = buffer;
    TvlEditWnd bufferAdapter(buffer->Handle(), true, "", manager.get(), &bufferState);
    bufferAdapter.Start();
    buffer->SetText("");
    buffer->SetText(list);
    Settle();
    EXPECT_EQ(buffer->Text(), list);
    buffer->SetText("#\tFileName\r\n");
    EXPECT_EQ(buffer->Text(), "#\tFileName\r\n") << "cleared and written again";
}

const TsGeneralData& EditSection(const TsSkinManager& manager) {
    return manager.Model().Sections.at(static_cast<std::size_t>(manager.FindSection("EDIT")));
}

TEST_F(EditAdapterTest, FieldColoursFollowTheLookAndComeBackWhenLetGo) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 190, 200, 21);
    edit->SetColor(0x00FFFF00);  // aqua
    edit->Font().SetColor(0x00000080);  // maroon
    const TsGeneralData& section = EditSection(*manager);
    ASSERT_GT(section.States, 1);
    {
        TsCommonData editState(nullptr, true);
        editState.Control = edit;
        TvlEditWnd editAdapter(edit->Handle(), true, "", manager.get(), &editState);
        editAdapter.Start();
        const struct {
            const char* name;
            HWND focus;
            int state;
        } looks[] = {{"focused", edit->Handle(), 1}, {"at rest", memo->Handle(), 0}, {"focused again", edit->Handle(), 1}};
        for (const auto& look : looks) {
            SetFocus(look.focus);
            Settle();
            EXPECT_EQ(edit->Color(), section.Props[static_cast<std::size_t>(look.state)].Color) << look.name;
            EXPECT_EQ(edit->Font().Color(), section.Props[static_cast<std::size_t>(look.state)].FontColor) << look.name;
            EXPECT_EQ(editAdapter.AppliedColor(), edit->Color()) << look.name;
        }
    }
    EXPECT_EQ(edit->Color(), 0x00FFFF00) << "the edit's own colour did not come back";
    EXPECT_EQ(edit->Font().Color(), 0x00000080);

    // A window without a component: the section's colour, clWindow in
    // dialogs, and the skin's border colour for its frame.
    HWND raw = CreateWindowExA(0, "EDIT", "raw", WS_CHILD | WS_VISIBLE | WS_BORDER, 230, 190, 80, 21, form->Handle(),
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(raw, nullptr);
    for (const bool dialog : {false, true}) {
        SetDialogMode(dialog);
        TvlEditWnd rawAdapter(raw, true, "", manager.get(), nullptr);
        rawAdapter.Start();
        rawAdapter.ApplySkinParams();
        SetDialogMode(false);
        EXPECT_EQ(rawAdapter.AppliedColor(), dialog ? clWindow : section.Props[0].Color) << "dialog " << dialog;
        EXPECT_EQ(rawAdapter.FrameColor(), manager->Palette()[pcBorder]);
    }
    DestroyWindow(raw);
}

TEST_F(EditAdapterTest, InDialogsAFieldIsTheWindowColourInTheSkinsBorder) {
    HWND raw = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "file.pak", WS_CHILD | WS_VISIBLE, 20, 190, 200, 22,
                               form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(raw, nullptr);
    const int32_t border = manager->Palette()[pcBorder];
    ASSERT_NE(border, 0xFF00FF) << "the skin has no border colour";
    const auto asPixel = [](uint32_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); };
    for (const bool dialog : {true, false}) {
        SetDialogMode(dialog);
        TvlEditWnd rawAdapter(raw, true, "", manager.get(), nullptr);
        rawAdapter.Start();
        SetDialogMode(false);
        RedrawWindow(raw, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Settle();
        const TBitmap32 shown = GrabWindow(raw);
        const uint32_t corner = shown.Pixel(0, 0) & 0xFFFFFF, inside = shown.Pixel(1, shown.Height() / 2) & 0xFFFFFF;
        if (dialog) {
            EXPECT_EQ(corner, asPixel(ColorToRGB(border)));
            EXPECT_EQ(inside, asPixel(ColorToRGB(clWindow)));
        } else {
            // The section's own frame: the picture the skin paints for "EDIT".
            TBgSource behind;
            behind.Color = static_cast<int32_t>(ColorToRGB(form->Color()));
            const TBitmap32 frame = SectionPicture(*manager, "EDIT", shown.Width(), shown.Height(), POINT{20, 190},
                                                   0, behind);
            const int w = shown.Width(), h = shown.Height();
            EXPECT_EQ(CountDifferences(shown, frame,
                                       [w, h](int x, int y) { return x < 2 || y < 2 || x >= w - 2 || y >= h - 2; }),
                      0);
        }
    }
    DestroyWindow(raw);
}

TEST_F(EditAdapterTest, DisabledOneLineEditShowsItsCacheWithItsText) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 190, 200, 21);
    edit->SetText("C:\\Games\\Paks\\Game.pak");
    TsCommonData editState(nullptr, true);
    editState.Control = edit;
    TvlEditWnd editAdapter(edit->Handle(), true, "", manager.get(), &editState);
    editAdapter.Start();
    ASSERT_TRUE(editAdapter.SingleLine());
    EXPECT_FALSE(adapter->SingleLine()) << "a memo is not one line";
    edit->SetEnabled(false);
    Settle();
    const auto cached = [&] {
        TBitmap32 shown = GrabWindow(edit->Handle());
        PumpUntil([&] {
            shown = GrabWindow(edit->Handle());
            return CountDifferences(shown, *editState.CacheBitmap, [](int, int) { return true; }) == 0;
        }, 2000);
        return shown;
    };
    const TBitmap32 withText = cached();
    SaveShot(withText, "disabled-edit");
    SaveShot(*editState.CacheBitmap, "disabled-edit-cache");
    EXPECT_EQ(CountDifferences(withText, *editState.CacheBitmap, [](int, int) { return true; }), 0)
        << "the window is not its cache";
    // The field is the section's colour blended toward the form: neither the
    // platform's grey nor the enabled look.
    const uint32_t field = withText.Pixel(withText.Width() - 6, withText.Height() / 2) & 0xFFFFFF;
    const uint32_t enabled = ColorToRGB(EditSection(*manager).Props[0].Color);
    const auto asPixel = [](uint32_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); };
    EXPECT_NE(field, asPixel(enabled));
    EXPECT_NE(field, asPixel(GetSysColor(COLOR_BTNFACE)));
    // The text is drawn in the cache, inside the field.
    edit->SetText("");
    Settle();
    const TBitmap32 empty = cached();
    const RECT ink = InkBox(withText, empty);
    ASSERT_GE(ink.right, 0) << "no text in the disabled edit";
    RECT client;
    GetClientRect(edit->Handle(), &client);
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.right, client.right + 2);
    EXPECT_GT(ink.right - ink.left, 60) << "the text is not all there";
    edit->SetEnabled(true);
    Settle();
    EXPECT_GT(CountDifferences(GrabWindow(edit->Handle()), empty, [](int, int) { return true; }), 0);
}

TEST_F(EditAdapterTest, PrintComposesFrameBarsAndTheText) {
    // Nothing selected: the lines are in the field's own text colour.
    SendMessageA(memo->Handle(), EM_SETSEL, 0, 0);
    Settle();
    const TBitmap32 shown = GrabWindow(memo->Handle());
    TBitmap32 printed(shown.Width(), shown.Height());
    FillColor(printed, TRect32{0, 0, printed.Width(), printed.Height()}, 0xFF00FF);
    GdiFlush();
    SendMessageA(memo->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(Bitmap32DC(printed)),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    SaveShot(printed, "printed-memo");
    SaveShot(shown, "shown-memo");
    const int w = shown.Width(), h = shown.Height();
    const RECT bar = adapter->BarRect(1);
    EXPECT_EQ(CountDifferences(printed, shown,
                               [&](int x, int y) {
                                   const bool ring = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
                                   return ring || (x >= bar.left && x < bar.right && y >= bar.top && y < bar.bottom);
                               }),
              0)
        << "frame or bar not as on the screen";
    int key = 0, field = 0, text = 0;
    const auto asPixel = [](uint32_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); };
    const uint32_t fieldPixel = asPixel(ColorToRGB(adapter->AppliedColor()));
    const uint32_t textPixel = asPixel(ColorToRGB(memo->Font().Color()));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t p = printed.Pixel(x, y) & 0xFFFFFF;
            key += p == 0xFF00FF;
            field += p == fieldPixel;
            text += p == textPixel;
        }
    EXPECT_EQ(key, 0) << "parts of the window were not printed";
    EXPECT_GT(field, w * h / 3);
    EXPECT_GT(text, 50) << "the lines were not printed";
}

}  // namespace
}  // namespace pakmole::test
