#pragma once
// The painters of the skin's pieces. Each paints one state image of its
// piece into a canvas of the piece's state size; state 0 is normal, 1 hot,
// 2 pressed (title and check pieces follow the same order).
#include "tools/emberline/Canvas.h"

namespace pakmole::emberline {

using ArtFn = void (*)(Canvas& frame, int state);

// A canvas's size as drawing coordinates.
inline float W(const Canvas& c) { return static_cast<float>(c.Width()); }
inline float H(const Canvas& c) { return static_cast<float>(c.Height()); }

// Shared look of raised plates (buttons, scroll parts, tabs).
struct PlateStyle {
    float radius = 3;
    Rgba outline;    // one-pixel outer ring
    Rgba top;        // fill at the top
    Rgba bottom;     // fill at the bottom
    Rgba highlight;  // one-pixel line inside the top edge
    Rgba accent;     // one-pixel ring inside the outline
};
PlateStyle ButtonPlate(int state);
PlateStyle FlatPlate(int state);  // tool and edit buttons: nothing until hot
void PaintPlate(Canvas& c, const PlateStyle& style, float left, float top, float right, float bottom);

namespace art {
// Window frame and caption.
void FormFrame(Canvas& c, int state);
void TitleStrip(Canvas& c, int state);
void TitleClose(Canvas& c, int state);
void TitleMaximize(Canvas& c, int state);
void TitleRestore(Canvas& c, int state);
void TitleMinimize(Canvas& c, int state);
void TitleHelp(Canvas& c, int state);
// Fields, containers, menus.
void EditFrame(Canvas& c, int state);
void PanelRaised(Canvas& c, int state);
void PanelLowered(Canvas& c, int state);
void GroupFrame(Canvas& c, int state);
void PageFrame(Canvas& c, int state);
void HintFrame(Canvas& c, int state);
void MenuFrame(Canvas& c, int state);
void MenuItem(Canvas& c, int state);
void MenuDivider(Canvas& c, int state);
void ToolDivider(Canvas& c, int state);
void ColumnHeader(Canvas& c, int state);
void GaugeTrack(Canvas& c, int state);
void ProgressBarH(Canvas& c, int state);
void ProgressBarV(Canvas& c, int state);
// Buttons and scroll parts.
void Button(Canvas& c, int state);
void FlatButton(Canvas& c, int state);
void HugeButton(Canvas& c, int state);
void TabTop(Canvas& c, int state);
void TabBottom(Canvas& c, int state);
void TabLeft(Canvas& c, int state);
void TabRight(Canvas& c, int state);
void ScrollButton(Canvas& c, int state);
void ScrollThumbH(Canvas& c, int state);
void ScrollThumbV(Canvas& c, int state);
void ScrollTrackH(Canvas& c, int state);
void ScrollTrackV(Canvas& c, int state);
// Glyphs.
void ArrowUp(Canvas& c, int state);
void ArrowDown(Canvas& c, int state);
void ArrowLeft(Canvas& c, int state);
void ArrowRight(Canvas& c, int state);
void GripLinesH(Canvas& c, int state);
void GripLinesV(Canvas& c, int state);
void SizeGrip(Canvas& c, int state);
void GripDots(Canvas& c, int state);
void MenuCheck(Canvas& c, int state);
void BoxUnchecked(Canvas& c, int state);
void BoxChecked(Canvas& c, int state);
void BoxGrayed(Canvas& c, int state);
void RadioUnchecked(Canvas& c, int state);
void RadioChecked(Canvas& c, int state);
void RadioGrayed(Canvas& c, int state);
}  // namespace art

}  // namespace pakmole::emberline
