#include "skin/controls/menus/sSkinableMenus.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "skin/controls/menus/vlMnuWnd.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/DialogHook.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/PixelCopy.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/GdiHandles.h"

namespace pakmole {

// The engine's handlers are recognisable on an item, so that switching off
// takes away exactly these and never a handler of the item's own.
struct TsSkinableMenus::Measurer {
    TsSkinableMenus* Engine;
    void operator()(TObject* sender, HDC dc, int& width, int& height) const {
        Engine->MeasureItem(*static_cast<TMenuItem*>(sender), dc, width, height);
    }
};

struct TsSkinableMenus::Painter {
    TsSkinableMenus* Engine;
    void operator()(TObject* sender, HDC dc, const RECT& rect, TOwnerDrawState state) const {
        Engine->PaintItem(*static_cast<TMenuItem*>(sender), dc, rect, state);
    }
};

TsSkinableMenus::TsSkinableMenus(TsSkinManager* manager) : manager_(manager) {
    // Popup windows get their adapter as they are made.
    hookHandler_ = TsDialogHook::AddWindowCreatingHandler(
        [this](HWND window, const CREATESTRUCTA& create) { OnWindowCreating(window, create); });
}

TsSkinableMenus::~TsSkinableMenus() {
    TsDialogHook::RemoveWindowCreatingHandler(hookHandler_);
    ClearPictures();
    for (TvlMnuWnd* adapter : std::exchange(Adapters(), {})) delete adapter;
}

namespace {

std::unique_ptr<TsMenuEngine> MakeEngine(TsSkinManager* manager) {
    auto engine = std::make_unique<TsSkinableMenus>(manager);
    // Made after the skin was applied: it starts where applying would have put it.
    if (manager->SkinApplied()) engine->Activate(manager->SkinnedPopups());
    return engine;
}

// Whatever part of the program links the engine makes it reachable from the
// controls' right clicks.
[[maybe_unused]] const bool engineRegistered = (TvlMenuSupport::SetEngineMaker(&MakeEngine), true);

}  // namespace

TsSkinableMenus* TsSkinableMenus::Of(TsSkinManager* manager) {
    if (!manager) return nullptr;
    auto& engine = manager->MenuSupport().Engine;
    if (!engine) engine = MakeEngine(manager);
    return static_cast<TsSkinableMenus*>(engine.get());
}

std::vector<TvlMnuWnd*>& TsSkinableMenus::Adapters() {
    static std::vector<TvlMnuWnd*> adapters;
    return adapters;
}

bool& TsSkinableMenus::MenuFlag() {
    static bool flag = false;
    return flag;
}

int TsSkinableMenus::SkinBorderWidth() {
    if (skinBorderWidth_ < 0) {
        const TsSkinModel& model = manager_->Model();
        const int section = model.FindSection("MAINMENU");
        const int mask = model.FindMask(section, "MAINMENU", "BORDERSMASK");
        skinBorderWidth_ = MenuSkinBorderWidth(
            model.IsValidMask(mask), model.IsValidMask(mask) ? model.Masks[static_cast<std::size_t>(mask)].DefaultMargin : 0);
    }
    return skinBorderWidth_;
}

void TsSkinableMenus::ResetCache() {
    ClearPictures();
    skinBorderWidth_ = -1;
}

void TsSkinableMenus::Activate(bool on) {
    active_ = on;
    TApplication* app = Application();
    if (!app) return;
    std::vector<TComponent*> pending{app};
    while (!pending.empty()) {
        TComponent* component = pending.back();
        pending.pop_back();
        if (auto* popup = dynamic_cast<TPopupMenu*>(component)) HookMenu(*popup, on);
        for (int i = 0; i < component->ComponentCount(); ++i) pending.push_back(component->Components(i));
    }
}

void TsSkinableMenus::HookMenu(TMenu& menu, bool on) {
    const bool skin = on && manager_->SkinnedPopups();
    if (dynamic_cast<TPopupMenu*>(&menu)) menu.SetOwnerDraw(skin);
    HookItems(menu.Items(), skin);
}

void TsSkinableMenus::HookItems(TMenuItem& parent, bool on) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = *parent.Items(i);
        if (on) {
            if (!item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = Painter{this};
            if (!item.OnMeasureItem) item.OnMeasureItem = Measurer{this};
        } else {
            if (item.OnAdvancedDrawItem.target<Painter>()) item.OnAdvancedDrawItem = nullptr;
            if (item.OnMeasureItem.target<Measurer>()) item.OnMeasureItem = nullptr;
        }
        HookItems(item, on);
    }
}

