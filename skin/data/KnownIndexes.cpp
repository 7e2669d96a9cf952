#include "skin/data/KnownIndexes.h"

#include "skin/data/SkinModel.h"

namespace pakmole {
namespace {

constexpr const char* kGlobal = "GLOBALINFO";

int16_t Slot(int index) { return static_cast<int16_t>(index); }

}  // namespace

void TsSkinModel::RebuildKnownIndexes() {
    TsKnownIndexes& k = KnownIndexes;
    k = TsKnownIndexes();
    const auto section = [this](const std::string& name) { return FindSection(name); };
    const auto mask = [this](int sectionIndex, const std::string& sectionName, const std::string& property) {
        return sectionIndex < 0 ? -1 : FindMask(sectionIndex, sectionName, property);
    };

    const int global = section(kGlobal);
    k.GlobalInfo = Slot(global);
    k.ExtBorderMask = Slot(mask(global, kGlobal, "EXBORDER"));

    static const char* const kTabs[4] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    for (int i = 0; i < 4; ++i) {
        const int s = section(kTabs[i]);
        k.TabSection[static_cast<std::size_t>(i)] = Slot(s);
        k.TabFrame[static_cast<std::size_t>(i)] = Slot(mask(s, kTabs[i], "BORDERSMASK"));
    }

    static const char* const kScrollBtns[4] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"};
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const int s = section(kScrollBtns[i]);
        k.ScrollBtnSection[n] = Slot(s);
        k.ScrollBtnFrame[n] = Slot(mask(s, kScrollBtns[i], "BORDERSMASK"));
        k.ScrollBtnPattern[n] = Slot(mask(s, kScrollBtns[i], "PATTERN"));
        k.ScrollBtnHotPattern[n] = Slot(mask(s, kScrollBtns[i], "HOTPATTERN"));
        k.ScrollBtnGlyph[n] = Slot(mask(s, kScrollBtns[i], "GLYPHMASK"));
    }

    static const char* const kIcons[11] = {"BICONCLOSE", "BICLOSEALONE", "BICONMAX", "BICONNORM",
                                           "BICONMIN",   "BICONHELP",    "SICONCLOSE", "SICONMAX",
                                           "SICONNORM",  "SICONMIN",     "SICONHELP"};
    for (int i = 0; i < 11; ++i) k.TitleIcon[static_cast<std::size_t>(i)] = Slot(mask(global, kGlobal, kIcons[i]));

    static const char* const kSliders[2] = {"SCROLLSLIDERV", "SCROLLSLIDERH"};
    for (int i = 0; i < 2; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const int s = section(kSliders[i]);
        k.SliderSection[n] = Slot(s);
        k.SliderFrame[n] = Slot(mask(s, kSliders[i], "BORDERSMASK"));
        k.SliderGlyph[n] = Slot(mask(s, kSliders[i], "GLYPHMASK"));
    }
    const int sliderH = k.SliderSection[1];
    const int sliderV = k.SliderSection[0];
    k.SliderPattern = {Slot(mask(sliderH, kSliders[1], "PATTERN")), Slot(mask(sliderH, kSliders[1], "HOTPATTERN")),
                       Slot(mask(sliderV, kSliders[0], "PATTERN")), Slot(mask(sliderV, kSliders[0], "HOTPATTERN"))};

    static const char* const kBars[4] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const int s = section(kBars[i]);
        k.ScrollBarSection[n] = Slot(s);
        k.ScrollBarFrame[n] = Slot(mask(s, kBars[i], "BORDERSMASK"));
        k.ScrollBarPattern[n] = Slot(mask(s, kBars[i], "PATTERN"));
        k.ScrollBarHotPattern[n] = Slot(mask(s, kBars[i], "HOTPATTERN"));
    }

    static const char* const kChecks[9] = {"BOXCHECKED",   "BOXUNCHECKED",   "BOXGRAYED",
                                           "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED",
                                           "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED"};
    for (int i = 0; i < 9; ++i) k.CheckMask[static_cast<std::size_t>(i)] = Slot(mask(global, kGlobal, kChecks[i]));

    k.ComboBtnSection = section("COMBOBTN");
    k.ComboBtnFrame = FindMaskExact("COMBOBTN", "BORDERSMASK");
    k.ComboBtnPattern = k.ComboBtnSection < 0 ? -1 : FindTexture(k.ComboBtnSection, "COMBOBTN", "PATTERN");
    k.ComboBtnHotPattern = k.ComboBtnSection < 0 ? -1 : FindTexture(k.ComboBtnSection, "COMBOBTN", "HOTPATTERN");
    k.ComboGlyph = FindMaskExact("COMBOBOX", "GLYPHMASK");
    k.GripImage = mask(global, kGlobal, "GRIPIMAGE");
    k.GripHorz = mask(global, kGlobal, "GRIPHORZ");
    k.GripVert = mask(global, kGlobal, "GRIPVERT");
    k.WebButtonSection = section("WEBBUTTON");

    UpdateSectionMaskIndexes();
}

}  // namespace pakmole
