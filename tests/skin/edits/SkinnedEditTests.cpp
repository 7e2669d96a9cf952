// The file-name edit on a skinned form under Wine: its frame, field, text and
// button on the screen are the skin's "EDIT" and "SPEEDBUTTON_SMALL" in each
// look, and the glyph settings change the glyph alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "skin/controls/adapters/sAlphaImageList.h"
#include "skin/controls/edits/sFilenameEdit.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/sFade_win.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/adapters/SkinnedForm.h"
#include "tests/skin/edits/EditPictures.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"
#include "ui/Memo.h"

namespace pakmole::test {
namespace {

const char* const kPlaceholder = "Select pak-file (Unreal Engine 4) for Unpacking";

class SkinnedEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = AppliedInternalSkin();
        ASSERT_TRUE(manager->Active());
        form = SkinnedForm(app, 480, 140);
        memo = new TMemo(form);
        memo->SetParent(form);
        memo->SetBounds(16, 50, 120, 40);
        edit = new TsFilenameEdit(form);
        edit->SetParent(form);
        edit->SetBounds(16, 8, 433, 21);
        edit->SetText(kPlaceholder);
        edit->SetDirectInput(false);
        MovePointer(POINT{2, 2});
        form->Show();
        memo->SetFocus();
        Settle();
        geometry = EditGeometryOf(edit->Handle());
    }
    void TearDown() override {
        if (form) form->Free();
    }
    void Settle() {
        PumpUntil([] { return LiveFadeTimerCount() == 0; }, 3000);
        PumpFor(120);
    }
    int32_t Behind() const { return static_cast<int32_t>(ColorToRGB(form->Color())); }
    TBitmap32 Edit(int state) const { return SkinEditPicture(*manager, geometry, state, Behind()); }
    TBitmap32 Grab() const { return GrabWindow(edit->Handle()); }
    int32_t Field() const {
        return manager->Model().Sections.at(static_cast<std::size_t>(manager->FindSection("EDIT"))).Props[0].Color;
    }
    POINT OnButton() const {
        RECT r;
        GetWindowRect(edit->Handle(), &r);
        return POINT{r.left + (geometry.Button.left + geometry.Button.right) / 2,
                     r.top + (geometry.Button.top + geometry.Button.bottom) / 2};
    }
    LPARAM ButtonClientPoint() const {
        return MAKELPARAM((geometry.Button.left + geometry.Button.right) / 2 - 2, geometry.Button.bottom / 2);
    }

    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* form = nullptr;
    TMemo* memo = nullptr;
    TsFilenameEdit* edit = nullptr;
    EditGeometry geometry;
};

TEST_F(SkinnedEditTest, EveryLookOfTheEditAndItsButtonIsTheSkins) {
    ASSERT_EQ(geometry.Button.right - geometry.Button.left, 18);
    RECT r;
    GetWindowRect(edit->Handle(), &r);
    const struct {
        const char* name;
        std::function<void()> act;
        int editState;
        int buttonState;
    } steps[] = {
        {"at rest", [] {}, 0, 0},
        {"pointer on the field", [&] { MovePointer(POINT{r.left + 120, r.top + 10}); }, 1, 0},
        {"pointer on the button", [&] { MovePointer(OnButton()); }, 1, 1},
        {"button held down", [&] { SendMessageA(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, ButtonClientPoint()); },
         1, 2},
        {"dragged off the button and let go",
         [&] {
             SendMessageA(edit->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 8));
             SendMessageA(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 8));
             MovePointer(POINT{r.left + 120, r.top + 10});
         },
         1, 0},
        {"pointer away", [] { MovePointer(POINT{2, 2}); }, 0, 0},
        {"focused", [&] { edit->SetFocus(); }, 1, 0},
        {"focus gone", [&] { memo->SetFocus(); }, 0, 0},
    };
    const TBitmap32 plainField = Edit(0);
    for (const auto& step : steps) {
        step.act();
        Settle();
        const TBitmap32 expectedEdit = Edit(step.editState);
        const TBitmap32 expected = SkinEditButtonPicture(*manager, geometry, expectedEdit, step.buttonState);
        TBitmap32 shown = Grab();
        PumpUntil([&] {
            shown = Grab();
            return RingDifferences(shown, expected) == 0 && ButtonDifferences(shown, expected, geometry) == 0;
        }, 3000);
        EXPECT_EQ(RingDifferences(shown, expected), 0) << step.name;
        EXPECT_EQ(ButtonDifferences(shown, expected, geometry), 0) << step.name;
        // The corners are the skin's bitmap (the caret and the button may cover their inner pixels).
        const CornerCheck corners =
            CornersFromTheSkinsBitmap(*manager, "EDIT", step.editState, shown, {geometry.Button, TextBox(geometry)});
        EXPECT_GT(corners.checked, 0) << step.name;
        EXPECT_EQ(corners.wrong, 0) << step.name;
        // The glyph and the placeholder are there in every look.
        EXPECT_GT(AreaDifferences(shown, expected, GlyphBox(geometry)), 30) << step.name;
        EXPECT_GT(AreaDifferences(shown, plainField, TextBox(geometry)), 300) << step.name;
    }
    EXPECT_TRUE(app.Errors().empty());
}

