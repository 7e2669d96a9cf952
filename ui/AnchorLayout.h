#pragma once
// Keeps controls at the distances they had from the edges of their parent
// that they are anchored to: anchored left and right a control stretches with
// its parent, anchored right only it moves along; likewise top and bottom.
#include <vector>

#include "ui/Control.h"

namespace pakmole {

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

class TAnchorLayout {
public:
    // Takes the control's present distances to its parent's client edges.
    void Anchor(TControl* control, TAnchors anchors);
    void Forget(const TControl* control);
    // Places every anchored control again for its parent's present size.
    void Apply();

private:
    struct Entry {
        TControl* Control;
        TAnchors Anchors;
        int RightGap;
        int BottomGap;
    };
    std::vector<Entry> entries_;
};

}  // namespace pakmole
