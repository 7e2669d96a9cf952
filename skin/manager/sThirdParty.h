#pragma once
// The class-name lists by which plain controls are matched for skinning by
// window adapters: 21 text properties, one class name per line.
#include <array>
#include <string>
#include <vector>

#include "ui/Object.h"

namespace pakmole {

enum TvlThirdPartyIndex : int {
    tpEdits, tpButtons, tpBitBtns, tpCheckBoxes, tpComboBoxes, tpGrids, tpGroupBoxes, tpListViews, tpPanels,
    tpTreeViews, tpWWEdits, tpGridEh, tpVirtualTrees, tpPageControl, tpTabControl, tpToolBar, tpStatusBar,
    tpSpeedButton, tpScrollControl, tpUpDown, tpScrollBar
};
constexpr int kThirdPartyCount = 21;

class ThirdPartyList : public TPersistent {
public:
    ThirdPartyList();
    std::string ClassName() const override { return "ThirdPartyList"; }

    // The published name of each property ("ThirdEdits", ...) and its built-in default.
    static const char* PropertyName(int index);
    static const char* DefaultText(int index);

    const std::string& Text(int index) const { return texts_.at(static_cast<std::size_t>(index)); }
    void SetText(int index, const std::string& text) { texts_.at(static_cast<std::size_t>(index)) = text; }
    // An index by published name; -1 when there is none.
    static int IndexOf(const std::string& propertyName);

    // Every empty property gets its built-in default.
    void FillEmptyWithDefaults();

private:
    std::array<std::string, kThirdPartyCount> texts_;
};

// The manager's working copy: one case-sensitive list per property.
class TsThirdPartyLists {
public:
    // Each list from its property's text, a line per entry.
    void Fill(const ThirdPartyList& source);
    // The properties from the lists again.
    void WriteBack(ThirdPartyList& target) const;
    const std::vector<std::string>& List(int index) const { return lists_.at(static_cast<std::size_t>(index)); }
    bool Contains(int index, const std::string& className) const;

private:
    std::array<std::vector<std::string>, kThirdPartyCount> lists_;
};

}  // namespace pakmole
