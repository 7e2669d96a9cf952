// "pakmole <pak>" and "pakmole -filelist <pak>": the window's batch job.
#include "Commands.h"
#include "JobReport.h"
#include "Options.h"
#include "base/Exceptions.h"

#include <filesystem>
#include <system_error>

namespace pakmole::cli {
namespace {

// The folder as the file system sees it: a mount point's "../" steps taken,
// so that the line names the folder a user would open.
std::string ShownFolder(const std::string& folder) {
    if (folder.empty()) return "./";
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(folder, error);
    if (error || resolved.empty()) return folder;
    std::string shown = resolved.string();
    if (shown.back() != '/') shown += '/';
    return shown;
}

}  // namespace

void PrintUsage(std::FILE* to) {
    std::fputs(
        "Usage: pakmole [--aes-key KEY] [--oodle PATH] [-j N] [-q] <pak file>\n"
        "       pakmole [--aes-key KEY] -filelist <pak file>\n"
        "       pakmole info [--aes-key KEY] <pak file>\n"
        "       pakmole list [--json] [--aes-key KEY] <pak file>\n"
        "       pakmole extract [-o DIR] [--include PATTERN]... [-j N] [-q] [--aes-key KEY] [--oodle PATH] <pak file>\n"
        "       pakmole verify [--aes-key KEY] <pak file>\n"
        "       pakmole <command> --help\n"
        "\n"
        "Unpacks every stored and zlib- or gzip-compressed entry of an Unreal Engine pak\n"
        "file (versions 1 to 15) into a folder tree next to it (archive folder + mount\n"
        "point + entry name), then renames the pak to <pak file>_unpacked.bak, but only\n"
        "when every entry was written.\n"
        "With -filelist, writes the tab-separated list of its entries to\n"
        "<pak file>_filelist.txt instead and leaves the pak as it is.\n"
        "The extract command never renames the pak and writes only under its own\n"
        "folder (see pakmole extract --help).\n"
        "KEY is the pak's AES-256 key, as base64 or as 0x and 64 hex digits. A key that\n"
        "does not open the pak is refused before anything is written; where nothing in\n"
        "the pak can tell, the files are written and stderr says the key could not be\n"
        "checked.\n"
        "-j N inflates on N threads (default: one per core); the files are the same.\n"
        "Oodle entries need the game's own Oodle library: PATH, or one found beside\n"
        "the game when the pak lies in its Content/Paks folder.\n"
        "On a terminal a progress line is drawn on stderr; -q leaves it out.\n"
        "\n"
        "Exit status: 0 every entry extracted, 1 some entries failed (listed on\n"
        "stderr), 2 the file could not be read, is not a pak of a known version, or\n"
        "needs a key that was not given or is wrong.\n",
        to);
}

int ReportJob(const std::string& pakPath, ConsoleHost& host, const PakJobOptions& options, bool listMode) {
    try {
        const JobSummary summary = RunPakJob(pakPath, host, options);
        host.FinishProgress();
        if (listMode) {
            std::printf("%d entries listed in %s\n", summary.entries, summary.writtenFile.c_str());
            return kAllExtracted;
        }
        std::printf("%d of %d entries extracted to %s (%llu bytes)\n",
                    summary.entries - static_cast<int>(summary.failed.size()), summary.entries,
                    ShownFolder(summary.outputFolder).c_str(),
                    static_cast<unsigned long long>(summary.bytesWritten));
        for (const auto& failure : summary.failed)
            std::fprintf(stderr, "pakmole: failed: %s: %s\n", failure.name.c_str(), failure.reason.c_str());
        // Only the classic form renames; the extract command leaves the pak alone.
        if (options.renameWhenComplete) {
            if (!summary.AllExtracted())
                std::fprintf(stderr, "pakmole: %s keeps its name, as not every entry was extracted\n", pakPath.c_str());
            else if (!summary.renamed)
                std::fprintf(stderr, "pakmole: could not rename %s to %s_unpacked.bak\n", pakPath.c_str(),
                             pakPath.c_str());
        }
        return summary.AllExtracted() ? kAllExtracted : kSomeFailed;
    } catch (const std::exception& e) {
        host.FinishProgress();
        std::fprintf(stderr, "pakmole: %s\n", e.what());
        return kUnreadable;
    }
}

int RunClassicJob(const Arguments& all) {
    // Keys and switches come first; then the first argument is the list switch or the
    // pak, and anything after the pak is ignored.
    PakJobOptions options;
    unsigned workers = 0;
    bool quiet = false;
    std::size_t at = 0;
    try {
        for (;;) {
            if (at < all.size() && all[at] == "-q") {
                quiet = true;
                ++at;
            } else if (at + 1 < all.size() && (all[at] == "--aes-key" || all[at] == "-j" || all[at] == "--oodle")) {
                if (all[at] == "-j")
                    workers = ParseWorkers(all[at + 1]);
                else if (all[at] == "--oodle")
                    options.oodlePath = all[at + 1];
                else
                    options.key = ParseAesKey(all[at + 1]);
                at += 2;
            } else {
                break;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pakmole: %s\n", e.what());
        return kUnreadable;
    }
    const bool listMode = at < all.size() && all[at] == "-filelist";
    const std::size_t pathAt = listMode ? at + 1 : at;
    if (pathAt >= all.size()) {
        PrintUsage(stderr);
        return kUnreadable;
    }
    ConsoleHost host(listMode, ShowsProgress(quiet), WorkersOrCores(workers));
    return ReportJob(all[pathAt], host, options, listMode);
}

}  // namespace pakmole::cli
