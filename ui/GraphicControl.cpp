#include "ui/GraphicControl.h"

namespace pakmole {

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT && m.WParam) {
        Paint(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
    }
    TControl::WndProc(m);
}

}  // namespace pakmole
