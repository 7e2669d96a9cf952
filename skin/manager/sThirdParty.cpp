#include "skin/manager/sThirdParty.h"

#include <algorithm>

namespace pakmole {
namespace {

struct PropertyInfo {
    const char* Name;
    const char* Default;
};

// A list that holds one blank is not empty, so it is not refilled with a
// default on every load: " " is how a list says "none".
constexpr std::array<PropertyInfo, kThirdPartyCount> kProperties = {{
    {"ThirdEdits", " "}, {"ThirdButtons", "TButton"}, {"ThirdBitBtns", " "}, {"ThirdCheckBoxes", " "},
    {"ThirdComboBoxes", " "}, {"ThirdGrids", " "}, {"ThirdGroupBoxes", " "}, {"ThirdListViews", " "},
    {"ThirdPanels", " "}, {"ThirdTreeViews", " "}, {"ThirdWWEdits", " "}, {"ThirdGridEh", " "},
    {"ThirdVirtualTrees", " "}, {"ThirdPageControl", " "}, {"ThirdTabControl", " "}, {"ThirdToolBar", " "},
    {"ThirdStatusBar", " "}, {"ThirdSpeedButton", " "}, {"ThirdScrollControl", " "}, {"ThirdUpDown", " "},
    {"ThirdScrollBar", " "},
}};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace

ThirdPartyList::ThirdPartyList() = default;

const char* ThirdPartyList::PropertyName(int index) { return kProperties.at(static_cast<std::size_t>(index)).Name; }
const char* ThirdPartyList::DefaultText(int index) { return kProperties.at(static_cast<std::size_t>(index)).Default; }

int ThirdPartyList::IndexOf(const std::string& propertyName) {
    for (int i = 0; i < kThirdPartyCount; ++i)
        if (propertyName == kProperties[static_cast<std::size_t>(i)].Name) return i;
    return -1;
}

void ThirdPartyList::FillEmptyWithDefaults() {
    for (int i = 0; i < kThirdPartyCount; ++i)
        if (texts_[static_cast<std::size_t>(i)].empty()) texts_[static_cast<std::size_t>(i)] = DefaultText(i);
}

void TsThirdPartyLists::Fill(const ThirdPartyList& source) {
    for (int i = 0; i < kThirdPartyCount; ++i) lists_[static_cast<std::size_t>(i)] = SplitLines(source.Text(i));
}

void TsThirdPartyLists::WriteBack(ThirdPartyList& target) const {
    for (int i = 0; i < kThirdPartyCount; ++i) {
        std::string text;
        for (const std::string& line : lists_[static_cast<std::size_t>(i)]) text += line + "\r\n";
        target.SetText(i, text);
    }
}

bool TsThirdPartyLists::Contains(int index, const std::string& className) const {
    const auto& list = List(index);
    return std::find(list.begin(), list.end(), className) != list.end();
}

}  // namespace pakmole
