#include "skin/controls/adapters/vlComboListWnd.h"

namespace pakmole {

void TvlComboListWnd::HandleMessage(TMessage& m) {
    const bool hidden = m.Msg == WM_WINDOWPOSCHANGED && m.LParam &&
                        (reinterpret_cast<const WINDOWPOS*>(m.LParam)->flags & SWP_HIDEWINDOW);
    TvlEditWnd::HandleMessage(m);
    // The box hears of the close only after its list is gone: its button is
    // painted up again from here too.
    if (hidden && combo_ && IsWindow(combo_)) RedrawWindow(combo_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

}  // namespace pakmole
