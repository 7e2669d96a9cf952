#pragma once
// TsSkinableMenus: the skin manager's menu engine. It makes popup menus
// owner-drawn, measures their items and paints them from the skin: the
// popup's picture ("MAINMENU" background and frame, the icon strip, the extra
// line) kept per open popup, each item ("MENUITEM" hot or not, separators,
// titles, check marks, system glyphs, captions with shortcuts) over it, and
// the popup window's frame and corners through an adapter on the window
// (TvlMnuWnd), given to each popup window as the window-creation hook sees
// it made. Split by concern: handlers and the hook (sSkinableMenus.cpp),
// the pictures (sSkinableMenus_paint.cpp).
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/controls/menus/sSkinableMenusLayout.h"
#include "skin/data/Bitmap32.h"
#include "skin/manager/sMenuSupport.h"
#include "skin/render/MaskPainter.h"
#include "ui/Font.h"
#include "ui/Menu.h"

namespace pakmole {

class TsSkinManager;
class TvlMnuWnd;

// After an item's picture is composed, before it reaches the screen.
using TsMenuManagerDrawItemEvent = std::function<void(TMenuItem* item, HDC dc, TsMenuItemKind kind,
                                                      TOwnerDrawState state, const RECT& rect)>;

class TsSkinableMenus : public TsMenuEngine {
public:
    explicit TsSkinableMenus(TsSkinManager* manager);
    ~TsSkinableMenus() override;
    TsSkinableMenus(const TsSkinableMenus&) = delete;
    TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

    // The engine of the manager, made on first use.
    static TsSkinableMenus* Of(TsSkinManager* manager);

    TAlignment Alignment = TAlignment::taLeftJustify;
    int BevelWidth = 0;
    int BorderWidth = 3;
    TFont CaptionFont;
    int Margin = 2;
    int Spacing = 8;
    TsMenuManagerDrawItemEvent OnDrawItem;
    // The skin's own menu frame width (read once per skin).
    int SkinBorderWidth();

    // TsMenuEngine
    void Activate(bool on) override;
    void ResetCache() override;

    // Gives the menu's items (recursively) the engine's handlers, or takes
    // exactly those away again; an item's own handlers are left alone.
    void HookMenu(TMenu& menu, bool on) override;
    bool Active() const { return active_; }

    // The handlers put on the items.
    void MeasureItem(TMenuItem& item, HDC dc, int& width, int& height);
    void PaintItem(TMenuItem& item, HDC dc, const RECT& rect, TOwnerDrawState state);

    // The picture of the popup in window, built at the window's size when
    // missing (null when the window has no size).
    const TBitmap32* PopupPicture(HWND window, TMenuItem* firstItem);
    // Forgets the picture of every popup (a popup window went).
    static void ClearPictures();
    // The popup windows the engine adapts now.
    static std::vector<TvlMnuWnd*>& Adapters();
    // Frees the adapters whose windows are gone, but keep (still running its
    // own handler: it goes with the next popup or with the engine).
    static void FreeGoneAdapters(const TvlMnuWnd* keep);
    // Raised when an item is measured, lowered when a popup window goes.
    static bool& MenuFlag();

    TsSkinManager* Manager() const { return manager_; }
    TsMenuMetrics Metrics() const { return TsMenuMetrics{Margin, Spacing, BorderWidth}; }

private:
    struct Measurer;
    struct Painter;
    void HookItems(TMenuItem& parent, bool on);
    void OnWindowCreating(HWND window, const CREATESTRUCTA& create);

    // Painting (sSkinableMenus_paint.cpp).
    void BuildPicture(TBitmap32& picture, HWND owner, TMenuItem* firstItem);
    void CopyFrameBands(HWND window, const TBitmap32& picture, const TRect32& itemRect, bool firstItem, bool lastItem,
                        int extraLine);
    void PaintSeparator(TBitmap32& target, const TBitmap32& picture, TPoint32 at, int extraLine, int strip);
    void PaintTitle(TBitmap32& target, const std::string& caption);
    void PaintNormal(TBitmap32& target, const TBitmap32& picture, TPoint32 at, TMenuItem& item,
                     TOwnerDrawState state);
    TsGlyphSize GlyphSizeOf(const TMenuItem& item) const;
    int ExtraLineOf(TMenuItem* firstItem) const;

    TsSkinManager* manager_;
    bool active_ = false;
    int skinBorderWidth_ = -1;
    int hookHandler_ = 0;
};

}  // namespace pakmole
