#include "ParallelExtraction.h"

#include <deque>
#include <memory>

#include "EntryReader.h"
#include "EntrySink.h"
#include "MemoryBlockInflater.h"
#include "WorkerPool.h"

namespace pakmole {
namespace {

struct Slot {
    const PakEntry* entry = nullptr;
    bool skipped = false;
    std::string path;
    EntryPlan plan;
    std::unique_ptr<StreamingFileSink> sink;
    std::exception_ptr failure;
};

// What a worker hands back: a piece's bytes, or an entry of one piece
// already written to its temporary file (small files are mostly the cost of
// making them, which the workers then share).
struct PieceResult {
    std::vector<unsigned char> bytes;
    std::unique_ptr<StreamingFileSink> sink;
};

// One piece in flight, or (no future) the end of its entry.
struct Item {
    std::shared_ptr<Slot> slot;
    std::future<PieceResult> piece;
};

void RefuseBeyondLimit(const Slot& slot, std::size_t bytes, int64_t writtenBefore) {
    if (static_cast<int64_t>(bytes) > slot.plan.limit - writtenBefore) throw InflatesPastRecordedSize();
}

}  // namespace

void ExtractInParallel(TStream& pak, const PakFooter& footer, const Aes256EcbDecryptor* key,
                       const std::vector<PakEntry>& entries, unsigned workers, const ParallelEntryHooks& hooks) {
    WorkerPool pool(workers);
    // Enough pieces in flight to keep every worker busy while the oldest one
    // is written; each holds one block (64 KiB in real paks) in and out.
    const std::size_t window = 8 * static_cast<std::size_t>(workers);
    std::deque<Item> pending;

    auto writeOldest = [&] {
        Item item = std::move(pending.front());
        pending.pop_front();
        Slot& slot = *item.slot;
        if (item.piece.valid()) {
            try {
                PieceResult result = item.piece.get();
                if (result.sink) {
                    slot.sink = std::move(result.sink);
                } else if (!slot.failure) {
                    RefuseBeyondLimit(slot, result.bytes.size(), slot.sink->Written());
                    slot.sink->Write(result.bytes.data(), result.bytes.size());
                }
            } catch (...) {
                if (!slot.failure) slot.failure = std::current_exception();
            }
            return;
        }
        uint64_t written = 0;
        if (!slot.skipped && !slot.failure) {
            try {
                written = static_cast<uint64_t>(slot.sink->Written());
                slot.sink->Commit();
            } catch (...) {
                slot.failure = std::current_exception();
            }
        }
        slot.sink.reset();  // a failed entry's temporary file goes with it
        hooks.finished(*slot.entry, slot.skipped, slot.failure, written);
    };
    auto push = [&](Item item) {
        pending.push_back(std::move(item));
        while (pending.size() > window) writeOldest();
    };

    for (const PakEntry& entry : entries) {
        auto slot = std::make_shared<Slot>();
        slot->entry = &entry;
        try {
            const std::optional<std::string> path = hooks.prepare(entry);
            if (!path) {
                slot->skipped = true;
            } else {
                slot->path = *path;
                slot->plan = PlanEntry(pak, footer, entry, key != nullptr);
                const bool wholeInOnePiece = slot->plan.pieces.size() == 1;
                if (!wholeInOnePiece) slot->sink = std::make_unique<StreamingFileSink>(slot->path);
                for (const DataPiece& piece : slot->plan.pieces) {
                    auto raw = std::make_shared<std::vector<unsigned char>>();
                    ReadPiece(pak, piece, *raw);
                    const Slot* owner = slot.get();
                    push({slot, pool.Submit<PieceResult>([owner, piece, key, raw, wholeInOnePiece] {
                              const EntryPlan& plan = owner->plan;
                              TMemoryStream in(std::move(*raw));
                              TMemoryStream out;
                              MemoryBlockInflater inflater;
                              FinishPiece(plan, piece, in, key, inflater, plan.limit, out);
                              PieceResult result;
                              result.bytes = std::move(out.MutableBytes());
                              if (wholeInOnePiece) {
                                  RefuseBeyondLimit(*owner, result.bytes.size(), 0);
                                  result.sink = std::make_unique<StreamingFileSink>(owner->path);
                                  result.sink->Write(result.bytes.data(), result.bytes.size());
                              }
                              return result;
                          })});
                }
            }
        } catch (...) {
            slot->failure = std::current_exception();
        }
        push({slot, {}});
    }
    while (!pending.empty()) writeOldest();
}

}  // namespace pakmole
