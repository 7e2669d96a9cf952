#pragma once
// A windowed control that carries a per-control skin state the way skin-aware
// controls do: skin commands go to the state first, every other message is
// seen by the state and then handled as usual. It records the skin commands
// it receives.
#include <vector>

#include "skin/controls/state/sCommonData.h"
#include "skin/manager/SkinCommands.h"
#include "ui/WinControl.h"

namespace pakmole::test {

class SkinnedBox : public TWinControl {
public:
    explicit SkinnedBox(TComponent* owner, int32_t kind = ckPanel) : TWinControl(owner), SkinData(this, true) {
        SkinData.ControlKind = kind;
    }
    std::string ClassName() const override { return "TSkinnedBox"; }
    void WndProc(TMessage& m) override {
        if (m.Msg == SKM_COMMAND) {
            Commands.push_back({SkinCommandCode(m.WParam), m.LParam});
            if (SkinData.HandleSkinCommand(m)) return;
        } else {
            SkinData.HandleControlMessage(m);
        }
        TWinControl::WndProc(m);
    }
    bool Received(uint16_t command) const {
        for (const auto& c : Commands)
            if (c.Code == command) return true;
        return false;
    }

    struct Command {
        uint16_t Code;
        LPARAM LParam;
    };
    TsCtrlSkinData SkinData;
    std::vector<Command> Commands;
};

}  // namespace pakmole::test
