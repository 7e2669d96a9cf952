#include "tools/emberline/SectionTable.h"

#include "tools/emberline/Palette.h"

namespace pakmole::emberline {

std::string ColourValue(unsigned rgb) {
    const unsigned platform = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    return std::to_string(platform);
}

namespace {

KeyValues operator+(KeyValues a, const KeyValues& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

using C = unsigned;

KeyValues Parent(const char* name) {
    return {{"PARENTCLASS", name}};
}
KeyValues States(int n) {
    return {{"STATES", std::to_string(n)}};
}
KeyValues Normal(C colour, C font) {
    return {{"COLOR", ColourValue(colour)}, {"FONTCOLOR", ColourValue(font)}};
}
KeyValues Hot(C colour, C font) {
    return {{"HOTCOLOR", ColourValue(colour)}, {"HOTFONTCOLOR", ColourValue(font)}};
}
KeyValues Clear(int normal, int hot) {
    return {{"TRANSPARENCY", std::to_string(normal)}, {"HOTTRANSPARENCY", std::to_string(hot)}};
}
// State changes cross-fade in fifteen 10 ms steps: quick, but seen.
KeyValues Fading() {
    return {{"FADINGENABLED", "1"}, {"FADINGITERATIONS", "15"}};
}
KeyValues NoFading() {
    return {{"FADINGENABLED", "0"}};
}

struct Stop {
    C from;
    C to;
    int percent;
};

std::string Gradient(std::initializer_list<Stop> stops, int mode = 0) {
    std::string text;
    for (const Stop& s : stops) {
        if (!text.empty()) text += ';';
        text += ColourValue(s.from) + ';' + ColourValue(s.to) + ';' + std::to_string(s.percent) + ';' +
                std::to_string(mode) + ";0";
    }
    return text;
}

KeyValues Ramp(std::initializer_list<Stop> stops, int mode = 0) {
    return {{"GRADIENTPERCENT", "100"}, {"GRADIENTDATA", Gradient(stops, mode)}};
}
KeyValues HotRamp(std::initializer_list<Stop> stops, int mode = 0) {
    return {{"HOTGRADIENTPERCENT", "100"}, {"HOTGRADIENTDATA", Gradient(stops, mode)}};
}

// The charcoal ramp of caption strips: 0x3F3F3F to 0x1D1D1D over nearly the
// whole height, then flat.
const std::initializer_list<Stop> kCharcoal = {{0x3F3F3F, 0x1D1D1D, 97}, {0x1D1D1D, 0x1D1D1D, 0}};

KeyValues GlobalInfo() {
    return KeyValues{
        {"VERSION", "8.00"},
        {"AUTHOR", "Pakmole team"},
        {"DESCRIPTION", "Emberline: charcoal surfaces, silver text, ember accents"},
        {"MASTERBITMAP", "MASTER.BMP"},
        {"STATES", "1"},
        {"COLOR", ColourValue(ink::Face)},
        {"FONTCOLOR", ColourValue(ink::Silver)},
        {"TCTOP", ColourValue(ink::EmberHot)},
        {"TCBOTTOM", ColourValue(0xE0A070)},
        {"BORDERWIDTH", "8"},
        {"TITLEHEIGHT", "26"},
        {"MAXHEIGHT", "24"},
        {"ALIGNOFFSET", "0"},
        {"CENTEROFFSET", "0"},
        {"BORDERMODE", "0"},
        {"BISPACE", "2"},
        {"BIVALIGN", "0"},
        {"BIRIGHT", "1"},
        {"BILEFT", "2"},
        {"BITOP", "0"},
        {"BIKEEPHUE", "0"},
        {"BICONCLOSEGLOW", "0"},
        {"BICONCLOSEGLOWMARGIN", "0"},
        {"BICONMAXGLOW", "0"},
        {"BICONMAXGLOWMARGIN", "0"},
        {"BICONMINGLOW", "0"},
        {"BICONMINGLOWMARGIN", "0"},
        {"SHADOW1COLOR", "0"},
        {"SHADOW1OFFSET", "0"},
        {"SHADOW1BLUR", "6"},
        {"SHADOW1TRANSPARENCY", "0"},
        {"AEROBLUR", "0"},
        {"EDITBG_INV", ColourValue(ink::Silver)},
        {"EDITTEXT_INV", ColourValue(ink::Field)},
        {"EDITBG_ODD", ColourValue(ink::Field)},
        {"EDITBG_EVEN", ColourValue(0x2F2F2F)},
        {"EDITTEXT_OK", ColourValue(0x8CC47E)},
        {"EDITTEXT_WARN", ColourValue(0xE8B44C)},
        {"EDITTEXT_ALERT", ColourValue(0xF2643C)},
        {"EDITBG_OK", ColourValue(0x2C3A2A)},
        {"EDITBG_WARN", ColourValue(0x3E3420)},
        {"EDITBG_ALERT", ColourValue(0x48261C)},
        {"EDITTEXT_H1", ColourValue(ink::EmberHot)},
        {"EDITTEXT_H2", ColourValue(0x8AB4E0)},
        {"EDITTEXT_H3", ColourValue(0xB8A0E0)},
        {"BORDERCOLOR", ColourValue(ink::Outline)},
    };
}

// Raised push buttons: the frame mask paints the whole plate; the colours
// are what shows while it loads and what disabled text is mixed from.
KeyValues PushButton() {
    return States(3) + Normal(0x363636, ink::Silver) + Hot(0x3E3A37, 0xFFF2E6) + Fading() +
           KeyValues{{"SHOWFOCUS", "0"}};
}

KeyValues ScrollPart(C colour, C hot) {
    return States(3) + Normal(colour, ink::SilverDim) + Hot(hot, ink::EmberHot) + Fading();
}

KeyValues Tab() {
    return States(3) + Normal(0x2A2A2A, ink::SilverDim) + Hot(0x363636, ink::Bright) + Fading();
}

}  // namespace

const std::vector<SkinSection>& EmberlineSections() {
    static const std::vector<SkinSection> sections = {
        {"GLOBALINFO", GlobalInfo()},
        {"BAR", States(1) + Normal(ink::Face, ink::Silver) + Ramp({{0x303030, 0x292929, 100}})},
        {"BARPANEL", Parent("BAR") + States(1) + Normal(ink::Face, ink::Silver)},
        {"BUTTON_BIG", PushButton()},
        {"CHECKBOX",
         States(2) + Normal(ink::Face, ink::Silver) + Hot(ink::Face, ink::Bright) + Clear(100, 100) + Fading()},
        {"DIALOG", Parent("FORM") + States(2) + Normal(ink::Face, ink::Silver) + Hot(ink::Face, ink::Silver)},
        {"DRAGBAR", States(2) + Normal(ink::Raised, ink::Silver) + Hot(ink::Surface, ink::Bright)},
        {"GAUGE", States(1) + Normal(ink::Well, ink::Silver)},
        {"GRIPH", States(1) + Normal(ink::Face, ink::Silver)},
        {"GROUPBOX", States(1) + Normal(ink::Face, ink::Silver) + KeyValues{{"GIVEOWNFONT", "1"}}},
        {"HINT", States(1) + Normal(0x383838, ink::Bright)},
        {"MAINMENU", States(1) + Normal(ink::Menu, ink::Silver)},
        {"MENULINE", States(1) + Normal(ink::Face, ink::Silver) + Ramp({{0x333333, 0x2A2A2A, 100}})},
        {"PAGECONTROL", States(1) + Normal(ink::Field, ink::Silver)},
        {"PANEL", States(1) + Normal(ink::Face, ink::Silver) + KeyValues{{"GIVEOWNFONT", "1"}}},
        {"PANEL_LOW", Parent("PANEL") + States(1) + Normal(0x282828, ink::Silver)},
        {"RADIOBUTTON", Parent("CHECKBOX") + States(2)},
        {"SCROLLBAR1H", States(2) + Normal(ink::Well, ink::SilverDim) + Hot(0x272727, ink::Silver)},
        {"SCROLLBAR1V", Parent("SCROLLBAR1H") + States(2)},
        {"SCROLLBAR2H", Parent("SCROLLBAR1H") + States(2)},
        {"SCROLLBAR2V", Parent("SCROLLBAR1H") + States(2)},
        {"SCROLLBTNBOTTOM", ScrollPart(0x303030, 0x3C3C3C)},
        {"SCROLLBTNLEFT", ScrollPart(0x303030, 0x3C3C3C)},
        {"SCROLLBTNRIGHT", ScrollPart(0x303030, 0x3C3C3C)},
        {"SCROLLBTNTOP", ScrollPart(0x303030, 0x3C3C3C)},
        {"SCROLLSLIDERV", ScrollPart(0x444444, 0x504C48)},
        {"SPEEDBUTTON_SMALL",
         States(3) + Normal(ink::Field, ink::Silver) + Hot(0x444444, ink::EmberHot) + Clear(100, 0) + Fading()},
        {"STATUSBAR", States(1) + Normal(ink::Menu, ink::SilverDim) + Ramp({{0x2C2C2C, 0x222222, 100}})},
        {"TOOLBAR", States(1) + Normal(ink::Face, ink::Silver) + Ramp({{0x323232, 0x2A2A2A, 100}})},
        {"TRACKBAR", States(1) + Normal(ink::Face, ink::Silver) + Clear(100, 100)},
        {"UPDOWNBTN", ScrollPart(0x303030, 0x3C3C3C)},
        {"WEBBUTTON", States(2) + Normal(ink::Face, 0xE0A070) + Hot(ink::Face, ink::EmberHot) + Clear(100, 100)},
        // Caption text in warm white: cream when inactive, brighter when active.
        {"FORMTITLE",
         States(2) + Normal(0x303030, 0xFFFFCE) + Hot(0x353535, 0xFFFFE1) + Ramp(kCharcoal) + HotRamp(kCharcoal) +
             KeyValues{
                 {"GCOL", ColourValue(0x1D1D1D)}, {"GSIZE", "0"}, {"HGCOL", ColourValue(0x692A22)}, {"HGSIZE", "3"}}},
        {"FORM", States(2) + Normal(ink::Face, ink::Silver) + Hot(ink::Face, ink::Silver)},
        {"ALPHAEDIT", Parent("EDIT") + States(2)},
        {"COMBOBTN", States(3) + Normal(ink::Field, ink::Silver) + Hot(0x444444, ink::EmberHot) + Fading()},
        {"ALPHACOMBOBOX", Parent("COMBOBOX") + States(2)},
        {"COMBOBOX", Parent("EDIT") + States(2)},
        {"DIVIDERV", States(1) + Normal(ink::Menu, ink::SilverDim)},
        {"DIVIDER", States(1) + Normal(ink::Face, ink::SilverDim)},
        {"PROGRESSH", States(1) + Normal(ink::Ember, 0xFFFFFF)},
        {"PROGRESSV", Parent("PROGRESSH") + States(1)},
        {"MENUITEM", States(2) + Normal(ink::Menu, ink::Silver) + Hot(0x5C2A12, 0xFFFFFF) + NoFading()},
        {"EXTRALINE", States(1) + Normal(ink::Deep, ink::EmberLight) + Ramp({{0x1D1D1D, 0x3A2318, 100}}, 1)},
        {"BUTTON_HUGE", PushButton()},
        {"EDIT", States(2) + Normal(ink::Field, ink::Silver) + Hot(ink::Field, ink::Bright) + Fading()},
        {"SPEEDBUTTON", Parent("BUTTON") + PushButton()},
        {"MENUCAPTION", States(1) + Normal(ink::Deep, ink::EmberLight)},
        {"MENUBTN", Parent("TOOLBUTTON") + States(3)},
        {"COLHEADER", States(3) + Normal(0x333333, ink::Silver) + Hot(0x3C3C3C, ink::Bright) + Fading()},
        {"BARTITLE", States(2) + Normal(ink::Raised, ink::Silver) + Hot(ink::Surface, ink::Bright) +
                         Ramp({{0x3A3A3A, 0x2E2E2E, 100}})},
        {"SPLITTER", States(2) + Normal(ink::Face, ink::Silver) + Hot(ink::EmberDark, ink::Silver)},
        {"SCROLLSLIDERH", ScrollPart(0x444444, 0x504C48)},
        {"TOOLBUTTON", States(3) + Normal(ink::Face, ink::Silver) + Hot(0x444444, 0xFFF2E6) + Clear(100, 0) + Fading()},
        {"RIBBONPAGE", States(1) + Normal(ink::Field, ink::Silver)},
        {"RIBBONTAB", Parent("TABTOP") + Tab()},
        {"BUTTON",
         PushButton() +
             KeyValues{{"GLOW", "1"}, {"GLOWMARGIN", "3"}, {"GLOW0", "!BUTTONGLOW.PNG!1!0!0!0012!0012!0012!0012!1"}}},
        {"PAGECONTROLLEFT", Parent("PAGECONTROL") + States(1)},
        {"PAGECONTROLRIGHT", Parent("PAGECONTROL") + States(1)},
        {"PAGECONTROLBOTTOM", Parent("PAGECONTROL") + States(1)},
        {"TABBOTTOM", Tab()},
        {"TABLEFT", Tab()},
        {"TABRIGHT", Tab()},
        {"SELECTION", States(2) + Normal(0x4A4A4A, ink::Bright) + Hot(ink::EmberDeep, 0xFFFFFF)},
        {"TABTOP", Tab()},
        {"TB_MENUBTN", Parent("TOOLBUTTON") + States(3)},
    };
    return sections;
}

}  // namespace pakmole::emberline
