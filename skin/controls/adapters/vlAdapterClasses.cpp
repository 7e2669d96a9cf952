#include "skin/controls/adapters/vlAdapterClasses.h"

#include "skin/manager/sThirdParty.h"

namespace pakmole {
namespace {

template <class T>
std::unique_ptr<TvlMainWnd> Make(HWND window, const std::string& section, TsSkinManager* manager,
                                 TsCommonData* state) {
    auto adapter = std::make_unique<T>(window, true, section, manager, state);
    adapter->Start();
    return adapter;
}

}  // namespace

std::unique_ptr<TvlMainWnd> CreateListAdapter(int listIndex, HWND window, const std::string& section,
                                              TsSkinManager* manager, TsCommonData* state) {
    switch (listIndex) {
    case tpEdits: return Make<TvlEditWnd>(window, section, manager, state);
    case tpButtons: return Make<TvlBtnWnd>(window, section, manager, state);
    case tpBitBtns: return Make<TvlBitBtnWnd>(window, section, manager, state);
    case tpCheckBoxes: return Make<TvlCheckBoxWnd>(window, section, manager, state);
    case tpComboBoxes: return Make<TvlComboBoxWnd>(window, section, manager, state);
    case tpGrids: return Make<TvlGridWnd>(window, section, manager, state);
    case tpGroupBoxes: return Make<TvlGroupBoxWnd>(window, section, manager, state);
    case tpListViews: return Make<TvlListViewWnd>(window, section, manager, state);
    case tpPanels: return Make<TvlPanelWnd>(window, section, manager, state);
    case tpTreeViews: return Make<TvlTreeViewWnd>(window, section, manager, state);
    case tpWWEdits: return Make<TvlWWComboBoxWnd>(window, section, manager, state);
    case tpGridEh: return Make<TvlGridEhWnd>(window, section, manager, state);
    case tpVirtualTrees: return Make<TvlVirtualTreeViewWnd>(window, section, manager, state);
    case tpPageControl: return Make<TvlPageControlWnd>(window, section, manager, state);
    case tpTabControl: return Make<TvlTabControlWnd>(window, section, manager, state);
    case tpToolBar: return Make<TvlToolBarVCLWnd>(window, section, manager, state);
    case tpStatusBar: return Make<TvlStatusBarWnd>(window, section, manager, state);
    case tpScrollControl: return Make<TvlScrollBoxWnd>(window, section, manager, state);
    case tpUpDown: return Make<TvlSpinWnd>(window, section, manager, state);
    case tpScrollBar: return Make<TvlSBWnd>(window, section, manager, state);
    default: return nullptr;  // speed buttons are painted through graph items
    }
}

}  // namespace pakmole
