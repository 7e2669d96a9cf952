#pragma once
// The job behind the "Unpack" button and the command line: extract every entry
// of a pak next to it, or write its file list, driven through a JobHost.
#include <functional>
#include <optional>
#include <string>

#include "JobHost.h"
#include "base/AesKey.h"

namespace pakmole {

struct PakJobOptions {
    // Where the entries go. Empty: the archive folder plus the mount point as
    // it stands (its "../" climbing out of Content/Paks, as the game reads
    // it). Otherwise a folder (ending with its separator) that nothing is
    // written outside of: the mount point's own path goes under it without
    // its climbing parts and drive.
    std::string outputRoot;
    // Which entries to extract, by their index name (backslashes); unset:
    // every entry.
    std::function<bool(const std::string& name)> select;
    std::optional<AesKey> key;
    // After every entry was written the archive gets its "_unpacked.bak"
    // name, so that the game loads the loose files instead.
    bool renameWhenComplete = true;
    // The game's Oodle library, for Oodle entries; empty: looked for beside
    // the game the pak belongs to.
    std::string oodlePath;
};

// Runs the job on the pak at pakPath (a host path). Per-entry failures are
// counted in the summary; a pak that cannot be opened raises the platform's
// file-open error, and one that is not a readable pak raises EPakFormatError
// (EPakKeyError when its index needs a key that was not given, or when the
// key given does not open its index or, for extraction, its entries).
JobSummary RunPakJob(const std::string& pakPath, JobHost& host, const PakJobOptions& options = {});

// The message shown at the end of an interactive extraction: "DONE!", then,
// when some entries could not be extracted, how many and that the archive
// keeps its name.
std::string CompletionMessage(const JobSummary& summary);
// How many entries failed, and that the archive keeps its name: part of the
// completion message, and of the box a batch job without a console shows.
std::string FailedCountMessage(const JobSummary& summary);

}  // namespace pakmole
