// pakmole: unpacks an Unreal Engine pak file next to itself, or writes the
// list of its entries, from a terminal; plus info, list, extract and verify
// commands for modders and scripts.
#include <cstdio>
#include <cstring>
#include <string>

#include "Commands.h"

int main(int argc, char** argv) {
    using namespace pakmole::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(stderr);
        return kUnreadable;
    }
    const std::string& first = args.front();
    if (first == "--help" || first == "-h") {
        PrintUsage(stdout);
        return kAllExtracted;
    }
    for (const Command& command : Commands())
        if (first == command.name) return command.run({args.begin() + 1, args.end()});
    return RunClassicJob(args);
}
