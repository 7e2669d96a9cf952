#include "ParallelExtraction.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "EntryReader.h"
#include "EntrySink.h"
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

// One piece in flight, or (no future) the end of its entry, with what made
// the reading stop early when it did.
struct Item {
    std::shared_ptr<Slot> slot;
    std::future<PieceResult> piece;
    std::exception_ptr readFailure;
};

// Pieces on their way from the reading thread to the writing one, in order;
// a bounded number, so memory stays a few blocks per worker.
class PieceQueue {
public:
    explicit PieceQueue(std::size_t capacity) : capacity_(capacity) {}

    // False once the writer has given up: the reader stops.
    bool Push(Item item) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return items_.size() < capacity_ || abandoned_; });
        if (abandoned_) return false;
        items_.push_back(std::move(item));
        changed_.notify_all();
        return true;
    }
    // False when the reader is done and everything was taken.
    bool Pop(Item& item) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !items_.empty() || closed_; });
        if (items_.empty()) return false;
        item = std::move(items_.front());
        items_.pop_front();
        changed_.notify_all();
        return true;
    }
    void Close() {
        std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }
    void Abandon() {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Item> items_;
    std::size_t capacity_;
    bool closed_ = false;
    bool abandoned_ = false;
};

void RefuseBeyondLimit(const Slot& slot, std::size_t bytes, int64_t writtenBefore) {
    if (static_cast<int64_t>(bytes) > slot.plan.limit - writtenBefore) throw InflatesPastRecordedSize();
}

}  // namespace

void ExtractInParallel(TStream& pak, const PakFooter& footer, const PakDecryptor* key,
                       const std::vector<PakEntry>& entries, BlockInflater& inflater, unsigned workers,
                       const ParallelEntryHooks& hooks, const OodleSource* oodle) {
    WorkerPool pool(workers);
    // Enough pieces in flight to keep every worker busy while the oldest one
    // is written; each holds one block (64 KiB in real paks) in and out.
    PieceQueue queue(8 * static_cast<std::size_t>(workers));

    // The reading thread: paths, plans and pieces in index order. Reading and
    // writing each take a thread of their own, so neither waits on the other.
    std::exception_ptr readerFault;
    std::thread reader([&] {
        try {
            for (const PakEntry& entry : entries) {
                auto slot = std::make_shared<Slot>();
                slot->entry = &entry;
                std::exception_ptr failure;
                try {
                    const std::optional<std::string> path = hooks.prepare(entry);
                    if (!path) {
                        slot->skipped = true;
                    } else {
                        slot->path = *path;
                        slot->plan = PlanEntry(pak, footer, entry, key != nullptr, oodle);
                        const bool wholeInOnePiece = slot->plan.pieces.size() == 1;
                        if (!wholeInOnePiece) slot->sink = std::make_unique<StreamingFileSink>(slot->path);
                        for (const DataPiece& piece : slot->plan.pieces) {
                            auto raw = std::make_shared<std::vector<unsigned char>>();
                            ReadPiece(pak, piece, *raw);
                            auto work = [owner = slot, piece, key, raw, wholeInOnePiece, &inflater] {
                                const EntryPlan& plan = owner->plan;
                                TMemoryStream in(std::move(*raw));
                                TMemoryStream out;
                                FinishPiece(plan, piece, in, key, inflater, plan.limit, out);
                                PieceResult result;
                                result.bytes = std::move(out.MutableBytes());
                                if (wholeInOnePiece) {
                                    RefuseBeyondLimit(*owner, result.bytes.size(), 0);
                                    result.sink = std::make_unique<StreamingFileSink>(owner->path);
                                    result.sink->Write(result.bytes.data(), result.bytes.size());
                                }
                                return result;
                            };
                            if (!queue.Push({slot, pool.Submit<PieceResult>(work), nullptr})) return;
                        }
                    }
                } catch (...) {
                    failure = std::current_exception();
                }
                if (!queue.Push({slot, {}, failure})) return;
            }
        } catch (...) {
            readerFault = std::current_exception();
        }
        queue.Close();
    });
    // Whatever ends the writing, the reader is let go and waited for.
    struct JoinReader {
        PieceQueue& queue;
        std::thread& reader;
        ~JoinReader() {
            queue.Abandon();
            reader.join();
        }
    } joinReader{queue, reader};

    // The writing thread (the caller's): results in order, each entry put in
    // place and reported as it completes.
    Item item;
    while (queue.Pop(item)) {
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
            if (hooks.afterPiece) hooks.afterPiece();
            continue;
        }
        if (!slot.failure) slot.failure = item.readFailure;
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
    }
    if (readerFault) std::rethrow_exception(readerFault);
}

}  // namespace pakmole
