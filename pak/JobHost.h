#pragma once
// What the extraction and file-list job needs from its surroundings: the
// window (progress bar, message loop, shell, message box) or the command line.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "BlockInflater.h"
#include "base/AesKey.h"

namespace pakmole {

struct FailedEntry {
    std::string name;    // as people read it, with the host's folder separator
    std::string reason;  // the message of what went wrong
};

struct JobSummary {
    int32_t entries = 0;  // index entries walked
    std::vector<FailedEntry> failed;
    uint64_t bytesWritten = 0;
    std::string outputFolder;  // archive folder + mount point, host path
    std::string writtenFile;   // list mode: the file list written
    bool renamed = false;      // extraction: the archive got its "_unpacked.bak" name
    bool keyUnchecked = false; // encrypted entries, but none that could tell a wrong key

    bool AllExtracted() const { return failed.empty(); }
};

class JobHost {
public:
    virtual ~JobHost() = default;

    // Set by whoever starts the job: batch mode shows no folder window and no
    // message at the end; list mode writes the file list instead of extracting.
    virtual bool BatchMode() const = 0;
    virtual bool ListMode() const = 0;

    // Progress: position 0 and the maximum, then one step per index entry.
    virtual void SetProgressMax(int32_t maximum) = 0;
    virtual void StepProgress() = 0;
    // Lets the window handle its pending messages (after every block and entry).
    virtual void ProcessMessages() = 0;
    virtual void OpenFolderWindow(const std::string& folder) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual BlockInflater& Inflater() = 0;
    // Each entry written as it is read, to a temporary name renamed into
    // place when complete, instead of assembled in memory first.
    virtual bool StreamsEntries() const { return false; }
    // Threads that inflate blocks, for a host that streams entries; with
    // more than one, blocks are inflated in parallel and written in order.
    virtual unsigned Workers() const { return 1; }

    // The pak's index or entries are encrypted and no key (or a wrong one)
    // was given: the window asks the user; nothing means give up.
    virtual std::optional<AesKey> AskForKey(const std::string& /*pakPath*/) { return std::nullopt; }

    // Something the user should know that does not stop the job (the key
    // could not be checked), said before any entry is written.
    virtual void Warn(const std::string& /*text*/) {}

    // Optional observations, for progress lines and reports.
    virtual void EntryWritten(const std::string& /*name*/, uint64_t /*bytes*/) {}
    virtual void EntryFailed(const FailedEntry& /*failure*/) {}
};

}  // namespace pakmole
