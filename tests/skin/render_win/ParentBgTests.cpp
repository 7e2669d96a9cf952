// Asking a parent for the background behind a control: an answer passes
// through, silence falls back to the parent's colour or makes the parent
// paint itself into the asker's DC, and a foreign window gives the skin's
// main colour.
#include <gtest/gtest.h>

#include "skin/manager/SkinCommands.h"
#include "skin/render/BgQuery_win.h"
#include "tests/skin/render_win/TextFixtures.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"
#include "ui/WinControl.h"

namespace pakmole {
namespace {

// A parent that answers the background questions as a test tells it.
class ParentStub : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string ClassName() const override { return "TParentStub"; }
    void WndProc(TMessage& m) override {
        if (m.Msg == SKM_COMMAND && SkinCommandCode(m.WParam) == SKC_GETBGINFO && AnswerBitmap) {
            auto* q = reinterpret_cast<TBgQuery*>(m.LParam);
            q->BgKind = bgkBitmap;
            q->Bitmap = AnswerBitmap;
            m.Result = 1;
            return;
        }
        if (m.Msg == SKM_COMMAND && SkinCommandCode(m.WParam) == SKC_GETBGCOLOR) {
            m.Result = ColorAnswer;
            return;
        }
        if ((m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND) && m.WParam) {
            HDC dc = reinterpret_cast<HDC>(m.WParam);
            if (m.Msg == WM_ERASEBKGND) ErasedDCs.push_back(dc);
            // Its own point (31, 22), and one that the asker's clip leaves out.
            if (m.Msg == WM_PAINT) {
                SetPixel(dc, 31, 22, RGB(10, 20, 30));
                SetPixel(dc, 60, 60, RGB(10, 20, 30));
                PaintedDCs.push_back(dc);
            }
            return;
        }
        TWinControl::WndProc(m);
    }
    const TBitmap32* AnswerBitmap = nullptr;
    LRESULT ColorAnswer = 0;
    std::vector<HDC> ErasedDCs, PaintedDCs;
};

class ParentBgTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = app.App().CreateForm<TForm>();
        form->SetClientSize(200, 150);
        parent = new ParentStub(form);
        parent->SetParent(form);
        parent->SetBounds(10, 10, 120, 100);
        parent->SetColor(0x445566);
        form->Show();
        ASSERT_TRUE(parent->HandleAllocated());
    }
    test::RecordingApplication app;
    TForm* form = nullptr;
    ParentStub* parent = nullptr;
};

TEST_F(ParentBgTest, AnAnswerIsTakenAsItIs) {
    TBitmap32 picture(120, 100, 0xFF123456);
    parent->AnswerBitmap = &picture;
    TBgQuery q;
    q.OffsetX = 7, q.OffsetY = 9;
    q.Insets = {1, 2, 3, 4};
    GetParentBg(q, parent, false);
    EXPECT_EQ(q.BgKind, bgkBitmap);
    EXPECT_EQ(q.Bitmap, &picture);
    EXPECT_EQ(q.Insets, (std::array<int32_t, 4>{}));
    const TBgSource source = BgSourceOfQuery(q);
    EXPECT_TRUE(source.HasBitmap);
    EXPECT_EQ(source.Bitmap, &picture);
    EXPECT_EQ(source.OffsetX, 7);
    EXPECT_EQ(source.OffsetY, 9);
}

TEST_F(ParentBgTest, SilenceGivesTheParentsColourAnswerOrItsOwnColour) {
    struct Case {
        LRESULT answer;
        int32_t expected;
    } cases[] = {{0x0A0B0C, 0x0A0B0C}, {0, 0x445566}};
    for (const Case& c : cases) {
        parent->ColorAnswer = c.answer;
        TBitmap32 asker(20, 20, 0xFF000000);
        TBgQuery q;
        q.DC = Bitmap32DC(asker);
        q.Bitmap = &asker;
        q.ClipRect = RECT{2, 3, 6, 8};
        GetParentBg(q, parent, false);
        GdiFlush();
        EXPECT_EQ(q.BgKind, bgkColor);
        EXPECT_EQ(q.Color, c.expected);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inClip = x >= 2 && x < 6 && y >= 3 && y < 8;
                ASSERT_EQ(asker.Pixel(x, y) & 0xFFFFFF, inClip ? test::PixelOf(c.expected) : 0u) << x << "," << y;
            }
    }
}

TEST_F(ParentBgTest, PaintIntoMakesTheParentPaintItsPartIntoTheAskersDC) {
    TBitmap32 asker(20, 20, 0xFF000000);
    TBgQuery q;
    q.DC = Bitmap32DC(asker);
    q.OffsetX = 30, q.OffsetY = 20;
    q.ClipRect = RECT{0, 0, 20, 20};
    parent->ErasedDCs.clear();
    parent->PaintedDCs.clear();
    GetParentBg(q, parent, true);
    GdiFlush();
    EXPECT_EQ(q.BgKind, bgkNone);
    EXPECT_EQ(parent->ErasedDCs, std::vector<HDC>{q.DC});
    EXPECT_EQ(parent->PaintedDCs, std::vector<HDC>{q.DC});
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(asker.Pixel(x, y) & 0xFFFFFF, (x == 1 && y == 2) ? 0x0A141Eu : 0u) << x << "," << y;
    // The DC is handed back as it was.
    POINT origin{};
    GetViewportOrgEx(q.DC, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

TEST_F(ParentBgTest, AParentWithoutAWindowIsAskedThroughPerform) {
    ParentStub loose(nullptr);
    TBitmap32 picture(5, 5);
    loose.AnswerBitmap = &picture;
    ASSERT_FALSE(loose.HandleAllocated());
    TBgQuery q;
    GetParentBg(q, &loose, false);
    EXPECT_EQ(q.BgKind, bgkBitmap);
    EXPECT_EQ(q.Bitmap, &picture);
    EXPECT_FALSE(loose.HandleAllocated());
}

TEST_F(ParentBgTest, AForeignWindowGivesTheSkinsMainColourOrButtonFace) {
    HWND foreign = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(foreign, nullptr);
    auto manager = test::EmberlineManager();
    TBgQuery q;
    GetParentBg(q, foreign, false, manager.get());
    EXPECT_EQ(q.BgKind, bgkColor);
    EXPECT_EQ(q.Color, manager->Palette()[pcMainColor]);
    GetParentBg(q, foreign, false, nullptr);
    EXPECT_EQ(q.BgKind, bgkColor);
    EXPECT_EQ(q.Color, static_cast<int32_t>(GetSysColor(COLOR_BTNFACE)));
    DestroyWindow(foreign);
}

}  // namespace
}  // namespace pakmole
