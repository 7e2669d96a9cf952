#include "ui/AnchorLayout.h"

#include <algorithm>

#include "ui/WinControl.h"

namespace pakmole {

void TAnchorLayout::Anchor(TControl* control, TAnchors anchors) {
    Forget(control);
    TWinControl* parent = control->Parent();
    if (!parent) return;
    entries_.push_back(Entry{control, anchors, parent->ClientWidth() - (control->Left() + control->Width()),
                             parent->ClientHeight() - (control->Top() + control->Height())});
}

void TAnchorLayout::Forget(const TControl* control) {
    std::erase_if(entries_, [control](const Entry& e) { return e.Control == control; });
}

void TAnchorLayout::Apply() {
    for (const Entry& e : entries_) {
        TControl* c = e.Control;
        TWinControl* parent = c->Parent();
        if (!parent) continue;
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        const int right = parent->ClientWidth() - e.RightGap;
        const int bottom = parent->ClientHeight() - e.BottomGap;
        if (e.Anchors & akRight) {
            if (e.Anchors & akLeft)
                width = std::max(0, right - left);
            else
                left = right - width;
        }
        if (e.Anchors & akBottom) {
            if (e.Anchors & akTop)
                height = std::max(0, bottom - top);
            else
                top = bottom - height;
        }
        c->SetBounds(left, top, width, height);
    }
}

}  // namespace pakmole
