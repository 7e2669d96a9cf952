#pragma once
// Extraction on several cores: the calling thread reads each entry's pieces
// in index order and hands them to workers, which decrypt and inflate them
// (and write an entry of one piece to its temporary file themselves); the
// calling thread writes the other results in order and puts each finished
// file in place, so files appear one after the other in index order and
// byte-identical to a run on one core. Entries are streamed to their files
// (a temporary name renamed into place).
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BlockInflater.h"
#include "PakEntry.h"
#include "PakFooter.h"
#include "base/Stream.h"

namespace pakmole {

class PakDecryptor;
struct OodleSource;

struct ParallelEntryHooks {
    // The output path of an entry; nullopt skips it. Raising fails it.
    std::function<std::optional<std::string>(const PakEntry&)> prepare;
    // Called once per entry, in index order: failure is null when written.
    std::function<void(const PakEntry&, bool skipped, std::exception_ptr failure, uint64_t written)> finished;
    // Called on the calling thread after each piece it handled (the window
    // handles its messages while an entry of gigabytes goes through).
    std::function<void()> afterPiece;
};

// The inflater is used by every worker at once.
void ExtractInParallel(TStream& pak, const PakFooter& footer, const PakDecryptor* key,
                       const std::vector<PakEntry>& entries, BlockInflater& inflater, unsigned workers,
                       const ParallelEntryHooks& hooks, const OodleSource* oodle = nullptr);

}  // namespace pakmole
