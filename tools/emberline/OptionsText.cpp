#include "tools/emberline/OptionsText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <stdexcept>

#include "tools/emberline/MaskTable.h"
#include "tools/emberline/Palette.h"
#include "tools/emberline/SectionTable.h"

namespace pakmole::emberline {

namespace {
constexpr const char* kEol = "\r\n";

void AddLine(std::string& text, const std::string& line) {
    text += line;
    text += kEol;
}

void AddPiece(std::string& text, const MaskPiece& piece, const std::string& section) {
    if (section == piece.section) AddLine(text, std::string(piece.key) + "=" + RecordText(piece));
}

// A closing note and a legend of the inks: the values above are hard to read
// as colours. The reader skips lines that begin with ";".
void AddLegend(std::string& text) {
    AddLine(text, "; Emberline, drawn by tools/emberline. Edit the tables there, not this file.");
    for (const NamedInk& ink : kInkLegend) {
        char line[120];
        std::snprintf(line, sizeof line, "; %-10s 0x%06X = %-8s %s", ink.name, static_cast<unsigned>(ink.rgb),
                      ColourValue(ink.rgb).c_str(), ink.use);
        AddLine(text, line);
    }
}
}  // namespace

std::string BuildOptionsText() {
    std::set<std::string> known;
    for (const SkinSection& s : EmberlineSections())
        if (!known.insert(s.name).second) throw std::logic_error("section twice: " + s.name);
    for (const MaskPiece& p : MasterPieces())
        if (!known.count(p.section)) throw std::logic_error(std::string("piece of an unknown section: ") + p.section);

    std::string text;
    for (const SkinSection& section : EmberlineSections()) {
        AddLine(text, "[" + section.name + "]");
        for (const auto& [key, value] : section.keys) AddLine(text, key + "=" + value);
        for (const MaskPiece& piece : MasterPieces()) AddPiece(text, piece, section.name);
        AddPiece(text, ButtonHugePiece(), section.name);
        AddLine(text, "");
    }
    AddLegend(text);
    return text;
}

}  // namespace pakmole::emberline
