#pragma once
// The scroll-window adapter: draws the window's scroll bars itself, in the
// non-client area, from the skin's scroll sections, and does the scrolling
// the platform's own bars would do (arrows with their repeat, page areas,
// thumb tracking), telling the window SKC_BEFORESCROLL and SKC_AFTERSCROLL
// around each scroll message. The platform stays the owner of range, page
// and position: they are read back after every change. Split by concern:
// messages and mouse (vlScrollWnd.cpp), painting (vlScrollWnd_paint.cpp).
#include <windows.h>

#include <array>
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"
#include "skin/controls/adapters/vlScrollBar.h"
#include "skin/render/BgSource.h"

namespace pakmole {

class TvlScrollWnd;

// A field of a platform dialog: clWindow inside a one-pixel frame of border
// (a platform colour).
void PaintDialogField(TBitmap32& picture, int32_t border);

// One part of a skin-drawn control: the section painted over what target
// holds at rect, in the state, with glyphSection's "GLYPHMASK" centred on it
// (the section's own when both name the same section).
void PaintSkinPart(const TsSkinManager& manager, const char* name, const char* glyphSection, TBitmap32& target,
                   const TRect32& rect, int state);

struct TvlScrollBar {
    SCROLLINFO Info{};
    int StyleFlag = 0;    // 8 when the window has the bar's style bit
    int Orientation = 0;  // 0 horizontal, 1 vertical
    int PressedPart = spNone;
    int HotPart = spNone;
    int ThicknessOverride = -1;
    int ArrowOverride = -1;
    int MinThumb = 8;
    bool Shown = false;
    TvlScrollWnd* Owner = nullptr;

    TScrollState State() const {
        return TScrollState{Info.nMin, Info.nMax, static_cast<int32_t>(Info.nPage), Info.nPos};
    }
    int Code() const { return Orientation == 0 ? SB_HORZ : SB_VERT; }
    UINT Message() const { return Orientation == 0 ? WM_HSCROLL : WM_VSCROLL; }
};

// Timers of the adapted window that the adapter consumes.
constexpr UINT_PTR kHotPartTimer = 0xFFF2;
constexpr UINT_PTR kFirstRepeatTimer = 0xFFFD;
constexpr UINT_PTR kRepeatTimer = 0xFFFE;

class TvlScrollWnd : public TvlMainWnd {
public:
    TvlScrollWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
                 TsCommonData* state);
    ~TvlScrollWnd() override;
    std::string ClassName() const override { return "TvlScrollWnd"; }

    void Started() override;
    void HandleMessage(TMessage& message) override;

    TvlScrollBar& Bar(int orientation) { return bars_[static_cast<std::size_t>(orientation)]; }
    const TvlScrollBar& Bar(int orientation) const { return bars_[static_cast<std::size_t>(orientation)]; }
    int Thickness(int orientation) const;
    int ArrowLength(int orientation) const;
    // The bar's rectangle in window coordinates (empty when not shown).
    RECT BarRect(int orientation) const;
    TScrollBarLayout Layout(int orientation) const;
    // The part of a shown bar under a point in screen coordinates.
    int PartAtScreen(int orientation, POINT screen) const;
    bool LeftScrollBar() const { return leftScrollBar_; }

    // Reads both bars' scroll information again and repaints them.
    void RefreshBars();
    // Paints the shown bars into the window's DC (its own when null).
    void PaintBars(HDC dc = nullptr);
    // The square between both shown bars, in window coordinates.
    RECT CornerRect() const;
    // Whether the window's bottom-right corner is that of its top-level
    // window's client area: the square between the bars is a size grip there.
    bool InGripCorner() const;

protected:
    // WM_NCPAINT: the platform's frame without its bars, then the skin's bars.
    virtual void PaintNonClient(TMessage& message);
    // Rebuilds the cache when it is stale: the section in the state, the
    // content, and the frame's corner squares cleared of the key colour.
    bool PrepareCache(int state);
    // Drawn into the cache over the section's picture, before the disabled look.
    virtual void PaintCacheContent(TBitmap32& /*cache*/) {}
    bool Restyling() const { return restyling_; }
    // Inside dialogs, with a skin whose border colour is set: fields are
    // clWindow framed in that colour instead of the section's picture.
    bool DialogLook() const;
    // What the parent shows behind the window (piece: the picture it is asked for).
    TBgSource ParentBackground(const TBitmap32& piece) const;
    void ReadScrollInfo();
    // The previous handling with the scroll-bar style bits taken away, so the
    // platform neither reserves room for its bars nor draws them.
    void CallWithoutBarStyles(TMessage& message);
    // The four widths of the non-client frame outside the bars.
    std::array<int, 4> borders_{};  // left, right, top, bottom

private:
    void PaintCorner(HDC dc);
    void ClearFrameCorners(TBitmap32& cache, const TBgSource& parentBg) const;
    void CalcSize(TMessage& message);
    LRESULT HitTest(POINT screen);
    void Press(int orientation, POINT screen);
    void Track(POINT screen);
    void Release();
    void SendScroll(int orientation, int code);
    void TickHot();
    void TickRepeat();
    int AlongBar(int orientation, POINT screen) const;
    bool ArrowDisabled(int orientation, int part) const;

    std::array<TvlScrollBar, 2> bars_{};
    bool tracking_ = false;
    int trackBar_ = -1;
    int clickOffset_ = 0;
    int trackThumbStart_ = 0;
    int trackPos_ = 0;
    bool leftScrollBar_ = false;
    bool restyling_ = false;
    bool hotTimer_ = false;
};

}  // namespace pakmole
