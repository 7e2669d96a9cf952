// Every section of the built-in skin painted in every state and at sizes from
// tiny to large: painting stays inside the rectangle it was given, and a
// transparent section shows its parent.
#include <gtest/gtest.h>

#include "base/MemoryStream.h"
#include "skin/data/PackagedSkin.h"
#include "skin/render/ControlPaint.h"
#include "tests/skin/render/RenderFixtures.h"
#include "tools/emberline/SkinFiles.h"
#include "tools/skinpack/VlzWriter.h"

namespace pakmole::test {
namespace {

const TsSkinModel& Emberline() {
    static const TsSkinModel* model = [] {
        std::vector<tools::VlzFile> files;
        for (const auto& f : emberline::BuildEmberlineFiles()) files.push_back({f.name, f.bytes});
        TMemoryStream package(tools::WriteVlz(files));
        auto* m = new TsSkinModel;
        LoadPackagedSkin(*m, package, {});
        return m;
    }();
    return *model;
}

TsControlPaintData ControlOf(const TsSkinModel& skin, int index) {
    const TsGeneralData& s = skin.Sections[static_cast<std::size_t>(index)];
    TsControlPaintData c;
    c.Skin = &skin;
    c.SectionIndex = index;
    c.FrameMaskIndex = s.FrameMask;
    c.TextureIndex = skin.FindTexture(index, s.SectionName, "PATTERN");
    c.HotTextureIndex = skin.FindTexture(index, s.SectionName, "HOTPATTERN");
    return c;
}

TEST(EmberlineRender, EverySectionPaintsOnlyInsideItsRectangle) {
    const TsSkinModel& skin = Emberline();
    ASSERT_GT(skin.Sections.size(), 0u);
    const struct {
        int width, height;
    } sizes[] = {{1, 1}, {2, 2}, {3, 17}, {24, 24}, {433, 25}, {120, 90}};
    TBitmap32 parent(500, 140, 0xFF2B2B2B);
    for (std::size_t i = 0; i < skin.Sections.size(); ++i) {
        const TsControlPaintData control = ControlOf(skin, static_cast<int>(i));
        for (int state = 0; state < 3; ++state)
            for (const auto& size : sizes) {
                SCOPED_TRACE(testing::Message() << skin.Sections[i].SectionName << " state " << state << " "
                                                << size.width << "x" << size.height);
                TBitmap32 framed(size.width + 6, size.height + 6, kSentinel);
                PaintControl(control, BgSourceOfBitmap(&parent, 2, 4), true, framed, {0, 0},
                             {3, 3, size.width + 3, size.height + 3}, state);
                for (int y = 0; y < framed.Height(); ++y)
                    for (int x = 0; x < framed.Width(); ++x) {
                        const bool inside = x >= 3 && y >= 3 && x < size.width + 3 && y < size.height + 3;
                        if (!inside) {
                            ASSERT_EQ(framed.Pixel(x, y), kSentinel) << "outside at " << x << "," << y;
                        }
                    }
            }
    }
}

TEST(EmberlineRender, FullyTransparentSectionsShowTheParent) {
    const TsSkinModel& skin = Emberline();
    TBitmap32 parent;
    FillCoded(parent, 200, 60);
    int checked = 0;
    for (std::size_t i = 0; i < skin.Sections.size(); ++i) {
        const TsGeneralData& s = skin.Sections[i];
        if (s.Props[0].Transparency != 100 || s.FrameMask >= 0 || s.CornerTopLeft >= 0) continue;
        TBitmap32 cache(40, 20, kSentinel);
        PaintControl(ControlOf(skin, static_cast<int>(i)), BgSourceOfBitmap(&parent, 10, 5), false, cache, {0, 0},
                     {0, 0, 40, 20}, 0);
        SCOPED_TRACE(s.SectionName);
        EXPECT_EQ(cache.Pixel(0, 0), Code(10, 5));
        EXPECT_EQ(cache.Pixel(39, 19), Code(49, 24));
        ++checked;
    }
    if (checked == 0) GTEST_SKIP() << "the skin has no fully transparent section without frame";
}

}  // namespace
}  // namespace pakmole::test
