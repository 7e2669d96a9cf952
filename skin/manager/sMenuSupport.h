#pragma once
// Settings of skinned popup menus kept by the skin manager, and the place
// where the menu engine (which lives with the skinned controls) plugs in, so
// that applying and removing the skin reach it.
#include <cstdint>
#include <memory>
#include <string>

#include "ui/Object.h"

namespace pakmole {

class TFont;

// What the skin manager asks of the menu engine.
class TsMenuEngine {
public:
    virtual ~TsMenuEngine() = default;
    // Makes the application's popup menus owner-drawn by the engine, or
    // gives them back their own drawing.
    virtual void Activate(bool on) = 0;
    // Forgets every popup picture (the skin changed).
    virtual void ResetCache() = 0;
};

class TvlMenuSupport : public TPersistent {
public:
    TvlMenuSupport();
    ~TvlMenuSupport() override;
    std::string ClassName() const override { return "TvlMenuSupport"; }
    // Opacity of popup windows.
    uint8_t AlphaBlend = 255;
    // The skin section that paints the icon line of a menu; "ICOLINE" when
    // left empty once the manager has loaded.
    std::string IcoLineSkin;
    bool UseExtraLine = false;
    int ExtraLineWidth = 32;
    TFont& ExtraLineFont() { return *extraLineFont_; }

    void FillEmptyWithDefaults();

    // Set by the engine's first user; freed with the manager.
    std::unique_ptr<TsMenuEngine> Engine;

private:
    std::unique_ptr<TFont> extraLineFont_;
};

}  // namespace pakmole
