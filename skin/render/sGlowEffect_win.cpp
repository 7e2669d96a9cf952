#include "skin/render/sGlowEffect_win.h"

#include <vector>

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinEffects.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/GlowPlacement.h"
#include "skin/render/MaskPainter.h"
#include "skin/render/PixelCopy.h"
#include "ui/GdiHandles.h"
#include "ui/WindowClasses.h"

namespace pakmole {
namespace {

const char* const kGlowClass = "TvlGlowWindow";
constexpr DWORD kGlowExStyle = 0x080800A0;  // layered, transparent, tool window, no activate

std::vector<std::unique_ptr<TvlGlowEffect>>& Glows() {
    static std::vector<std::unique_ptr<TvlGlowEffect>> glows;
    return glows;
}

LRESULT CALLBACK GlowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The glow lies over the control: the mouse must reach the control under it.
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return DefWindowProcA(window, msg, wParam, lParam);
}

HWND CreateGlowWindow(HWND controlWindow) {
    RegisterControlClass(kGlowClass, "", 0, GlowProcedure);
    // Owned by the control's top-level window, so it stays above it and goes with it.
    HWND root = controlWindow ? GetAncestor(controlWindow, GA_ROOT) : nullptr;
    return CreateWindowExA(kGlowExStyle, kGlowClass, "", WS_POPUP, 0, 0, 0, 0, root, nullptr, ModuleInstance(),
                           nullptr);
}

// UpdateLayeredWindow takes colours multiplied by their alpha.
void Premultiply(TBitmap32& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const uint32_t p = row[x], a = p >> 24;
            const uint32_t b = (p & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, r = ((p >> 16) & 0xFF) * a / 255;
            row[x] = b | (g << 8) | (r << 16) | (a << 24);
        }
    }
}

TRect32 ToRect32(const RECT& r) { return TRect32{r.left, r.top, r.right, r.bottom}; }

}  // namespace

TvlGlowEffect::~TvlGlowEffect() {
    if (Wnd) DestroyWindow(Wnd);
}

int32_t ShowGlow(const RECT& controlRect, const RECT& visibleRect, const std::string& sectionName,
                 TsSkinManager* manager, HWND controlWindow, int state, int32_t margin, const std::string& glowKey) {
    (void)state;  // the glow mask is always painted in its first state
    if (!manager || !LayeredWindowsAvailable()) return -1;
    const int sectionIndex = manager->FindSection(sectionName);
    const int maskIndex = manager->FindMask(sectionIndex, sectionName, glowKey + "0");
    if (!manager->IsValidMask(maskIndex)) return -1;
    const TsMaskData& mask = manager->Model().Masks[static_cast<std::size_t>(maskIndex)];
    // A record whose picture could not be read has nothing to show.
    if (!MaskSourceBitmap(mask) || mask.StateWidth() <= 0 || mask.StateHeight() <= 0) return -1;
    const TGlowPlacement place = PlaceGlow(ToRect32(controlRect), ToRect32(visibleRect), mask, margin);
    if (place.Shown.Width() <= 0 || place.Shown.Height() <= 0) return -1;

    TBitmap32 full(place.FullWidth, place.FullHeight, 0);
    PaintFrameMask(full, TRect32{0, 0, place.FullWidth, place.FullHeight}, 0, mask, false, TBgSource{});
    TBitmap32 shown(place.Shown.Width(), place.Shown.Height(), 0);
    CopyPixels(shown, 0, 0, shown.Width(), shown.Height(), full, place.Shown.Left, place.Shown.Top);
    Premultiply(shown);

    auto effect = std::make_unique<TvlGlowEffect>();
    effect->SkinManager = manager;
    effect->MaskIndex = maskIndex;
    effect->Margin = margin;
    effect->Wnd = CreateGlowWindow(controlWindow);
    if (!effect->Wnd) return -1;
    HWND insertAfter = HWND_TOP;
    if (controlWindow && (GetWindowLongA(GetAncestor(controlWindow, GA_ROOT), GWL_EXSTYLE) & WS_EX_TOPMOST))
        insertAfter = HWND_TOPMOST;
    SetWindowPos(effect->Wnd, insertAfter, place.Left, place.Top, shown.Width(), shown.Height(), SWP_NOACTIVATE);

    WindowDC screen(nullptr);
    POINT at{place.Left, place.Top}, origin{0, 0};
    SIZE size{shown.Width(), shown.Height()};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(effect->Wnd, screen.Get(), &at, &size, Bitmap32DC(shown), &origin, 0, &blend, ULW_ALPHA);
    ShowWindow(effect->Wnd, SW_SHOWNOACTIVATE);

    auto& glows = Glows();
    glows.push_back(std::move(effect));
    return static_cast<int32_t>(glows.size() - 1);
}

void HideGlow(int32_t& handle) {
    auto& glows = Glows();
    if (handle < 0 || static_cast<std::size_t>(handle) >= glows.size() || !glows[static_cast<std::size_t>(handle)]) {
        handle = -1;
        return;
    }
    glows[static_cast<std::size_t>(handle)].reset();
    // Trailing empty slots go, so the list does not grow with every hover.
    while (!glows.empty() && !glows.back()) glows.pop_back();
    handle = -1;
}

HWND GlowWindow(int32_t handle) {
    const auto& glows = Glows();
    if (handle < 0 || static_cast<std::size_t>(handle) >= glows.size() || !glows[static_cast<std::size_t>(handle)])
        return nullptr;
    return glows[static_cast<std::size_t>(handle)]->Wnd;
}

}  // namespace pakmole
