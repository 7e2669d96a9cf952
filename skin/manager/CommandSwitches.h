#pragma once
// The command-line switches the skin engine reads for itself.
#include <optional>
#include <string>
#include <vector>

namespace pakmole {

// Any argument after the program, lower-cased, equals the switch ("/vltest", "/vlver").
bool HasSkinSwitch(const std::vector<std::string>& arguments, const std::string& lowerSwitch);

// The program's own arguments, without the program.
std::vector<std::string> ProgramArguments();
// A host that runs the engine on behalf of another command line (a test)
// puts those arguments in place of the real ones; nothing restores the real ones.
void OverrideProgramArguments(std::optional<std::vector<std::string>> arguments);

// The live preview link is offered only when the first argument is exactly "/vlpreview".
bool PreviewSwitchGiven(const std::vector<std::string>& arguments);

// "/vlver" anywhere: tells the engine's version ("Velour v8.40"). Answers whether it did.
bool ShowVersionOnSwitch(const std::vector<std::string>& arguments);

// Once per process, at the first skin manager: the start-up switches of the real command line.
void RunStartupSwitchesOnce();

}  // namespace pakmole