TEST_F(SkinnedEditTest, ButtonFadesWhenThePointerComesAndGoesButNotWhenPressed) {
    const TBitmap32 field = Edit(1);
    const TBitmap32 rest = SkinEditButtonPicture(*manager, geometry, field, 0);
    const TBitmap32 hot = SkinEditButtonPicture(*manager, geometry, field, 1);
    const TBitmap32 pressed = SkinEditButtonPicture(*manager, geometry, field, 2);
    // Samples the button until it shows target; answers whether a look
    // between from and target was seen on the way.
    const auto blendSeen = [&](const TBitmap32& from, const TBitmap32& target) {
        bool between = false;
        for (int i = 0; i < 200; ++i) {
            const TBitmap32 shown = Grab();
            const int offTarget = ButtonDifferences(shown, target, geometry);
            if (offTarget == 0) return between;
            if (ButtonDifferences(shown, from, geometry) > 0) between = true;
            PumpFor(3);
        }
        ADD_FAILURE() << "the button never reached its look";
        return between;
    };
    RECT r;
    GetWindowRect(edit->Handle(), &r);
    MovePointer(POINT{r.left + 120, r.top + 10});
    Settle();
    const struct {
        const char* name;
        std::function<void()> act;
        const TBitmap32& from;
        const TBitmap32& to;
        bool fades;
    } steps[] = {
        {"pointer onto the button", [&] { MovePointer(OnButton()); }, rest, hot, true},
        {"pointer off the button", [&] { MovePointer(POINT{r.left + 120, r.top + 10}); }, hot, rest, true},
        {"pointer back", [&] { MovePointer(OnButton()); }, rest, hot, true},
        {"pressed", [&] { SendMessageA(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, ButtonClientPoint()); }, hot,
         pressed, false},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(blendSeen(step.from, step.to), step.fades) << step.name;
        Settle();
        EXPECT_EQ(ButtonDifferences(Grab(), step.to, geometry), 0) << step.name;
    }
    // Let go off the button: no click, no dialog.
    SendMessageA(edit->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 8));
    SendMessageA(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 8));
    MovePointer(POINT{2, 2});
    Settle();
}

TEST_F(SkinnedEditTest, TypedPathIsWrittenInTheSkinsTextColour) {
    const std::string path = "C:\\Games\\Tarvel\\Content\\Paks\\pakchunk0-WindowsNoEditor.pak";
    edit->SetText(path);
    Settle();
    const TBitmap32 shown = Grab();
    // Light ink on the dark field: some pixels of the text are near the
    // section's font colour, far from the field's.
    const TsGeneralData& section =
        manager->Model().Sections.at(static_cast<std::size_t>(manager->FindSection("EDIT")));
    const int32_t ink = section.Props[0].FontColor;
    int nearInk = 0;
    const RECT text = TextBox(geometry);
    for (int y = text.top; y < text.bottom; ++y)
        for (int x = text.left; x < text.right; ++x) {
            TBitmap32 one(1, 1, shown.Pixel(x, y));
            nearInk += MeanDistance(one, RECT{0, 0, 1, 1}, ink) < 60;
        }
    EXPECT_GT(nearInk, 100);
    EXPECT_EQ(RingDifferences(shown, Edit(0)), 0);
}

