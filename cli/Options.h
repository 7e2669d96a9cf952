#pragma once
// The options the commands share, read from their arguments.
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "base/AesKey.h"

namespace pakmole::cli {

struct Options {
    std::optional<AesKey> key;
    std::string outputDir;             // -o DIR
    std::vector<std::string> include;  // --include PATTERN, repeatable
    bool json = false;                 // --json
    unsigned workers = 0;              // -j N; 0: one per core
    std::string oodle;                 // --oodle PATH: the game's Oodle library
    bool quiet = false;                // -q: no progress line
    bool help = false;                 // --help
    std::string pak;
};

// What each command accepts besides --aes-key and --help.
struct Accepts {
    bool output = false;
    bool include = false;
    bool json = false;
    bool workers = false;
    bool oodle = false;
    bool quiet = false;
};

// Whether the progress line is drawn: on a terminal, unless -q.
bool ShowsProgress(bool quiet);

// -j N: a whole number from 1 to 256. Raises pakmole::Exception otherwise.
unsigned ParseWorkers(const std::string& text);
// The workers to use: the number given, or one per core.
unsigned WorkersOrCores(unsigned given);

// Raises pakmole::Exception with a message for the user on a bad argument.
Options ParseOptions(const Arguments& args, Accepts accepts);

// A command's arguments into options. When the command has nothing to do
// beyond that, the exit status: 0 after printing usage for --help, 2 after
// saying what is wrong (a bad argument, or no pak named).
std::optional<int> ParseCommand(const Arguments& args, Accepts accepts, const char* usage, Options& options);

}  // namespace pakmole::cli
