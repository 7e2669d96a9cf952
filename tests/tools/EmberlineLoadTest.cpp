// The packed skin read back by the program's own skin loader.
#include <gtest/gtest.h>

#include "base/MemoryStream.h"
#include "skin/data/PackagedSkin.h"
#include "tools/emberline/MaskTable.h"
#include "tools/emberline/SkinFiles.h"
#include "tools/skinpack/VlzWriter.h"

namespace pakmole::test {
namespace {

struct LoadedEmberline {
    TsSkinModel model;
    std::vector<double> versionsChecked;
    LoadedEmberline() {
        std::vector<tools::VlzFile> files;
        for (const auto& f : emberline::BuildEmberlineFiles()) files.push_back({f.name, f.bytes});
        TMemoryStream package(tools::WriteVlz(files));
        TsSkinLoadSettings settings;
        settings.CheckVersion = [this](double v) { versionsChecked.push_back(v); };
        LoadPackagedSkin(model, package, settings);
    }
};

const LoadedEmberline& Loaded() {
    static const LoadedEmberline loaded;
    return loaded;
}

TEST(EmberlineLoad, GivesVersionEightSectionsInOrderAndTheMaster) {
    const TsSkinModel& m = Loaded().model;
    ASSERT_TRUE(m.Loaded);
    EXPECT_DOUBLE_EQ(m.SkinData.Version, 8.0);
    for (double v : Loaded().versionsChecked) EXPECT_DOUBLE_EQ(v, 8.0);
    EXPECT_EQ(m.FindSection("FORM"), 33);
    EXPECT_EQ(m.FindSection("form"), -1);
    EXPECT_EQ(m.MasterBitmap.Width(), 713);
    EXPECT_EQ(m.MasterBitmap.Height(), 397);
}

TEST(EmberlineLoad, MakesEveryRecordWhereTheArtWasDrawn) {
    const TsSkinModel& m = Loaded().model;
    std::vector<emberline::MaskPiece> pieces = emberline::MasterPieces();
    pieces.push_back(emberline::ButtonHugePiece());
    for (const auto& p : pieces) {
        SCOPED_TRACE(std::string(p.section) + "/" + p.key);
        const int index = m.FindMaskExact(p.section, p.key);
        ASSERT_GE(index, 0);
        const TsMaskData& r = m.Masks[static_cast<size_t>(index)];
        EXPECT_EQ(r.SrcRect.Left, p.left);
        EXPECT_EQ(r.SrcRect.Top, p.top);
        EXPECT_EQ(r.SrcRect.Right, p.Right());
        EXPECT_EQ(r.SrcRect.Bottom, p.Bottom());
        EXPECT_EQ(r.FrameCount, p.states);
        EXPECT_EQ(r.MaskKind, p.maskKind);
        EXPECT_EQ(r.StateWidth(), p.stateWidth);
        EXPECT_EQ(r.StateHeight(), p.stateHeight);
        if (p.syntax == emberline::RecordSyntax::FrameMask) {
            EXPECT_EQ(r.MarginLeft, p.marginLeft);
            EXPECT_EQ(r.MarginTop, p.marginTop);
            EXPECT_EQ(r.MarginRight, p.marginRight);
            EXPECT_EQ(r.MarginBottom, p.marginBottom);
            EXPECT_EQ(r.PaintFlags, p.paintFlags);
        }
    }
    EXPECT_EQ(m.FindMaskExact("BUTTON", "GLOW0"), -1) << "the glow names a picture the package lacks";
}

TEST(EmberlineLoad, CaptionAndFrameReadAsDesigned) {
    const TsSkinModel& m = Loaded().model;
    const int title = m.FindSection("FORMTITLE");
    ASSERT_GE(title, 0);
    const TsGeneralData& t = m.Sections[static_cast<size_t>(title)];
    EXPECT_EQ(t.States, 2);
    EXPECT_EQ(t.Props[0].FontColor, 13565951);
    EXPECT_EQ(t.Props[1].FontColor, 14811135);
    EXPECT_EQ(t.Props[1].GlowColor, 2239081);
    EXPECT_EQ(t.Props[1].GlowSize, 3);
    EXPECT_EQ(t.Props[0].GlowSize, 0);

    const int form = m.FindSection("FORM");
    ASSERT_GE(form, 0);
    EXPECT_EQ(m.Sections[static_cast<size_t>(form)].States, 2);
    const int frame = m.Sections[static_cast<size_t>(form)].FrameMask;
    ASSERT_GE(frame, 0);
    EXPECT_EQ(m.Masks[static_cast<size_t>(frame)].CornerKind, 1) << "the window's corners are keyed";
    EXPECT_EQ(m.Masks[static_cast<size_t>(m.FindMaskExact("BUTTON_HUGE", "BORDERSMASK"))].CornerKind, 2);

    EXPECT_GE(m.KnownIndexes.TitleIcon[0], 0) << "BICONCLOSE";
    EXPECT_EQ(m.KnownIndexes.TitleIcon[1], -1) << "BICLOSEALONE";
    EXPECT_EQ(m.KnownIndexes.TitleIcon[6], -1) << "SICONCLOSE";
}

}  // namespace
}  // namespace pakmole::test
