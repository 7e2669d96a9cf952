#include "Options.h"

#include <unistd.h>

#include <cstdio>
#include <thread>

#include "base/Exceptions.h"

namespace pakmole::cli {

unsigned ParseWorkers(const std::string& text) {
    unsigned value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 256) throw Exception("-j needs a number of workers from 1 to 256");
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value < 1 || value > 256) throw Exception("-j needs a number of workers from 1 to 256");
    return value;
}

unsigned WorkersOrCores(unsigned given) {
    if (given) return given;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores ? cores : 1;
}

bool ShowsProgress(bool quiet) { return !quiet && isatty(STDERR_FILENO) != 0; }

std::optional<int> ParseCommand(const Arguments& args, Accepts accepts, const char* usage, Options& options) {
    try {
        options = ParseOptions(args, accepts);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pakmole: %s\n", e.what());
        return kUnreadable;
    }
    if (options.help) {
        std::fputs(usage, stdout);
        return kAllExtracted;
    }
    if (options.pak.empty()) {
        std::fputs(usage, stderr);
        return kUnreadable;
    }
    return std::nullopt;
}

Options ParseOptions(const Arguments& args, Accepts accepts) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw Exception(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--aes-key") {
            options.key = ParseAesKey(value());
        } else if (arg == "-o" && accepts.output) {
            options.outputDir = value();
        } else if (arg == "--include" && accepts.include) {
            options.include.push_back(value());
        } else if (arg == "-j" && accepts.workers) {
            options.workers = ParseWorkers(value());
        } else if (arg == "--oodle" && accepts.oodle) {
            options.oodle = value();
        } else if (arg == "-q" && accepts.quiet) {
            options.quiet = true;
        } else if (arg == "--json" && accepts.json) {
            options.json = true;
        } else if (!options.pak.empty() || (arg.size() > 1 && arg[0] == '-')) {
            throw Exception("unexpected argument \"" + arg + "\"");
        } else {
            options.pak = arg;
        }
    }
    return options;
}

}  // namespace pakmole::cli