TEST_F(SkinnedEditTest, GlyphSettingsChangeTheGlyphAlone) {
    // An ember square of the edit's own images: colour that graying must take away.
    auto* images = new TsAlphaImageList(form, 16, 16);
    images->AddPixels(std::vector<uint32_t>(16 * 16, 0xFFE05020u));
    edit->GlyphMode().SetImages(images);
    edit->GlyphMode().SetImageIndex(0);
    Settle();
    geometry = EditGeometryOf(edit->Handle());
    const TBitmap32 rest = Grab();
    const RECT glyph = GlyphBox(geometry);
    const double restDistance = MeanDistance(rest, glyph, Field());
    ASSERT_GT(ColouredPixels(rest, glyph), 200) << "the ember glyph is not shown";

    const struct {
        const char* name;
        std::function<void()> set;
        std::function<void(const TBitmap32&)> check;
    } cases[] = {
        {"grayed", [&] { edit->GlyphMode().SetGrayed(true); },
         [&](const TBitmap32& shown) { EXPECT_EQ(ColouredPixels(shown, glyph), 0); }},
        {"half blended", [&] { edit->GlyphMode().SetBlend(50); },
         [&](const TBitmap32& shown) {
             const double d = MeanDistance(shown, glyph, Field());
             EXPECT_LT(d, restDistance * 0.7);
             EXPECT_GT(d, restDistance * 0.3);
         }},
        {"fully blended", [&] { edit->GlyphMode().SetBlend(100); },
         [&](const TBitmap32& shown) { EXPECT_EQ(AreaDifferences(shown, Edit(0), glyph), 0); }},
        {"read-only", [&] { edit->SetReadOnly(true); },
         [&](const TBitmap32& shown) { EXPECT_LT(MeanDistance(shown, glyph, Field()), restDistance * 0.6); }},
    };
    for (const auto& c : cases) {
        c.set();
        Settle();
        const TBitmap32 shown = Grab();
        c.check(shown);
        // Around the glyph the button is the field as before.
        EXPECT_EQ(ButtonDifferences(shown, rest, geometry), 0) << c.name;
        EXPECT_EQ(RingDifferences(shown, rest), 0) << c.name;
        edit->GlyphMode().SetGrayed(false);
        edit->GlyphMode().SetBlend(0);
        edit->SetReadOnly(false);
        Settle();
        EXPECT_EQ(AreaDifferences(Grab(), rest, glyph), 0) << c.name << ": not back to the plain glyph";
    }

    // A grayed glyph takes its colour back while the pointer is on the button.
    edit->GlyphMode().SetGrayed(true);
    MovePointer(OnButton());
    Settle();
    EXPECT_GT(ColouredPixels(Grab(), glyph), 200);
}

TEST_F(SkinnedEditTest, DisabledEditIsBlendedWithTheFormAndComesBack) {
    const TBitmap32 rest = Grab();
    edit->SetEnabled(false);
    Settle();
    const TBitmap32 disabled = Grab();
    // The frame moves toward what lies behind the edit, the text stays readable.
    EXPECT_LT(MeanDistance(disabled, RECT{0, 0, geometry.Width, 2}, Behind()),
              MeanDistance(rest, RECT{0, 0, geometry.Width, 2}, Behind()) * 0.75);
    EXPECT_GT(AreaDifferences(disabled, Edit(0), TextBox(geometry)), 100);
    EXPECT_FALSE(edit->Button()->Enabled());
    edit->SetEnabled(true);
    Settle();
    EXPECT_TRUE(edit->Button()->Enabled());
    EXPECT_EQ(RingDifferences(Grab(), rest), 0);
}

TEST_F(SkinnedEditTest, BoundLabelFollowsTheEdit) {
    TsBoundLabel& bound = edit->BoundLabel();
    bound.SetActive(true);
    bound.SetCaption("Pak file");
    TsEditLabel* label = bound.Label();
    ASSERT_NE(label, nullptr);
    const int gap = edit->Left() - (label->Left() + label->Width());
    const struct {
        const char* name;
        std::function<void()> act;
        bool visible, enabled;
    } steps[] = {
        {"moved and widened", [&] { edit->SetBounds(120, 30, 300, 21); }, true, true},
        {"hidden", [&] { edit->SetVisible(false); }, false, true},
        {"shown", [&] { edit->SetVisible(true); }, true, true},
        {"disabled, blending", [&] { edit->SetEnabled(false); }, true, false},
        {"disabled, not blending",
         [&] {
             edit->SetEnabled(true);
             edit->SetDisabledKind(0);
             edit->SetEnabled(false);
         },
         true, true},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(label->Visible(), step.visible) << step.name;
        EXPECT_EQ(label->Enabled(), step.enabled) << step.name;
        if (!step.visible) continue;
        EXPECT_EQ(edit->Left() - (label->Left() + label->Width()), gap) << step.name;
        EXPECT_LT(std::abs(label->Top() + label->Height() / 2 - (edit->Top() + edit->Height() / 2)), 3) << step.name;
    }
}

TEST_F(SkinnedEditTest, WithoutTheSkinTheEditIsThePlatformsAgain) {
    const TBitmap32 skinned = Edit(0);
    manager->SetActive(false);
    Settle();
    const TBitmap32 shown = Grab();
    EXPECT_GT(RingDifferences(shown, skinned), 100) << "the skin's frame stayed";
    EXPECT_EQ(ColorToRGB(edit->Color()), ColorToRGB(clWindow));
}

}  // namespace
}  // namespace pakmole::test
