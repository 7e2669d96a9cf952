// The built-in glyph strips and the glyph choice of the edit button.
#include <gtest/gtest.h>

#include "base/Exceptions.h"
#include "skin/controls/edits/sFilenameEdit.h"
#include "skin/controls/edits/sGlyphUtils.h"
#include "skin/data/Bitmap32_win.h"
#include "tests/support/ScreenPixels.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"

namespace pakmole {
namespace {

TEST(BuiltInGlyphs, FiveStripsOfThreeGlyphsFromTheResources) {
    const TsAlphaImageList& glyphs = BuiltInGlyphs();
    ASSERT_EQ(glyphs.Count(), 5);
    EXPECT_EQ(glyphs.Width(), 48);
    EXPECT_EQ(glyphs.Height(), 16);
    for (int strip = 0; strip < 5; ++strip)
        for (int glyph = 0; glyph < 3; ++glyph) {
            // Every glyph draws something and leaves its corner clear.
            int opaque = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) opaque += (glyphs.Pixel(strip, glyph * 16 + x, y) >> 24) == 255;
            EXPECT_GT(opaque, 10) << strip << "/" << glyph;
            EXPECT_EQ(glyphs.Pixel(strip, glyph * 16, 0) >> 24, 0u) << strip << "/" << glyph;
        }
}

TEST(AlphaImageList, KeepsPixelsPremultiplied) {
    TsAlphaImageList list(nullptr, 2, 1);
    list.AddPixels({0x80FF8000u, 0x00FFFFFFu});
    EXPECT_EQ(list.Pixel(0, 0, 0), 0x80804000u);
    EXPECT_EQ(list.Pixel(0, 1, 0), 0x00000000u);
    EXPECT_THROW(list.AddPixels({1, 2, 3}), Exception);
    EXPECT_THROW(list.AddImage({1, 2, 3}, "junk"), Exception);
}

TEST(EditButtonGlyph, BuiltInStripOrImagesWithFallback) {
    test::RecordingApplication app;
    TsFilenameEdit edit(nullptr);
    TsEditButton::GlyphChoice choice = edit.Button()->ChooseGlyph();
    EXPECT_FALSE(choice.custom);
    EXPECT_EQ(choice.imageIndex, 0);  // the document strip
    EXPECT_EQ(choice.glyph, 0);
    EXPECT_EQ(edit.GlyphMode().Width(), 16);

    TsAlphaImageList images(nullptr, 20, 20);
    images.AddPixels(std::vector<uint32_t>(400, 0xFF000000u));
    images.AddPixels(std::vector<uint32_t>(400, 0xFFFFFFFFu));
    edit.GlyphMode().SetImages(&images);
    edit.GlyphMode().SetImageIndex(1);
    edit.GlyphMode().SetImageIndexHot(7);  // not in the list: falls back
    choice = edit.Button()->ChooseGlyph();
    EXPECT_TRUE(choice.custom);
    EXPECT_EQ(choice.imageIndex, 1);
    EXPECT_EQ(edit.GlyphMode().Width(), 20);
    edit.GlyphMode().SetImageIndex(5);  // invalid: back to the built-in strip
    EXPECT_FALSE(edit.Button()->ChooseGlyph().custom);
    edit.GlyphMode().SetImages(nullptr);
}

}  // namespace
}  // namespace pakmole

namespace pakmole {
namespace {

// Paints the edit's button into a bitmap filled with the edit's colour and
// counts the pixels the glyph changed.
int GlyphPixelsPainted(TsCustomComboEdit& edit) {
    TsEditButton* button = edit.Button();
    TBitmap32 canvas(button->Width(), button->Height());
    button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(Bitmap32DC(canvas)), 0);
    GdiFlush();
    const uint32_t face = canvas.Pixel(0, 0);
    int changed = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) changed += canvas.Pixel(x, y) != face;
    return changed;
}

TEST(EditButtonGlyph, ButtonPaintsTheDocumentGlyph) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    auto* edit = new TsFilenameEdit(form);
    edit->SetParent(form);
    edit->SetBounds(16, 8, 433, 21);
    edit->SetColor(3355443);
    form->Show();
    EXPECT_GT(GlyphPixelsPainted(*edit), 40);
}

}  // namespace
}  // namespace pakmole

namespace pakmole {
namespace {

TEST(EditButtonGlyph, GlyphAppearsOnTheScreen) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    form->SetClientSize(459, 84);
    auto* edit = new TsFilenameEdit(form);
    edit->SetParent(form);
    edit->SetBounds(16, 8, 433, 21);
    edit->SetColor(3355443);
    edit->SetDirectInput(false);
    // Text next to the button, as in the program's window.
    edit->SetText("Select pak-file (Unreal Engine 4) for Unpacking");
    form->Show();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    TsEditButton* button = edit->Button();
    POINT origin = button->ClientToScreen(POINT{0, 0});
    // Painting reaches the screen through the message queue: wait for it.
    test::PumpUntil([&] { return test::PixelsUnlikeTheFace(origin, button->Width(), button->Height()) > 40; }, 3000);
    EXPECT_GT(test::PixelsUnlikeTheFace(origin, button->Width(), button->Height()), 40);
}

}  // namespace
}  // namespace pakmole
