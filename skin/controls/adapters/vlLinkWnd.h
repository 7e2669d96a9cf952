#pragma once
// The adapter of a link control: its text, without the anchor marks,
// underlined in the skin's colours over what the parent shows.
#include <string>

#include "skin/controls/adapters/vlStaticWnd.h"
#include "ui/GdiHandles.h"

namespace pakmole {

class TvlLinkWnd : public TvlStaticWnd {
public:
    using TvlStaticWnd::TvlStaticWnd;
    std::string ClassName() const override { return "TvlLinkWnd"; }

    bool PaintContent(TBitmap32& cache) override;

    // The text as shown: "<A>" and "</A>" taken out (any letter case).
    static std::string VisibleText(const std::string& text);

protected:
    bool PlatformPaints() const override { return false; }

private:
    FontHandle underlined_;
    HFONT underlinedFrom_ = nullptr;
};

}  // namespace pakmole
