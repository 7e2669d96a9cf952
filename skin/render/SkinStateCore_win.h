#pragma once
// The part of a control's skin state that painting and text code read. The
// per-control skin state of the controls layer is built on it, so the text
// writers and the background searches below the controls layer can work with
// any skinned control's state.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/data/Bitmap32.h"

namespace pakmole {

class TControl;
class TsSkinManager;

class TsSkinStateCore {
public:
    TsSkinStateCore() = default;
    TsSkinStateCore(const TsSkinStateCore&) = delete;
    TsSkinStateCore& operator=(const TsSkinStateCore&) = delete;
    virtual ~TsSkinStateCore() = default;

    // SkinManager when set, else the default manager.
    virtual TsSkinManager* ManagerInEffect() const = 0;
    // A section name, a live manager, a valid section index and an owner that
    // is not on its way out; requireActive also asks for an active manager.
    virtual bool Skinned(bool requireActive = false) const = 0;
    // The window the control paints in: its own, the adapted raw window, or
    // the provider's form; null while there is none.
    virtual HWND OwnerWindow() const { return nullptr; }
    virtual bool OwnerEnabled() const { return true; }
    // The owner is on its way out: timers and glows must let go of it.
    virtual bool OwnerDestroying() const { return false; }

    int32_t SectionIndex = -1;
    int32_t FrameMaskIndex = -1;
    int32_t TextureIndex = -1;
    int32_t HotTextureIndex = -1;
    bool CustomColor = false;
    bool CustomFont = false;
    int32_t HUEOffset = 0;
    int32_t Saturation = 0;
    TControl* Control = nullptr;
    int32_t ControlKind = 0;
    std::unique_ptr<TBitmap32> CacheBitmap;
    // The cache must be rebuilt before the next paint.
    bool BackgroundStale = true;
    // The glow window shown for the control (-1: none).
    int32_t GlowHandle = -1;
};

}  // namespace pakmole
