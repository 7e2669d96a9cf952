#pragma once
// The edit adapter: an edit-like window (an edit, a memo, later the lists of
// the file dialog) with the skin's frame, colours and scroll bars. The frame
// comes from the adapter's cache picture of its section; the client area is
// the platform's, in the section's colours.
#include <string>

#include "skin/controls/vlScrollWnd.h"

namespace pakmole {

class TvlEditWnd : public TvlScrollWnd {
public:
    TvlEditWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
               TsCommonData* state);
    std::string ClassName() const override { return "TvlEditWnd"; }

    void CaptureOriginalParams() override;
    void RestoreOriginalParams() override;
    void ApplySkinParams() override;
    void HandleMessage(TMessage& message) override;

protected:
    void PaintNonClient(TMessage& message) override;
    // 1 while focused or hot and the section has a hot state, else 0.
    int LookState() const;
    // Paints the frame ring (the non-client border outside the bars) from the cache.
    void PaintFrame(HDC dc);

private:
    int32_t originalColor_ = 0;
    int32_t originalFontColor_ = 0;
    bool captured_ = false;
};

}  // namespace pakmole
