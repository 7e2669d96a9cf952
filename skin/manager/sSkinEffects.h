#pragma once
// Animation and glow settings of a skin manager, with their stored defaults.
#include <cstdint>

#include "ui/Object.h"

namespace pakmole {

enum class TvlAnimType { atFading, atAero };

class TvlFormAnimation : public TPersistent {
public:
    std::string ClassName() const override { return "TvlFormAnimation"; }
    bool Active = true;
    uint16_t Time = 0;  // milliseconds
};

class TvlModedAnimation : public TvlFormAnimation {
public:
    explicit TvlModedAnimation(TvlAnimType mode) : Mode(mode) {}
    TvlAnimType Mode;
};

enum TvlButtonEvent : unsigned { beMouseEnter = 1u << 0, beMouseLeave = 1u << 1, beMouseDown = 1u << 2, beMouseUp = 1u << 3 };
using TvlButtonEvents = unsigned;

class TvlBtnEffects : public TvlFormAnimation {
public:
    std::string ClassName() const override { return "TvlBtnEffects"; }
    TvlButtonEvents Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

class TvlDialogShow : public TvlModedAnimation {
public:
    TvlDialogShow() : TvlModedAnimation(TvlAnimType::atAero) {}
    std::string ClassName() const override { return "TvlDialogShow"; }
};

class TvlFormShow : public TvlModedAnimation {
public:
    TvlFormShow() : TvlModedAnimation(TvlAnimType::atAero) {}
    std::string ClassName() const override { return "TvlFormShow"; }
};

class TvlFormHide : public TvlModedAnimation {
public:
    TvlFormHide() : TvlModedAnimation(TvlAnimType::atAero) {}
    std::string ClassName() const override { return "TvlFormHide"; }
};

class TvlMinimizing : public TvlFormAnimation {
public:
    TvlMinimizing() { Time = 200; }
    std::string ClassName() const override { return "TvlMinimizing"; }
};

class TvlPageChange : public TvlFormAnimation {
public:
    std::string ClassName() const override { return "TvlPageChange"; }
};

class TvlSkinChanging : public TvlModedAnimation {
public:
    TvlSkinChanging() : TvlModedAnimation(TvlAnimType::atFading) { Time = 100; }
    std::string ClassName() const override { return "TvlSkinChanging"; }
};

class TvlBlendOnMoving : public TvlFormAnimation {
public:
    TvlBlendOnMoving() {
        Active = false;
        Time = 1000;
    }
    std::string ClassName() const override { return "TvlBlendOnMoving"; }
    uint8_t BlendValue = 170;
};

class TvlAnimEffects : public TPersistent {
public:
    std::string ClassName() const override { return "TvlAnimEffects"; }
    TvlBtnEffects Buttons;
    TvlDialogShow DialogShow;
    TvlFormShow FormShow;
    TvlFormHide FormHide;
    TvlFormHide DialogHide;
    TvlMinimizing Minimizing;
    TvlPageChange PageChange;
    TvlSkinChanging SkinChanging;
    TvlBlendOnMoving BlendOnMoving;
};

class TvlSkinEffects : public TPersistent {
public:
    explicit TvlSkinEffects(bool designing = false) : designing_(designing) {}
    std::string ClassName() const override { return "TvlSkinEffects"; }

    // Glow needs layered windows (the designer shows it anyway) and yields
    // to the process-wide switch.
    bool AllowGlowing() const;
    void SetAllowGlowing(bool on) { allowGlowing_ = on; }
    bool StoredAllowGlowing() const { return allowGlowing_; }
    bool AllowAeroBluring = true;

private:
    bool allowGlowing_ = true;
    bool designing_;
};

// UpdateLayeredWindow is present in the system (looked up once).
bool LayeredWindowsAvailable();
// The process-wide glow switch; on unless turned off.
bool GlowSwitchedOn();
void SetGlowSwitch(bool on);

}  // namespace pakmole