TsGlyphSize TsSkinableMenus::GlyphSizeOf(const TMenuItem& item) const {
    TsGlyphSize own;
    if (item.Bitmap) {
        BITMAP info{};
        if (GetObjectA(item.Bitmap, sizeof(info), &info)) own = TsGlyphSize{info.bmWidth, std::abs(info.bmHeight)};
    }
    TsGlyphSize menuImages;
    if (const TMenu* menu = item.GetParentMenu()) menuImages = TsGlyphSize{menu->ImagesWidth, menu->ImagesHeight};
    // Sub-menus carry no image lists of their own here.
    return MenuGlyphSize(own, TsGlyphSize{}, menuImages);
}

int TsSkinableMenus::ExtraLineOf(TMenuItem* firstItem) const {
    const TvlMenuSupport& support = manager_->MenuSupport();
    if (!support.UseExtraLine || !firstItem || firstItem->Name() == "SkinSelectItem") return 0;
    bool use = true;
    if (manager_->OnGetMenuExtraLineData) {
        std::string section = "EXTRALINE", text = "Use OnGetExtraLineData event";
        manager_->OnGetMenuExtraLineData(manager_, firstItem, section, text, use);
    }
    return use ? support.ExtraLineWidth : 0;
}

namespace {

TMenuItem* FirstVisible(const TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i)
        if (parent.Items(i)->Visible) return parent.Items(i);
    return nullptr;
}

TMenuItem* LastVisible(const TMenuItem& parent) {
    for (int i = parent.Count() - 1; i >= 0; --i)
        if (parent.Items(i)->Visible) return parent.Items(i);
    return nullptr;
}

// A column break at or before the item within its popup.
bool BreakBefore(const TMenuItem& item) {
    const TMenuItem* parent = item.Parent();
    if (!parent) return false;
    for (int i = 0; i < parent->Count(); ++i) {
        const TMenuItem* other = parent->Items(i);
        if (other->Visible && other->Break != TMenuBreak::mbNone) return true;
        if (other == &item) break;
    }
    return false;
}

}  // namespace

void TsSkinableMenus::MeasureItem(TMenuItem& item, HDC dc, int& width, int& height) {
    MenuFlag() = true;
    const TsMenuItemKind kind = MenuItemKindOf(item.Caption);
    const TsMenuMetrics metrics = Metrics();
    const TsGlyphSize glyph = GlyphSizeOf(item);
    FontHandle bold;
    if (item.Default) {
        LOGFONTA font{};
        GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
        font.lfWeight = FW_BOLD;
        bold.Reset(CreateFontIndirectA(&font));
    }
    SelectedObject selected(dc, bold ? static_cast<HGDIOBJ>(bold.Get()) : GetCurrentObject(dc, OBJ_FONT));
    const std::string text = MenuMeasuredText(kind, item.Caption, item.ShortCut ? ShortCutToText(item.ShortCut) : "");
    RECT r{0, 0, 800, 0};
    if (!text.empty())
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP);
    else
        r = RECT{0, 0, 0, 0};
    const int extra = item.Parent() && !BreakBefore(item) ? ExtraLineOf(FirstVisible(*item.Parent())) : 0;
    height = MenuItemHeight(kind, r.bottom - r.top, glyph.Height, metrics);
    width = MenuItemWidth(kind, r.right - r.left, glyph.Width, extra, metrics);
}

const TBitmap32* TsSkinableMenus::PopupPicture(HWND window, TMenuItem* firstItem) {
    RECT bounds;
    if (!window || !GetWindowRect(window, &bounds)) return nullptr;
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return nullptr;
    TvlMnuWnd* adapter = TvlMnuWnd::ForWindow(window);
    if (!adapter) return nullptr;
    TBitmap32& picture = adapter->Picture();
    if (picture.Width() != width || picture.Height() != height || adapter->PictureItem() != firstItem) {
        picture.SetSize(width, height);
        BuildPicture(picture, GetWindow(window, GW_OWNER), firstItem);
        adapter->PictureBuilt(firstItem);
    }
    return &picture;
}

