// extract: the job with an output folder of the user's and a choice of entries.
#include <fnmatch.h>

#include <algorithm>

#include "Commands.h"
#include "JobReport.h"
#include "Options.h"
#include "base/FileSystem.h"

namespace pakmole::cli {

namespace {
const char kUsage[] =
    "Usage: pakmole extract [-o DIR] [--include PATTERN]... [-j N] [-q] [--aes-key KEY] [--oodle PATH] <pak file>\n\n"
    "Extracts the pak's entries into DIR, by default a folder named after the pak\n"
    "without its extension, beside the pak (Game.pak: Game/). Nothing is written\n"
    "outside that folder: each entry goes to DIR + mount point + name, where the\n"
    "mount point keeps its own path without its \"..\" parts and drive\n"
    "(../../../MyGame/Content/a.uasset goes to DIR/MyGame/Content/a.uasset).\n"
    "The pak is never renamed. With --include, only the entries whose name\n"
    "(relative to the mount point, with '/') matches one of the glob patterns;\n"
    "'*' and '?' stay within a folder. -j N inflates on N threads (default: one per\n"
    "core). On a terminal a progress line is drawn on stderr; -q leaves it out.\n"
    "Oodle entries are decoded by the game's own Oodle library: the one given with\n"
    "--oodle, else one found beside the game of a pak in its Content/Paks folder\n"
    "(the game's Binaries and Engine/Binaries/ThirdParty/Oodle folders).\n";

// Game.pak: Game/ beside it. A pak without an extension would share its
// name with the folder, so that one gets "_extracted" added.
std::string DefaultOutputFolder(const std::string& pak) {
    const std::string folder = ExtractFilePath(pak);
    std::string name = pak.substr(folder.size());
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    else
        name += "_extracted";
    return folder + name + "/";
}
}

int RunExtract(const Arguments& args) {
    Options options;
    Accepts accepts;
    accepts.output = accepts.include = accepts.workers = accepts.quiet = accepts.oodle = true;
    if (const std::optional<int> status = ParseCommand(args, accepts, kUsage, options)) return *status;
    PakJobOptions job;
    job.key = options.key;
    job.oodlePath = options.oodle;
    job.outputRoot = options.outputDir.empty() ? DefaultOutputFolder(options.pak) : options.outputDir;
    if (job.outputRoot.back() != '/') job.outputRoot += '/';
    if (!options.include.empty()) {
        job.select = [patterns = options.include](const std::string& name) {
            std::string slashed = name;
            std::replace(slashed.begin(), slashed.end(), '\\', '/');
            return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
                return fnmatch(pattern.c_str(), slashed.c_str(), FNM_PATHNAME) == 0;
            });
        };
    }
    job.renameWhenComplete = false;
    ConsoleHost host(false, ShowsProgress(options.quiet), WorkersOrCores(options.workers));
    return ReportJob(options.pak, host, job, false);
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"info", RunInfo}, {"list", RunList}, {"extract", RunExtract}, {"verify", RunVerify}};
    return commands;
}

}  // namespace pakmole::cli
