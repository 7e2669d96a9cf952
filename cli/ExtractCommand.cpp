// extract: the job with an output folder of the user's and a choice of entries.
#include <fnmatch.h>
#include <unistd.h>

#include <algorithm>

#include "Commands.h"
#include "JobReport.h"
#include "Options.h"

namespace pakmole::cli {

namespace {
const char kUsage[] =
    "Usage: pakmole extract [-o DIR] [--include PATTERN]... [-j N] [--aes-key KEY] [--oodle PATH] <pak file>\n\n"
    "Extracts the pak's entries into DIR (default: next to the pak, under its mount\n"
    "point, as the classic form does). With --include, only the entries whose name\n"
    "(relative to the mount point, with '/') matches one of the glob patterns;\n"
    "'*' and '?' stay within a folder. The pak keeps its name when -o or --include\n"
    "is given; otherwise it is renamed as the classic form does. -j N inflates on\n"
    "N threads (default: one per core). Oodle entries are decoded by the game's own\n"
    "Oodle library: the one given with --oodle, else one found beside the game of\n"
    "a pak in its Content/Paks folder (the game's Binaries and\n"
    "Engine/Binaries/ThirdParty/Oodle folders).\n";
}

int RunExtract(const Arguments& args) {
    Options options;
    Accepts accepts;
    accepts.output = accepts.include = accepts.workers = accepts.oodle = true;
    if (const std::optional<int> status = ParseCommand(args, accepts, kUsage, options)) return *status;
    PakJobOptions job;
    job.key = options.key;
    job.oodlePath = options.oodle;
    if (!options.outputDir.empty()) {
        job.outputRoot = options.outputDir;
        if (job.outputRoot.back() != '/') job.outputRoot += '/';
    }
    if (!options.include.empty()) {
        job.select = [patterns = options.include](const std::string& name) {
            std::string slashed = name;
            std::replace(slashed.begin(), slashed.end(), '\\', '/');
            return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
                return fnmatch(pattern.c_str(), slashed.c_str(), FNM_PATHNAME) == 0;
            });
        };
    }
    job.renameWhenComplete = options.outputDir.empty() && options.include.empty();
    ConsoleHost host(false, isatty(STDERR_FILENO) != 0, WorkersOrCores(options.workers));
    return ReportJob(options.pak, host, job, false);
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"info", RunInfo}, {"list", RunList}, {"extract", RunExtract}, {"verify", RunVerify}};
    return commands;
}

}  // namespace pakmole::cli
