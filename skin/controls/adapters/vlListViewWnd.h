#pragma once
// The list-view adapter: the edit adapter's frame, colours and scroll bars,
// and the column header drawn by the skin: each column in "COLHEADER" (or
// "BUTTON" when the skin has none) over the list's colour, pressed under a
// held button, hot under the pointer, with its text and sort arrow.
#include <memory>
#include <string>

#include "skin/controls/adapters/vlEditWnd.h"

namespace pakmole {

class TvlListViewWnd : public TvlEditWnd {
public:
    TvlListViewWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                   TsCommonData* state);
    ~TvlListViewWnd() override;
    std::string ClassName() const override { return "TvlListViewWnd"; }

    void Started() override;
    void HandleMessage(TMessage& message) override;

    // The header window the adapter paints (null while the list has none).
    HWND Header() const;
    // The column under the pointer and the one held down (-1: none).
    int HotColumn() const;
    int PressedColumn() const;

private:
    class THeaderWnd;
    void AttachHeader(HWND header);
    // Pixels per step of the list's own scroll position along a bar.
    int ScrollUnit(int orientation) const;
    void ScrollToTracked(int orientation, int position);
    std::unique_ptr<THeaderWnd> header_;
};

}  // namespace pakmole
