#pragma once
// Records the skin commands that controls receive, in arrival order.
#include <string>
#include <vector>

#include "skin/manager/SkinCommands.h"
#include "ui/Control.h"

namespace pakmole::test {

struct ReceivedCommand {
    std::string Receiver;
    uint16_t Command;
    LPARAM Data;
    bool operator==(const ReceivedCommand&) const = default;
};

class CommandLog {
public:
    // Chains in front of the control; skinAware controls answer SKC_ISSKINNED
    // with 1. The questions themselves are not recorded.
    void Watch(TControl* control, const std::string& name, bool skinAware = false) {
        TWndMethod previous = control->WindowProc;
        control->WindowProc = [this, name, skinAware, previous](TMessage& m) {
            if (m.Msg == SKM_COMMAND) {
                const uint16_t command = SkinCommandCode(m.WParam);
                if (command == SKC_ISSKINNED) {
                    m.Result = skinAware ? 1 : 0;
                    return;
                }
                Received.push_back({name, command, m.LParam});
            }
            previous(m);
        };
    }

    // Only the receivers of one command, in order.
    std::vector<std::string> ReceiversOf(uint16_t command) const {
        std::vector<std::string> names;
        for (const auto& r : Received)
            if (r.Command == command) names.push_back(r.Receiver);
        return names;
    }
    std::vector<uint16_t> Commands() const {
        std::vector<uint16_t> codes;
        for (const auto& r : Received) codes.push_back(r.Command);
        return codes;
    }

    std::vector<ReceivedCommand> Received;
};

}  // namespace pakmole::test
