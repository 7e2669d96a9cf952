#include "skin/controls/adapters/vlLinkWnd.h"

#include <cctype>

#include "skin/controls/state/vlWindowFont.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/render/SkinText_win.h"

namespace pakmole {

std::string TvlLinkWnd::VisibleText(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        bool mark = false;
        for (const char* tag : {"<a>", "</a>"}) {
            const std::size_t n = std::char_traits<char>::length(tag);
            if (i + n > text.size()) continue;
            bool same = true;
            for (std::size_t k = 0; k < n && same; ++k)
                same = std::tolower(static_cast<unsigned char>(text[i + k])) == tag[k];
            if (same) {
                i += n;
                mark = true;
                break;
            }
        }
        if (!mark) shown += text[i++];
    }
    return shown;
}

bool TvlLinkWnd::PaintContent(TBitmap32& cache) {
    const std::string text = VisibleText(caption_);
    if (text.empty()) return false;
    HFONT base = WindowFont(handle_);
    if (!underlined_ || underlinedFrom_ != base) {
        LOGFONTA font{};
        GetObjectA(base, sizeof(font), &font);
        font.lfUnderline = TRUE;
        underlined_.Reset(CreateFontIndirectA(&font));
        underlinedFrom_ = base;
    }
    HDC dc = Bitmap32DC(cache);
    SelectedObject selected(dc, underlined_.Get());
    SetBkMode(dc, TRANSPARENT);
    WriteSkinText(dc, &text, IsWindowEnabled(handle_) != FALSE, 0, *skinData_, DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP,
                  RECT{0, 0, width_ + 4, height_});
    GdiFlush();
    return true;
}

}  // namespace pakmole
