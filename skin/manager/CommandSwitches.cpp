#include "skin/manager/CommandSwitches.h"

#include "skin/data/TextCase.h"
#include "skin/manager/SkinMessages.h"
#include "ui/CommandLine.h"

namespace pakmole {

bool HasSkinSwitch(const std::vector<std::string>& arguments, const std::string& lowerSwitch) {
    for (const std::string& argument : arguments)
        if (SameTextIgnoringCase(argument, lowerSwitch)) return true;
    return false;
}

namespace {
std::optional<std::vector<std::string>>& Overridden() {
    static std::optional<std::vector<std::string>> arguments;
    return arguments;
}
}  // namespace

void OverrideProgramArguments(std::optional<std::vector<std::string>> arguments) {
    Overridden() = std::move(arguments);
}

std::vector<std::string> ProgramArguments() {
    if (Overridden()) return *Overridden();
    std::vector<std::string> arguments;
    for (int i = 1; i <= ParamCount(); ++i) arguments.push_back(ParamStr(i));
    return arguments;
}

bool PreviewSwitchGiven(const std::vector<std::string>& arguments) {
    return !arguments.empty() && arguments.front() == "/vlpreview";
}

bool ShowVersionOnSwitch(const std::vector<std::string>& arguments) {
    if (!HasSkinSwitch(arguments, "/vlver")) return false;
    ShowSkinMessage(TsSkinMessageKind::smInformation, "Velour v8.40");
    return true;
}

void RunStartupSwitchesOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    ShowVersionOnSwitch(ProgramArguments());
}

}  // namespace pakmole