void TsSkinableMenus::FreeGoneAdapters(const TvlMnuWnd* keep) {
    auto& adapters = Adapters();
    for (auto it = adapters.begin(); it != adapters.end();) {
        if (*it != keep && (*it)->Destroyed()) {
            delete *it;
            it = adapters.erase(it);
        } else {
            ++it;
        }
    }
}

void TsSkinableMenus::ClearPictures() {
    for (TvlMnuWnd* adapter : Adapters()) adapter->ForgetPicture();
}

void TsSkinableMenus::OnWindowCreating(HWND window, const CREATESTRUCTA& create) {
    FreeGoneAdapters(nullptr);
    if (reinterpret_cast<ULONG_PTR>(create.lpszClass) != 32768) return;
    if (!manager_->SkinnedPopups() || !manager_->SkinApplied() || TvlMainWnd::FromWindow(window)) return;
    auto adapter = std::make_unique<TvlMnuWnd>(window, this);
    adapter->Start();
    Adapters().push_back(adapter.release());
}

void TsSkinableMenus::PaintItem(TMenuItem& item, HDC dc, const RECT& rect, TOwnerDrawState state) {
    if (!active_ || !manager_->SkinApplied() || rect.right <= rect.left || rect.bottom <= rect.top) return;
    TMenuItem* parent = item.Parent();
    TMenuItem* first = parent ? FirstVisible(*parent) : &item;
    // The popup's window: from the canvas, else the newest popup the hook saw.
    HWND window = WindowFromDC(dc);
    if (!TvlMnuWnd::ForWindow(window)) {
        window = nullptr;
        for (auto it = Adapters().rbegin(); it != Adapters().rend() && !window; ++it)
            if (!(*it)->Destroyed() && IsWindowVisible((*it)->Handle())) window = (*it)->Handle();
    }
    POINT origin{0, 0};
    TBitmap32 fallback;
    const TBitmap32* picture = PopupPicture(window, first);
    if (picture) {
        RECT bounds;
        GetWindowRect(window, &bounds);
        ClientToScreen(window, &origin);
        origin.x -= bounds.left;
        origin.y -= bounds.top;
    } else {
        // No window to go by: a picture big enough for this item alone.
        fallback.SetSize(rect.right + BorderWidth, rect.bottom + BorderWidth);
        BuildPicture(fallback, nullptr, first);
        picture = &fallback;
    }
    const int extra = ExtraLineOf(first);
    const TRect32 itemRect{rect.left + origin.x, rect.top + origin.y, rect.right + origin.x, rect.bottom + origin.y};
    if (window) CopyFrameBands(window, *picture, itemRect, &item == first, parent && &item == LastVisible(*parent), extra);

    const TsMenuItemKind kind = MenuItemKindOf(item.Caption);
    const int width = rect.right - rect.left - (kind == mkNormal ? extra : 0), height = rect.bottom - rect.top;
    if (width <= 0) return;
    const TPoint32 at{itemRect.Left + (kind == mkNormal ? extra : 0), itemRect.Top};
    TBitmap32 look(width, height);
    CopyPixels(look, 0, 0, width, height, *picture, at.X, at.Y);
    const int strip = MenuGlyphStripWidth(GlyphSizeOf(*first).Width, Metrics());
    switch (kind) {
    case mkSeparator: PaintSeparator(look, *picture, at, extra, strip); break;
    case mkTitle: PaintTitle(look, item.Caption); break;
    case mkNormal: PaintNormal(look, *picture, at, item, state); break;
    }
    if (OnDrawItem) {
        const RECT local{0, 0, width, height};
        OnDrawItem(&item, Bitmap32DC(look), kind, state, local);
        GdiFlush();
    }
    if (kind == mkNormal && !item.Enabled) PaintDisabledBlended(look, BgSourceOfBitmap(picture, 0, 0), at, 0);
    BitBlt(dc, rect.left + (kind == mkNormal ? extra : 0), rect.top, width, height, Bitmap32DC(look), 0, 0, SRCCOPY);
    if (&item == first && extra > 0 && window) {
        const int sbw = SkinBorderWidth();
        FrameDC frame(window);
        BitBlt(frame.Get(), sbw, sbw, extra, picture->Height() - 2 * sbw, Bitmap32DC(*picture), sbw, sbw, SRCCOPY);
    }
}

}  // namespace pakmole
