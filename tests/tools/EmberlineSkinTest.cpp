// The generated skin files: deterministic, of the expected formats, carrying
// the values the program relies on.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "tests/support/TestPaths.h"
#include "tests/tools/OptionsIni.h"
#include "tests/tools/SkinImages.h"
#include "tests/tools/ToolRun.h"

namespace pakmole::test {

namespace {

const OptionsIni& Options() {
    static const OptionsIni ini(Emberline().files.at("Options.dat"));
    return ini;
}

TEST(EmberlineGenerator, TwoRunsWriteIdenticalFilesEqualToTheLibrary) {
    TempFolder first, second;
    ASSERT_EQ(RunTool(EMBERLINE_GEN_PATH, {first.Path()}), 0);
    ASSERT_EQ(RunTool(EMBERLINE_GEN_PATH, {second.Path()}), 0);
    for (const std::string& name : Emberline().order) {
        SCOPED_TRACE(name);
        const std::string a = ReadWholeFile(first / name);
        EXPECT_EQ(a, ReadWholeFile(second / name));
        EXPECT_EQ(a, Emberline().files.at(name));
    }
}

TEST(EmberlineGenerator, RefusesAFolderItCannotWriteTo) {
    TempFolder folder;
    EXPECT_NE(RunTool(EMBERLINE_GEN_PATH, {folder / "no/such/folder"}), 0);
    EXPECT_NE(RunTool(EMBERLINE_GEN_PATH, {}), 0);
}

TEST(EmberlineFiles, AreTheThreeFilesOfTheBuiltInPackageInPackingOrder) {
    EXPECT_EQ(Emberline().order, (std::vector<std::string>{"Options.dat", "ButtonHuge.bmp", "Master.bmp"}));
    const std::string& options = Emberline().files.at("Options.dat");
    EXPECT_TRUE(options.starts_with("[GLOBALINFO]\r\n"));
}

struct BitmapCase {
    const char* file;
    int width;
    int height;
    size_t bytes;
};

class EmberlineBitmap : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(EmberlineBitmap, IsAnUncompressed24BitWindowsBitmapOfItsSize) {
    const BitmapCase& c = GetParam();
    const std::string& bmp = Emberline().files.at(c.file);
    ASSERT_EQ(bmp.size(), c.bytes);
    ASSERT_EQ(bmp.substr(0, 2), "BM");
    auto u16 = [&](size_t at) {
        return static_cast<unsigned char>(bmp[at]) | static_cast<unsigned char>(bmp[at + 1]) << 8;
    };
    EXPECT_EQ(u16(28), 24) << "bits per pixel";
    EXPECT_EQ(u16(30), 0) << "compression";
    const Picture p = DecodeBmp(bmp);
    EXPECT_EQ(p.width, c.width);
    EXPECT_EQ(p.height, c.height);
}

INSTANTIATE_TEST_SUITE_P(Files, EmberlineBitmap,
                         ::testing::Values(BitmapCase{"Master.bmp", 713, 397, 849634},
                                           BitmapCase{"ButtonHuge.bmp", 288, 192, 165942}));

TEST(EmberlineOptions, HoldTheSixtySixSectionsInFileOrder) {
    const std::vector<std::string> expected = {"GLOBALINFO",
                                               "BAR",
                                               "BARPANEL",
                                               "BUTTON_BIG",
                                               "CHECKBOX",
                                               "DIALOG",
                                               "DRAGBAR",
                                               "GAUGE",
                                               "GRIPH",
                                               "GROUPBOX",
                                               "HINT",
                                               "MAINMENU",
                                               "MENULINE",
                                               "PAGECONTROL",
                                               "PANEL",
                                               "PANEL_LOW",
                                               "RADIOBUTTON",
                                               "SCROLLBAR1H",
                                               "SCROLLBAR1V",
                                               "SCROLLBAR2H",
                                               "SCROLLBAR2V",
                                               "SCROLLBTNBOTTOM",
                                               "SCROLLBTNLEFT",
                                               "SCROLLBTNRIGHT",
                                               "SCROLLBTNTOP",
                                               "SCROLLSLIDERV",
                                               "SPEEDBUTTON_SMALL",
                                               "STATUSBAR",
                                               "TOOLBAR",
                                               "TRACKBAR",
                                               "UPDOWNBTN",
                                               "WEBBUTTON",
                                               "FORMTITLE",
                                               "FORM",
                                               "ALPHAEDIT",
                                               "COMBOBTN",
                                               "ALPHACOMBOBOX",
                                               "COMBOBOX",
                                               "DIVIDERV",
                                               "DIVIDER",
                                               "PROGRESSH",
                                               "PROGRESSV",
                                               "MENUITEM",
                                               "EXTRALINE",
                                               "BUTTON_HUGE",
                                               "EDIT",
                                               "SPEEDBUTTON",
                                               "MENUCAPTION",
                                               "MENUBTN",
                                               "COLHEADER",
                                               "BARTITLE",
                                               "SPLITTER",
                                               "SCROLLSLIDERH",
                                               "TOOLBUTTON",
                                               "RIBBONPAGE",
                                               "RIBBONTAB",
                                               "BUTTON",
                                               "PAGECONTROLLEFT",
                                               "PAGECONTROLRIGHT",
                                               "PAGECONTROLBOTTOM",
                                               "TABBOTTOM",
                                               "TABLEFT",
                                               "TABRIGHT",
                                               "SELECTION",
                                               "TABTOP",
                                               "TB_MENUBTN"};
    std::vector<std::string> names;
    for (const auto& s : Options().Sections()) names.push_back(s.name);
    EXPECT_EQ(names, expected);
    ASSERT_GT(names.size(), 33u);
    EXPECT_EQ(names[33], "FORM");
}

struct StatedValue {
    const char* section;
    const char* key;
    const char* value;
};

class EmberlineStatedValue : public ::testing::TestWithParam<StatedValue> {};

TEST_P(EmberlineStatedValue, IsWrittenAsStated) {
    const StatedValue& c = GetParam();
    EXPECT_EQ(Options().Value(c.section, c.key), std::optional<std::string>(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Facts, EmberlineStatedValue,
    ::testing::Values(StatedValue{"GLOBALINFO", "VERSION", "8.00"},
                      StatedValue{"GLOBALINFO", "MASTERBITMAP", "MASTER.BMP"},
                      StatedValue{"GLOBALINFO", "BISPACE", "2"}, StatedValue{"GLOBALINFO", "BIRIGHT", "1"},
                      StatedValue{"GLOBALINFO", "BITOP", "0"}, StatedValue{"GLOBALINFO", "BIKEEPHUE", "0"},
                      StatedValue{"GLOBALINFO", "BORDERWIDTH", "8"}, StatedValue{"FORM", "STATES", "2"},
                      StatedValue{"FORMTITLE", "STATES", "2"}, StatedValue{"FORMTITLE", "FONTCOLOR", "13565951"},
                      StatedValue{"FORMTITLE", "HOTFONTCOLOR", "14811135"},
                      StatedValue{"FORMTITLE", "HGCOL", "2239081"}, StatedValue{"FORMTITLE", "HGSIZE", "3"},
                      StatedValue{"GLOBALINFO", "BOXCHECKED", "@0134@0104@0162@0117@2@0"},
                      StatedValue{"BUTTON_HUGE", "BORDERSMASK", "!BUTTONHUGE.BMP!3!1!0!0047!0047!0047!0047!5"}));

TEST(EmberlineOptions, CarryTheRecordsQuotedFromThem) {
    // Records and a gradient that other code and tests quote from this skin;
    // they must stay exactly as written.
    std::set<std::string> values;
    for (const auto& s : Options().Sections())
        for (const auto& kv : s.keys) values.insert(kv.second);
    for (const char* quoted :
         {"^0061^0003^0076^0025^0002^0002^0002^0002^1^0^1^1", "~0034~0041~0037~0047~10~1",
          "^0001^0076^0076^0100^0003^0004^0004^0004^3^0^5^1", "4144959;1907997;97;0;0;1907997;1907997;0;0;0"})
        EXPECT_TRUE(values.count(quoted)) << quoted;
}

TEST(EmberlineOptions, LeaveOutSmallCaptionButtonsLoneCloseAndDialogTitle) {
    // Without them dialogs and tool windows take the big caption buttons and
    // the form's caption strip.
    const IniSection* global = Options().Find("GLOBALINFO");
    ASSERT_NE(global, nullptr);
    for (const auto& kv : global->keys) {
        EXPECT_FALSE(kv.first.starts_with("SICON")) << kv.first;
        EXPECT_NE(kv.first, "BICLOSEALONE");
    }
    EXPECT_EQ(Options().Find("DIALOGTITLE"), nullptr);
    EXPECT_NE(Options().Find("SELECTION"), nullptr);
}

TEST(EmberlineOptions, FadingSectionsFadeInFifteenSteps) {
    for (const auto& s : Options().Sections()) {
        if (Options().Value(s.name, "FADINGENABLED") != std::optional<std::string>("1")) continue;
        EXPECT_EQ(Options().Value(s.name, "FADINGITERATIONS"), std::optional<std::string>("15")) << s.name;
    }
    EXPECT_EQ(Options().Value("BUTTON", "FADINGENABLED"), std::optional<std::string>("1"));
}

TEST(EmberlineOptions, GlowRecordNamesAPngThePackageDoesNotHold) {
    const auto glow = Options().Value("BUTTON", "GLOW0");
    ASSERT_TRUE(glow.has_value());
    ASSERT_TRUE(glow->starts_with("!"));
    const std::string file = glow->substr(1, glow->find('!', 1) - 1);
    EXPECT_TRUE(file.ends_with(".PNG")) << file;
    for (const std::string& name : Emberline().order) {
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_NE(upper, file);
    }
}

// A key read with inheritance: "-1" counts as absent, the parent is asked.
std::optional<std::string> Inherited(const std::string& section, const std::string& key) {
    std::set<std::string> seen;
    std::string at = section;
    while (!at.empty() && seen.insert(at).second) {
        const auto v = Options().Value(at, key);
        if (v && *v != "-1") return v;
        const auto parent = Options().Value(at, "PARENTCLASS");
        at = parent ? *parent : "";
    }
    return std::nullopt;
}

TEST(EmberlineOptions, EverySectionNamesItsOwnColours) {
    // A colour left to the loader's defaults is white on white: background
    // 0xFFFFFF, text black.
    for (const auto& s : Options().Sections()) {
        SCOPED_TRACE(s.name);
        if (const auto parent = Options().Value(s.name, "PARENTCLASS")) {
            EXPECT_NE(Options().Find(*parent), nullptr) << "missing parent " << *parent;
        }
        EXPECT_TRUE(Inherited(s.name, "COLOR"));
        EXPECT_TRUE(Inherited(s.name, "FONTCOLOR"));
        const int states = std::stoi(Inherited(s.name, "STATES").value_or("3"));
        if (states > 1) {
            EXPECT_TRUE(Inherited(s.name, "HOTCOLOR"));
            EXPECT_TRUE(Inherited(s.name, "HOTFONTCOLOR"));
        }
    }
}

}  // namespace
}  // namespace pakmole::test
