#pragma once
// The program's arguments the way the platform's programs read them:
// separated by blanks, double quotes group blanks and are removed.
#include <string>
#include <vector>

namespace pakmole {

// Splits a command line; the first item is the program as written there.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The number of arguments after the program, and the argument at index
// (0: the program's own path; past the end: the empty text).
int ParamCount();
std::string ParamStr(int index);

}  // namespace pakmole
