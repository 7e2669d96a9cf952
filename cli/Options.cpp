#include "Options.h"

#include "base/Exceptions.h"

namespace pakmole::cli {

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
