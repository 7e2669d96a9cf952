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
class TMenu;
class TsSkinManager;

// What the skin manager asks of the menu engine.
class TsMenuEngine {
public:
    virtual ~TsMenuEngine() = default;
    // Makes the application's popup menus owner-drawn by the engine, or
    // gives them back their own drawing.
    virtual void Activate(bool on) = 0;
    // Forgets every popup picture (the skin changed).
    virtual void ResetCache() = 0;
    // Gives the menu's items (recursively) the engine's handlers, or takes
    // exactly those away again.
    virtual void HookMenu(TMenu& menu, bool on) = 0;
};

// Makes the menu engine of a manager. The engine lives above the controls
// that ask for it (a control's popup menu on a right click), so it registers
// its maker here, below both, when its library is part of the program.
using TsMenuEngineMaker = std::unique_ptr<TsMenuEngine> (*)(TsSkinManager* manager);

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

    static void SetEngineMaker(TsMenuEngineMaker maker);
    // The engine of manager (whose menu support this is), made on first use
    // by the registered maker; null when no engine is registered.
    TsMenuEngine* EngineOf(TsSkinManager* manager);

private:
    std::unique_ptr<TFont> extraLineFont_;
};

}  // namespace pakmole
