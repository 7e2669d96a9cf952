#include "tools/emberline/MaskTable.h"

#include <cstdio>
#include <stdexcept>

#include "tools/emberline/Palette.h"

namespace pakmole::emberline {

namespace {
using enum RecordSyntax;

// Short-hands for the table: frame masks are opaque in their edges, images
// are glyphs with a mask band unless noted.
MaskPiece Frame(const char* section, int x, int y, int w, int h, int states, int ml, int mt, int mr, int mb, int flags,
                int defaultMargin, ArtFn art, uint32_t backdrop = ink::Face) {
    return {section, "BORDERSMASK", FrameMask,     x,   y,       w, h, states, 0, ml, mt, mr,
            mb,      flags,         defaultMargin, art, backdrop};
}

MaskPiece Glyph(const char* section, const char* key, int x, int y, int w, int h, int states, ArtFn art) {
    return {section, key, Image, x, y, w, h, states, 1, 0, 0, 0, 0, 0, 0, art, 0};
}

MaskPiece KeyedGlyph(const char* section, const char* key, int x, int y, int w, int h, int states, ArtFn art) {
    return {section, key, Image, x, y, w, h, states, 0, 0, 0, 0, 0, 0, 0, art, ink::Face};
}

// Paint flags of frame masks.
constexpr int kStretch = 1;
constexpr int kHiddenWhenNormal = 2;
constexpr int kCentre = 4;
}  // namespace

const std::vector<MaskPiece>& MasterPieces() {
    static const std::vector<MaskPiece> pieces = {
        // Window frame and caption.
        Frame("FORM", 2, 2, 24, 24, 2, 3, 3, 3, 3, kStretch, 0, art::FormFrame, kRegionCut),
        Frame("FORMTITLE", 480, 2, 40, 24, 2, 4, 4, 4, 2, kStretch | kCentre, 0, art::TitleStrip, kRegionCut),
        Glyph("GLOBALINFO", "BICONCLOSE", 80, 2, 26, 17, 3, art::TitleClose),
        Glyph("GLOBALINFO", "BICONMAX", 160, 2, 26, 17, 3, art::TitleMaximize),
        Glyph("GLOBALINFO", "BICONNORM", 240, 2, 26, 17, 3, art::TitleRestore),
        Glyph("GLOBALINFO", "BICONMIN", 320, 2, 26, 17, 3, art::TitleMinimize),
        Glyph("GLOBALINFO", "BICONHELP", 400, 2, 26, 17, 3, art::TitleHelp),
        Glyph("GLOBALINFO", "GRIPIMAGE", 2, 30, 12, 12, 1, art::SizeGrip),
        // Check boxes and radio buttons: keyed, normal and hot.
        KeyedGlyph("GLOBALINFO", "BOXCHECKED", 134, 104, 14, 13, 2, art::BoxChecked),
        KeyedGlyph("GLOBALINFO", "BOXUNCHECKED", 80, 104, 14, 13, 2, art::BoxUnchecked),
        KeyedGlyph("GLOBALINFO", "BOXGRAYED", 166, 104, 14, 13, 2, art::BoxGrayed),
        KeyedGlyph("GLOBALINFO", "RADIOCHECKED", 198, 104, 14, 13, 2, art::RadioChecked),
        KeyedGlyph("GLOBALINFO", "RADIOUNCHECKED", 230, 104, 14, 13, 2, art::RadioUnchecked),
        KeyedGlyph("GLOBALINFO", "RADIOGRAYED", 262, 104, 14, 13, 2, art::RadioGrayed),
        KeyedGlyph("GLOBALINFO", "SMALLCHECKED", 294, 104, 11, 10, 2, art::BoxChecked),
        KeyedGlyph("GLOBALINFO", "SMALLUNCHECKED", 320, 104, 11, 10, 2, art::BoxUnchecked),
        KeyedGlyph("GLOBALINFO", "SMALLGRAYED", 346, 104, 11, 10, 2, art::BoxGrayed),
        Glyph("GLOBALINFO", "CHECK", 676, 2, 14, 13, 2, art::MenuCheck),
        // Containers.
        Frame("GROUPBOX", 61, 3, 15, 22, 1, 2, 2, 2, 2, kStretch, 1, art::GroupFrame),
        Frame("PANEL", 504, 40, 16, 16, 1, 2, 2, 2, 2, kStretch, 0, art::PanelRaised),
        Frame("PANEL_LOW", 524, 40, 16, 16, 1, 2, 2, 2, 2, kStretch, 0, art::PanelLowered),
        Frame("PAGECONTROL", 544, 40, 24, 24, 1, 3, 3, 3, 3, kStretch, 0, art::PageFrame),
        Frame("HINT", 564, 2, 24, 24, 1, 4, 4, 4, 4, kStretch, 0, art::HintFrame, kRegionCut),
        // Menus.
        Frame("MAINMENU", 592, 2, 24, 24, 1, 3, 3, 3, 3, kStretch, 3, art::MenuFrame, kRegionCut),
        Frame("MENUITEM", 620, 2, 20, 20, 2, 3, 3, 3, 3, kStretch | kHiddenWhenNormal | kCentre, 0, art::MenuItem,
              ink::Menu),
        Frame("DIVIDERV", 664, 2, 8, 2, 1, 1, 1, 1, 1, kStretch, 0, art::MenuDivider, ink::Menu),
        Frame("DIVIDER", 664, 8, 4, 8, 1, 1, 2, 1, 2, kStretch | kCentre, 0, art::ToolDivider),
        // Fields and buttons.
        Frame("EDIT", 80, 40, 20, 20, 2, 3, 3, 3, 3, kStretch, 0, art::EditFrame),
        Frame("BUTTON", 1, 76, 25, 24, 3, 3, 4, 4, 4, kStretch | kCentre, 1, art::Button),
        Frame("BUTTON_BIG", 2, 124, 32, 32, 3, 6, 6, 6, 6, kStretch | kCentre, 0, art::Button),
        Frame("SPEEDBUTTON", 176, 40, 20, 20, 3, 4, 4, 4, 4, kStretch | kCentre, 0, art::Button),
        Frame("SPEEDBUTTON_SMALL", 124, 40, 16, 16, 3, 3, 3, 3, 3, kStretch | kHiddenWhenNormal | kCentre, 0,
              art::FlatButton, ink::Field),
        Frame("TOOLBUTTON", 240, 40, 20, 20, 3, 4, 4, 4, 4, kStretch | kHiddenWhenNormal | kCentre, 0, art::FlatButton),
        Frame("COMBOBTN", 304, 40, 16, 16, 3, 3, 3, 3, 3, kStretch | kHiddenWhenNormal | kCentre, 0, art::FlatButton,
              ink::Field),
        Glyph("COMBOBOX", "GLYPHMASK", 356, 40, 9, 9, 3, art::ArrowDown),
        Frame("UPDOWNBTN", 388, 40, 16, 16, 3, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollButton),
        Frame("COLHEADER", 440, 40, 20, 20, 3, 3, 3, 3, 3, kStretch | kCentre, 0, art::ColumnHeader),
        Frame("GAUGE", 572, 40, 24, 14, 1, 3, 3, 3, 3, kStretch, 0, art::GaugeTrack),
        Frame("PROGRESSH", 600, 40, 24, 14, 1, 3, 3, 3, 3, kStretch | kCentre, 0, art::ProgressBarH),
        Frame("PROGRESSV", 628, 40, 14, 24, 1, 3, 3, 3, 3, kStretch | kCentre, 0, art::ProgressBarV),
        // Tabs, open towards their page.
        Frame("TABTOP", 80, 76, 24, 24, 3, 4, 4, 4, 2, kStretch | kCentre, 0, art::TabTop),
        Frame("TABBOTTOM", 156, 76, 24, 24, 3, 4, 2, 4, 4, kStretch | kCentre, 0, art::TabBottom),
        Frame("TABLEFT", 232, 76, 24, 24, 3, 4, 4, 2, 4, kStretch | kCentre, 0, art::TabLeft),
        Frame("TABRIGHT", 308, 76, 24, 24, 3, 2, 4, 4, 4, kStretch | kCentre, 0, art::TabRight),
        // Scroll bars.
        Frame("SCROLLBTNTOP", 384, 76, 16, 16, 3, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollButton),
        Frame("SCROLLBTNBOTTOM", 436, 76, 16, 16, 3, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollButton),
        Frame("SCROLLBTNLEFT", 488, 76, 16, 16, 3, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollButton),
        Frame("SCROLLBTNRIGHT", 540, 76, 16, 16, 3, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollButton),
        Glyph("SCROLLBTNTOP", "GLYPHMASK", 592, 76, 9, 9, 3, art::ArrowUp),
        Glyph("SCROLLBTNBOTTOM", "GLYPHMASK", 622, 76, 9, 9, 3, art::ArrowDown),
        Glyph("SCROLLBTNLEFT", "GLYPHMASK", 652, 76, 9, 9, 3, art::ArrowLeft),
        Glyph("SCROLLBTNRIGHT", "GLYPHMASK", 682, 76, 9, 9, 3, art::ArrowRight),
        Frame("SCROLLSLIDERH", 372, 104, 16, 16, 3, 4, 4, 4, 4, kStretch | kCentre, 0, art::ScrollThumbH),
        Frame("SCROLLSLIDERV", 424, 104, 16, 16, 3, 4, 4, 4, 4, kStretch | kCentre, 0, art::ScrollThumbV),
        Glyph("SCROLLSLIDERH", "GLYPHMASK", 476, 104, 8, 8, 3, art::GripLinesH),
        Glyph("SCROLLSLIDERV", "GLYPHMASK", 504, 104, 8, 8, 3, art::GripLinesV),
        Frame("SCROLLBAR1H", 532, 104, 16, 16, 2, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollTrackH),
        Frame("SCROLLBAR2H", 568, 104, 16, 16, 2, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollTrackH),
        Frame("SCROLLBAR1V", 604, 104, 16, 16, 2, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollTrackV),
        Frame("SCROLLBAR2V", 640, 104, 16, 16, 2, 3, 3, 3, 3, kStretch | kCentre, 0, art::ScrollTrackV),
        // A dotted grip laid over handles through its mask band.
        {"GRIPH", "PATTERN", Texture, 34, 41, 3, 3, 1, 1, 0, 0, 0, 0, 10, 0, art::GripDots, 0},
    };
    return pieces;
}

const MaskPiece& ButtonHugePiece() {
    static const MaskPiece piece = {"BUTTON_HUGE",
                                    "BORDERSMASK",
                                    ImageFile,
                                    0,
                                    0,
                                    96,
                                    96,
                                    3,
                                    1,
                                    47,
                                    47,
                                    47,
                                    47,
                                    kStretch | kCentre,
                                    0,
                                    art::HugeButton,
                                    0};
    return piece;
}

namespace {
std::string Format(const char* pattern, auto... values) {
    char text[128];
    const int n = std::snprintf(text, sizeof text, pattern, values...);
    if (n < 0 || n >= static_cast<int>(sizeof text)) throw std::logic_error("record text does not fit");
    return text;
}

void CheckFixedFields(const MaskPiece& p) {
    // The reader takes fixed character positions: four digits per number and
    // one digit per small field.
    const int fourDigit[] = {p.left,       p.top,       p.Right(),     p.Bottom(),
                             p.marginLeft, p.marginTop, p.marginRight, p.marginBottom};
    for (int v : fourDigit)
        if (v < 0 || v > 9999) throw std::logic_error(std::string("field out of range in ") + p.section + "/" + p.key);
    const int oneDigit[] = {p.states, p.maskKind, p.defaultMargin};
    for (int v : oneDigit)
        if (v < 0 || v > 9) throw std::logic_error(std::string("field out of range in ") + p.section + "/" + p.key);
}
}  // namespace

std::string RecordText(const MaskPiece& p) {
    CheckFixedFields(p);
    switch (p.syntax) {
        case FrameMask:
            if (p.paintFlags > 9) throw std::logic_error("frame paint flags take one digit");
            return Format("^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%d^%d^%d^%d", p.left, p.top, p.Right(), p.Bottom(),
                          p.marginLeft, p.marginTop, p.marginRight, p.marginBottom, p.states, p.maskKind, p.paintFlags,
                          p.defaultMargin);
        case Image:
            return Format("@%04d@%04d@%04d@%04d@%d@%d", p.left, p.top, p.Right(), p.Bottom(), p.states, p.maskKind);
        case Texture:
            if (p.paintFlags > 99) throw std::logic_error("texture draw modes take two digits");
            return Format("~%04d~%04d~%04d~%04d~%02d~%d", p.left, p.top, p.Right(), p.Bottom(), p.paintFlags,
                          p.maskKind);
        case ImageFile: {
            std::string upper = kButtonHugeFile;
            for (char& ch : upper) ch = static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
            return Format("!%s!%d!%d!0!%04d!%04d!%04d!%04d!%d", upper.c_str(), p.states, p.maskKind, p.marginLeft,
                          p.marginTop, p.marginRight, p.marginBottom, p.paintFlags);
        }
    }
    throw std::logic_error("unknown record syntax");
}

}  // namespace pakmole::emberline
