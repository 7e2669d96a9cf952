// The glow of a hot button: a layered window around it from the section's
// glow picture, which the mouse passes through, gone again on leave and on
// disable. The built-in skin names a glow picture it does not carry.
#include <filesystem>
#include <functional>

#include "skin/manager/sSkinEffects.h"
#include "skin/render/sGlowEffect_win.h"
#include "tests/skin/adapters/AdapterFixture.h"
#include "tests/support/TestPaths.h"

namespace pakmole::test {
namespace {

constexpr int kMaskMargin = 12;  // the glow picture's frame margins
constexpr int kGlowMargin = 3;   // the section's GLOWMARGIN

// A skin folder whose "BUTTON" glows: a 30 x 30 picture, key colour inside.
std::string GlowingSkinOptions() {
    return "[GLOBALINFO]\r\nVERSION=8.00\r\nAUTHOR=Tests\r\n"
           "[BUTTON]\r\nSTATES=3\r\nCOLOR=3552822\r\nHOTCOLOR=3750459\r\nFONTCOLOR=13421772\r\n"
           "GLOW=1\r\nGLOWMARGIN=3\r\nGLOW0=!BUTTONGLOW.BMP!1!0!0!0012!0012!0012!0012!1\r\n";
}

TBitmap32 GlowPicture() {
    TBitmap32 picture(30, 30, 0xFF2080F0);
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x) picture.Pixel(x, y) = 0x00FF00FF;
    return picture;
}

class GlowWindows : public AdapterFixture {
protected:
    void SetUp() override {
        const std::string folder = temp.Path() + "Glowing";
        WriteSkinFolder(folder, GlowingSkinOptions());
        WriteBytes(folder + "\\BUTTONGLOW.BMP", EncodeBmp24(GlowPicture()));
        AdapterFixture::SetUp();
        manager->SetSkinDirectory(temp.Path());
        manager->SetSkinName("Glowing");
        ASSERT_GE(manager->FindMask(manager->FindSection("BUTTON"), "BUTTON", "GLOW0"), 0);
        Settle();
    }
    int32_t Glow() const { return ButtonAdapter()->SkinData()->GlowHandle; }

    TempFolder temp;
};

TEST_F(GlowWindows, AHotButtonGlowsAroundItselfAndLetsTheMouseThrough) {
    ASSERT_TRUE(LayeredWindowsAvailable());
    PointerOnButton();
    Settle();
    ASSERT_GE(Glow(), 0);
    const HWND glow = GlowWindow(Glow());
    ASSERT_NE(glow, nullptr);
    EXPECT_TRUE(IsWindowVisible(glow));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(glow, GWL_EXSTYLE)) & 0x080800A0u, 0x080800A0u);
    RECT g, b;
    GetWindowRect(glow, &g);
    GetWindowRect(button->Handle(), &b);
    const int grow = kMaskMargin - kGlowMargin;
    EXPECT_EQ(g.left, b.left - grow);
    EXPECT_EQ(g.top, b.top - grow);
    EXPECT_EQ(g.right, b.right + grow);
    EXPECT_EQ(g.bottom, b.bottom + grow);
    // The glow lies over the button, but the button is what the mouse finds.
    EXPECT_EQ(WindowFromPoint(POINT{b.left + 3, b.top + 3}), button->Handle());
    // Still hot: moving within the button keeps the one glow.
    const int32_t handle = Glow();
    MovePointer(POINT{b.left + 40, b.top + 10});
    EXPECT_EQ(Glow(), handle);

    PointerAway();
    Settle();
    EXPECT_EQ(Glow(), -1);
    EXPECT_FALSE(IsWindow(glow));
}

TEST_F(GlowWindows, DisablingMovingOrResizingAHotButtonTakesItsGlowAway) {
    const struct {
        const char* name;
        std::function<void()> act, undo;
    } cases[] = {
        {"disabled", [this] { button->SetEnabled(false); }, [this] { button->SetEnabled(true); }},
        {"moved", [this] { button->SetLeft(button->Left() + 4); }, [this] { button->SetLeft(button->Left() - 4); }},
        {"resized", [this] { button->SetWidth(button->Width() + 4); }, [this] { button->SetWidth(button->Width() - 4); }},
        {"skin applied again", [this] { manager->ApplySkin(false); }, [] {}},
    };
    for (const auto& c : cases) {
        PointerOnButton();
        Settle();
        ASSERT_GE(Glow(), 0) << c.name;
        const HWND glow = GlowWindow(Glow());
        c.act();
        Settle();
        EXPECT_EQ(Glow(), -1) << c.name;
        EXPECT_FALSE(IsWindow(glow)) << c.name;
        c.undo();
        PointerAway();
        Settle();
    }
}

TEST_F(GlowWindows, HidingAnUnknownGlowDoesNothing) {
    for (int32_t handle : {-1, -7, 12345}) {
        int32_t h = handle;
        HideGlow(h);
        EXPECT_EQ(h, -1);
    }
    RECT none{0, 0, 10, 10};
    EXPECT_EQ(ShowGlow(none, none, "NOSUCHSECTION", manager.get(), nullptr, 0, 0), -1);
}

using BuiltInGlow = AdapterFixture;

TEST_F(BuiltInGlow, AGlowWhosePictureIsMissingShowsNothing) {
    PointerOnButton();
    Settle();
    EXPECT_TRUE(ButtonAdapter()->SkinData()->MouseOver);
    EXPECT_EQ(ButtonAdapter()->SkinData()->GlowHandle, -1);
}

}  // namespace
}  // namespace pakmole::test
