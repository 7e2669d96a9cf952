#pragma once
// The rest of the adapter family: each class has its place in the tree and
// its default section now; until the control kind it serves is painted by
// the skin (dialog controls later) it keeps the handling of its base: the
// scroll bars and frame of the scroll-window and edit adapters, or the base
// handling, which chains in front of the window and answers the skin
// commands but leaves the painting to the platform. The adapters of dialog
// controls have files of their own.
#include <memory>
#include <string>

#include "skin/controls/adapters/vlBitBtnWnd.h"
#include "skin/controls/adapters/vlBtnWnd.h"
#include "skin/controls/adapters/vlCheckBoxWnd.h"
#include "skin/controls/adapters/vlComboBoxWnd.h"
#include "skin/controls/adapters/vlComboListWnd.h"
#include "skin/controls/adapters/vlEdgeWnd.h"
#include "skin/controls/adapters/vlEditWnd.h"
#include "skin/controls/adapters/vlGroupBoxWnd.h"
#include "skin/controls/adapters/vlIconWnd.h"
#include "skin/controls/adapters/vlLinkWnd.h"
#include "skin/controls/adapters/vlListViewWnd.h"
#include "skin/controls/adapters/vlMainWnd.h"
#include "skin/controls/adapters/vlScrollWnd.h"
#include "skin/controls/adapters/vlSizerWnd.h"
#include "skin/controls/adapters/vlStaticWnd.h"
#include "skin/controls/adapters/vlToolBarWnd.h"
#include "skin/controls/adapters/vlTransPanelWnd.h"

namespace pakmole {

#define PAKMOLE_ADAPTER(Name, Base, Section)                                                                  \
    class Name : public Base {                                                                                \
    public:                                                                                                   \
        Name(HWND window, bool repaint, const std::string& section, TsSkinManager* manager, TsCommonData* state) \
            : Base(window, repaint, section.empty() ? std::string(Section) : section, manager, state) {}      \
        std::string ClassName() const override { return #Name; }                                              \
    }

PAKMOLE_ADAPTER(TvlMnuWnd, TvlScrollWnd, "");
PAKMOLE_ADAPTER(TvlScrollBoxWnd, TvlScrollWnd, "PANEL_LOW");
PAKMOLE_ADAPTER(TvlBaseWnd, TvlScrollWnd, "");
PAKMOLE_ADAPTER(TvlMDIWnd, TvlBaseWnd, "");
PAKMOLE_ADAPTER(TvlGridWnd, TvlEditWnd, "EDIT");
PAKMOLE_ADAPTER(TvlGridEhWnd, TvlGridWnd, "EDIT");
PAKMOLE_ADAPTER(TvlTreeViewWnd, TvlEditWnd, "EDIT");
PAKMOLE_ADAPTER(TvlWWComboBoxWnd, TvlComboBoxWnd, "EDIT");
PAKMOLE_ADAPTER(TvlVirtualTreeViewWnd, TvlEditWnd, "EDIT");
PAKMOLE_ADAPTER(TvlTabControlWnd, TvlMainWnd, "PAGECONTROL");
PAKMOLE_ADAPTER(TvlPageControlWnd, TvlTabControlWnd, "PAGECONTROL");
PAKMOLE_ADAPTER(TvlSBWnd, TvlMainWnd, "CHECKBOX");
PAKMOLE_ADAPTER(TvlSpinWnd, TvlMainWnd, "BUTTON");
PAKMOLE_ADAPTER(TvlTrackWnd, TvlMainWnd, "");
PAKMOLE_ADAPTER(TvlPanelWnd, TvlMainWnd, "PANEL");
PAKMOLE_ADAPTER(TvlPageWnd, TvlMainWnd, "");
PAKMOLE_ADAPTER(TvlToolBarVCLWnd, TvlMainWnd, "TOOLBAR");
PAKMOLE_ADAPTER(TvlStatusBarWnd, TvlMainWnd, "STATUSBAR");

#undef PAKMOLE_ADAPTER

// The adapter of a class-name list (index 0 to 20 of the skin manager's
// ThirdParty lists), started on the window; none for the speed-button list,
// whose controls have no window.
std::unique_ptr<TvlMainWnd> CreateListAdapter(int listIndex, HWND window, const std::string& section,
                                              TsSkinManager* manager, TsCommonData* state);

}  // namespace pakmole
