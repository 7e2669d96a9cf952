#pragma once
// The per-control skin state: ties a control (or a window adapter, or a form
// provider) to a skin section, keeps its cached background picture and the
// flags that say when to rebuild it, and answers the engine's SKM_COMMAND
// for the control. Split by concern: properties and updates (sCommonData.cpp),
// commands (sCommonData_commands.cpp), window messages
// (sCommonData_messages.cpp), backgrounds and the cache (sCommonData_paint.cpp).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "skin/render/BgQuery_win.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/SkinStateCore_win.h"
#include "ui/Component.h"
#include "ui/Message.h"

namespace pakmole {

class TWinControl;

// Kinds of owners, for the behaviour that depends on them. The edit family
// and the engine's own owners have fixed codes; the label-like kinds 32, 33
// and 74 are declared with the text writers.
enum TsControlKind : int32_t {
    ckPlain = 0,
    ckButton = 2,
    ckEdit = 3,            // TsMaskEdit; every edit kind takes the section's colours, hot colour on focus
    ckFileDirEdit = 132,
    ckFilenameEdit = 133,
    ckDirectoryEdit = 134,
    ckComboEdit = 138,
    ckFormProvider = 224,
    ckAdapterItem = 230,   // the skin state of a control registry item
    ckEditAdapter = 231,
    // This program's own kinds, above the numbered ones.
    ckPanel = 240,         // containers whose flat-background state matters to children
    ckScrolling = 241,
    ckContainer = 242,
    ckNoHotTrack = 243,    // never enters the hot state
};

// Edit-like owners: the edit family and the edit adapter.
constexpr bool IsEditKind(int32_t kind) {
    return kind == ckEdit || kind == ckComboEdit || (kind >= ckFileDirEdit && kind <= ckDirectoryEdit) ||
           kind == ckEditAdapter;
}

// StateBits.
constexpr uint16_t sbFlatBg = 0x0001;
constexpr uint16_t sbNotComputed = 0x0002;
constexpr uint16_t sbPrinting = 0x0200;
constexpr uint16_t sbProviderRepaint = 0x0400;
constexpr uint16_t sbUpdating = 0x0800;

// BgVaries.
constexpr uint16_t bvAlongX = 1;
constexpr uint16_t bvAlongY = 2;
constexpr uint16_t bvTexture = 4;

class TsCommonData : public TPersistent, public TsSkinStateCore {
public:
    // createCache: the owner paints through a cache bitmap (made empty here).
    TsCommonData(TComponent* owner, bool createCache);
    ~TsCommonData() override;
    std::string ClassName() const override { return "TsCommonData"; }

    // --- published ---
    const std::string& SkinSection() const { return skinSection_; }
    // Stored upper-cased; an empty value stores "UNKNOWN".
    void SetSkinSection(const std::string& value);
    // None means the default manager; assigning the default manager stores none.
    TsSkinManager* SkinManager() const { return skinManager_; }
    void SetSkinManager(TsSkinManager* manager);

    // --- state ---
    int32_t UpdateDepth = 0;
    bool PaintSuspended = false;
    bool UrgentPaint = false;
    bool PartlyVisible = true;
    TComponent* Owner = nullptr;
    bool HasFocus = false;
    bool MouseOver = false;
    uint16_t StateBits = sbNotComputed;
    uint16_t BgVaries = 0;
    HDC PrintTarget = nullptr;
    // Set by a form provider that owns this state: the form it serves.
    TWinControl* ProviderForm = nullptr;
    // Set by that provider: whether it paints the form's frame itself
    // (DrawNonClientArea); adapters on such a form keep the platform's
    // visual style when it does not.
    bool ProviderDrawsFrame = true;
    // Set by a form provider while its form is drawn with a separate border
    // window (extended borders): the form's own surface then no longer shows
    // a plain colour up to its edges.
    HWND BorderWindow = nullptr;
    // Set by a window adapter: the window it serves, which may have no component.
    HWND Window = nullptr;
    // Window adapters compose their cache with the corners blended into the
    // parent's picture, and add their border width to the background offsets
    // they give their children.
    bool CornerBlend = false;
    int32_t BorderWidth = 0;

    TsSkinManager* ManagerInEffect() const override;
    bool Skinned(bool requireActive = false) const override;
    HWND OwnerWindow() const override;
    bool OwnerEnabled() const override;
    bool OwnerDestroying() const override;
    // The size of what the state paints: the control's, else the window's.
    int OwnerWidth() const;
    int OwnerHeight() const;

    bool FlatBg() const { return (StateBits & sbFlatBg) != 0; }
    // The section record of the resolved section; only while skinned.
    const TsGeneralData& Section() const;
    // 0 normal, 1 hot (focus or mouse), clamped to the section's states.
    int PaintState() const;

    void UpdateIndexes();
    // Recomputes the FlatBg bit for the owners whose children ask for it.
    void UpdateFlatBg();
    void BeginUpdate();
    void EndUpdate(bool repaint);
    void Invalidate(bool full = false);
    bool IsUpdating() const;
    bool CheckUpdating(bool reset);
    bool DependsOnParent() const;
    // The answer to SKC_ISPATTERNEDBG.
    int PatternedBg() const;

    void GetBgInfo(TBgQuery& query, int state);
    // The colour shown behind the children (platform colour).
    int32_t GetBgColor() const;
    // What the pixel painter reads of this state.
    TsControlPaintData PaintData() const;

    // Rebuilds the cache when the background is stale: parent background,
    // the control paint for state, then content (text and glyphs drawn by the
    // owner, which is also told what lies behind the control), then the
    // disabled look of the kind the owner answers to SKC_GETDISABLEDKIND.
    // False when nothing could be painted (not skinned, no cache, or the
    // parent's picture is not ready).
    using TCacheContent = std::function<void(TBitmap32& cache, const TBgSource& parentBg)>;
    bool BuildCache(int state, const TCacheContent& content = {});

    // SKM_COMMAND: answers in message.Result; false when the command is not one of ours.
    bool HandleSkinCommand(TMessage& message);
    // The reactions to the owner's window messages and notifications.
    void HandleControlMessage(TMessage& message);
    // The section's colours onto an edit-like owner, unless custom.
    void UpdateSkinColors(bool repaint);

protected:
    bool OwnerPlaced() const;
    bool Designing() const;
    int32_t ParentBgColor(TControl* parent) const;
    int32_t Adjusted(int32_t color) const;
    void RedrawOwner(UINT flags);

private:
    int ComputeFlatBg() const;
    void FillBgInfo(TBgQuery& query, int state);
    void ComputeBgVaries();
    void ApplyOrRemove(LPARAM manager);

    std::string skinSection_;
    TsSkinManager* skinManager_ = nullptr;
};

// The state that skin-aware controls publish as their SkinData property.
class TsCtrlSkinData : public TsCommonData {
public:
    using TsCommonData::TsCommonData;
    std::string ClassName() const override { return "TsCtrlSkinData"; }

    int32_t HueOffsetValue() const { return HUEOffset; }
    void SetHUEOffset(int32_t degrees);
    int32_t SaturationValue() const { return Saturation; }
    void SetSaturation(int32_t percent);
};

}  // namespace pakmole
