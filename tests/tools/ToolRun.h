#pragma once
// Runs a built tool with arguments and answers its exit code.
#include <cstdlib>
#include <string>
#include <vector>

namespace pakmole::test {

inline std::string Quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

inline int RunTool(const std::string& tool, const std::vector<std::string>& args) {
    std::string command = Quoted(tool);
    for (const auto& a : args) command += " " + Quoted(a);
    command += " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace pakmole::test
