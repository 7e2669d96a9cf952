#pragma once
// The adapter of an icon or bitmap static: its picture drawn at its top
// left over what the parent shows (a 32-bit bitmap blended by its alpha).
#include <string>

#include "skin/controls/adapters/vlStaticWnd.h"

namespace pakmole {

class TvlIconWnd : public TvlStaticWnd {
public:
    TvlIconWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager, TsCommonData* state);
    std::string ClassName() const override { return "TvlIconWnd"; }

    bool PaintContent(TBitmap32& cache) override;

protected:
    bool PlatformPaints() const override { return false; }

private:
    bool bitmapStatic_ = false;
};

}  // namespace pakmole
