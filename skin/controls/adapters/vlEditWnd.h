#pragma once
// The edit adapter: an edit-like window (an edit, a memo, later the lists of
// the file dialog) with the skin's frame, colours and scroll bars. The frame
// comes from the adapter's cache picture of its section; the client area is
// the platform's, in the section's colours, except for a disabled
// single-line edit, which shows the cache whole (its text drawn into it).
#include <string>

#include "skin/controls/adapters/vlScrollWnd.h"

namespace pakmole {

class TvlEditWnd : public TvlScrollWnd {
public:
    TvlEditWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
               TsCommonData* state);
    ~TvlEditWnd() override;
    std::string ClassName() const override { return "TvlEditWnd"; }

    void CaptureOriginalParams() override;
    void RestoreOriginalParams() override;
    void ApplySkinParams() override;
    void HandleMessage(TMessage& message) override;

    // The colour the skin gave the field (a platform colour value), and for
    // a window without a component the colour of its frame.
    int32_t AppliedColor() const { return appliedColor_; }
    int32_t FrameColor() const { return frameColor_; }
    // An edit control of one line: painted from the cache while disabled.
    bool SingleLine() const { return singleLine_; }

protected:
    void PaintNonClient(TMessage& message) override;
    void PaintCacheContent(TBitmap32& cache) override;
    // 1 while focused or hot and the section has a hot state, else 0.
    int LookState() const;
    // Paints the frame ring (the non-client border outside the bars) from the cache.
    void PaintFrame(HDC dc);
    // Copies the ring of picture, widths left, right, top and bottom, to dc.
    static void CopyRing(HDC dc, const TBitmap32& picture, const std::array<int, 4>& widths);

private:
    bool ShowsCache() const;
    void PaintClientFromCache(HDC dc);
    void Print(HDC dc);

    int32_t originalColor_ = 0;
    int32_t originalFontColor_ = 0;
    int32_t appliedColor_ = 0;
    int32_t frameColor_ = 0;
    bool captured_ = false;
    bool singleLine_ = false;
};

}  // namespace pakmole
