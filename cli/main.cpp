// pakmole: unpacks an Unreal Engine 4 pak file next to itself, or writes the
// list of its entries, from a terminal.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ConsoleHost.h"
#include "base/Exceptions.h"
#include "pak/PakJob.h"

namespace {

enum ExitStatus { kAllExtracted = 0, kSomeFailed = 1, kUnreadable = 2 };

void PrintUsage(std::FILE* to) {
    std::fputs(
        "Usage: pakmole <pak file>\n"
        "       pakmole -filelist <pak file>\n"
        "\n"
        "Unpacks every stored and zlib-compressed entry of an Unreal Engine 4 pak file\n"
        "into a folder tree next to it (archive folder + mount point + entry name), then\n"
        "renames the pak to <pak file>_unpacked.bak.\n"
        "With -filelist, writes the tab-separated list of its entries to\n"
        "<pak file>_filelist.txt instead and leaves the pak as it is.\n"
        "\n"
        "Exit status: 0 every entry extracted, 1 some entries failed (listed on\n"
        "stderr), 2 the file could not be read or is not a pak file.\n",
        to);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return kAllExtracted;
    }
    const bool listMode = argc >= 2 && std::strcmp(argv[1], "-filelist") == 0;
    const int pathIndex = listMode ? 2 : 1;
    if (argc <= pathIndex) {
        PrintUsage(stderr);
        return kUnreadable;
    }
    const std::string pakPath = argv[pathIndex];

    pakmole::cli::ConsoleHost host(listMode, isatty(STDERR_FILENO) != 0);
    try {
        const pakmole::JobSummary summary = pakmole::RunPakJob(pakPath, host);
        host.FinishProgress();
        if (listMode) {
            std::printf("%d entries listed in %s\n", summary.entries, summary.writtenFile.c_str());
            return kAllExtracted;
        }
        std::printf("%d of %d entries extracted to %s (%llu bytes)\n",
                    summary.entries - static_cast<int>(summary.failed.size()), summary.entries,
                    summary.outputFolder.empty() ? "./" : summary.outputFolder.c_str(),
                    static_cast<unsigned long long>(summary.bytesWritten));
        if (!summary.renamed) std::fprintf(stderr, "pakmole: could not rename %s to %s_unpacked.bak\n",
                                           pakPath.c_str(), pakPath.c_str());
        for (const auto& failure : summary.failed)
            std::fprintf(stderr, "pakmole: failed: %s: %s\n", failure.name.c_str(), failure.reason.c_str());
        return summary.AllExtracted() ? kAllExtracted : kSomeFailed;
    } catch (const std::exception& e) {
        host.FinishProgress();
        std::fprintf(stderr, "pakmole: %s\n", e.what());
        return kUnreadable;
    }
}
