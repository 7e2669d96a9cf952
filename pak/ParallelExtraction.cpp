#include "ParallelExtraction.h"

#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "EntryReader.h"
#include "EntrySink.h"
#include "WorkerPool.h"
#include "base/ThreadSync.h"

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

// One step of the job in index order: a piece of an entry, or (end) the
// entry's end, with what made the reading stop early when it did.
struct Step {
    std::shared_ptr<Slot> slot;
    bool end = false;
    std::exception_ptr readFailure;
    DataPiece piece;
    bool wholeInOnePiece = false;
    std::size_t rawAt = 0;  // where its bytes as read lie in the batch's input
    // Stored and not encrypted: its bytes as read are the file's.
    bool plain = false;
    // Filled by a worker: where the piece's file bytes lie in the batch's
    // output (or input, plain), or an entry of one piece already written to
    // its temporary file (small files are mostly the cost of making them,
    // which the workers then share), or why it failed.
    std::size_t outAt = 0, outSize = 0;
    std::unique_ptr<StreamingFileSink> sink;
    std::exception_ptr failure;
};

// Steps go to the workers and to the writer a batch at a time, so that the
// hand-offs between threads (costly where waiting is a system call) are paid
// per batch rather than per block. Batches are used again, their buffers
// with them, so the job settles into the memory it needs.
class Batch {
public:
    Batch() {
        // Room for the usual batch from the start: a buffer that grows by
        // doubling touches fresh memory at every step.
        in.Reserve(2 * kMostBytes);
        out.Reserve(4 * kMostBytes);
    }
    Step& Add() {
        if (used_ == steps_.size()) steps_.emplace_back();
        Step& step = steps_[used_++];
        step.slot.reset();
        step.end = step.wholeInOnePiece = step.plain = false;
        step.readFailure = step.failure = nullptr;
        step.piece = {};
        step.outAt = step.outSize = 0;
        step.sink.reset();
        return step;
    }
    void CountPiece(std::size_t bytes) {
        ++pieces_;
        bytes_ += bytes;
    }
    bool Full() const { return pieces_ >= kMostPieces || bytes_ >= kMostBytes; }
    bool HasPieces() const { return pieces_ > 0; }
    std::size_t Size() const { return used_; }
    Step& operator[](std::size_t at) { return steps_[at]; }
    const unsigned char* FileBytes(const Step& step) const {
        return (step.plain ? in.Memory() : out.Memory()) + step.outAt;
    }
    void Reset() {
        used_ = pieces_ = bytes_ = 0;
        in.Clear();
        out.Clear();
        working = false;
    }

    // Every piece's bytes as read, and their file bytes, one after another;
    // one buffer each, so a batch used again needs no new memory.
    TMemoryStream in;
    TMemoryStream out;
    TMemoryStream piece;  // the one piece a worker is turning
    // Its pieces are with a worker (set before it is handed over, cleared
    // through the queue).
    bool working = false;

private:
    static constexpr std::size_t kMostPieces = 16;
    static constexpr std::size_t kMostBytes = 256 << 10;
    std::vector<Step> steps_;
    std::size_t used_ = 0, pieces_ = 0, bytes_ = 0;
};

// Batches on their way from the reading thread to the writing one, in order;
// a bounded number, so memory stays a few batches per worker. Written
// batches come back through Recycle.
class BatchQueue {
public:
    explicit BatchQueue(std::size_t capacity) : capacity_(capacity) {}

    std::unique_ptr<Batch> Take() {
        std::lock_guard lock(mutex_);
        if (spare_.empty()) return std::make_unique<Batch>();
        auto batch = std::move(spare_.back());
        spare_.pop_back();
        return batch;
    }
    void Recycle(std::unique_ptr<Batch> batch) {
        batch->Reset();
        std::lock_guard lock(mutex_);
        spare_.push_back(std::move(batch));
    }
    // False once the writer has given up (the batch stays with the caller):
    // the reader stops.
    bool Push(std::unique_ptr<Batch>& batch) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return items_.size() < capacity_ || abandoned_; });
        if (abandoned_) return false;
        items_.push_back(std::move(batch));
        changed_.notify_all();
        return true;
    }
    // The oldest batch once its workers' part is done; null when the reader
    // is done and everything was taken.
    std::unique_ptr<Batch> Pop() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return items_.empty() ? closed_ : !items_.front()->working; });
        if (items_.empty()) return nullptr;
        auto batch = std::move(items_.front());
        items_.pop_front();
        changed_.notify_all();
        return batch;
    }
    // A worker has turned the batch's pieces.
    void Worked(Batch& batch) {
        std::lock_guard lock(mutex_);
        batch.working = false;
        changed_.notify_all();
    }
    void WaitUntilWorked(const Batch& batch) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !batch.working; });
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
    Mutex mutex_;
    ConditionVariable changed_;
    std::deque<std::unique_ptr<Batch>> items_;
    std::vector<std::unique_ptr<Batch>> spare_;
    std::size_t capacity_;
    bool closed_ = false;
    bool abandoned_ = false;
};

void RefuseBeyondLimit(const Slot& slot, std::size_t bytes, int64_t writtenBefore) {
    if (static_cast<int64_t>(bytes) > slot.plan.limit - writtenBefore) throw InflatesPastRecordedSize();
}

// An entry's file bytes that lie one after the other in a batch go to its
// file in one write: a system call per run of pieces rather than per piece.
class WriteRun {
public:
    // Writes what was gathered first when these bytes do not follow on.
    void Add(Slot& slot, const unsigned char* bytes, std::size_t size) {
        if (slot_ != &slot || at_ + size_ != bytes) Flush();
        if (!slot_) {
            slot_ = &slot;
            at_ = bytes;
        }
        size_ += size;
    }
    // Gathered for the entry and not yet written.
    std::size_t Pending(const Slot& slot) const { return slot_ == &slot ? size_ : 0; }
    // A failure to write goes to the entry.
    void Flush() {
        if (!slot_) return;
        Slot& slot = *slot_;
        const unsigned char* at = at_;
        const std::size_t size = size_;
        slot_ = nullptr;
        at_ = nullptr;
        size_ = 0;
        try {
            slot.sink->Write(at, size);
        } catch (...) {
            if (!slot.failure) slot.failure = std::current_exception();
        }
    }

private:
    Slot* slot_ = nullptr;
    const unsigned char* at_ = nullptr;
    std::size_t size_ = 0;
};

// A worker's part of one piece of a batch: decrypted, inflated onto the
// batch's output, and an entry of one piece written to its temporary file.
void FinishStep(Step& step, Batch& batch, const PakDecryptor* key, BlockInflater& inflater) {
    TMemoryStream& out = batch.out;
    const Slot& owner = *step.slot;
    try {
        if (step.plain) {
            step.outAt = step.rawAt;
            step.outSize = static_cast<std::size_t>(step.piece.length);
        } else {
            step.outAt = static_cast<std::size_t>(out.Size());
            const unsigned char* raw = batch.in.Memory() + step.rawAt;
            batch.piece.MutableBytes().assign(raw, raw + step.piece.readLength);
            batch.piece.SetPosition(0);
            out.SetPosition(out.Size());
            try {
                FinishPiece(owner.plan, step.piece, batch.piece, key, inflater, owner.plan.limit, out);
            } catch (...) {
                out.MutableBytes().resize(step.outAt);
                throw;
            }
            step.outSize = static_cast<std::size_t>(out.Size()) - step.outAt;
        }
        if (step.wholeInOnePiece) {
            RefuseBeyondLimit(owner, step.outSize, 0);
            step.sink = std::make_unique<StreamingFileSink>(owner.path);
            step.sink->Write(batch.FileBytes(step), step.outSize);
        }
    } catch (...) {
        step.failure = std::current_exception();
        step.outSize = 0;
    }
}

}  // namespace

void ExtractInParallel(TStream& pak, const PakFooter& footer, const PakDecryptor* key,
                       const std::vector<PakEntry>& entries, BlockInflater& inflater, unsigned workers,
                       const ParallelEntryHooks& hooks, const OodleSource* oodle) {
    // Enough batches in flight to keep every worker busy while the oldest
    // one is written. The pool goes first: whatever ends the job, a batch
    // lives until its workers' part has run.
    BatchQueue queue(2 * static_cast<std::size_t>(workers));
    WorkerPool pool(workers);

    // The reading thread: paths, plans and pieces in index order. Reading and
    // writing each take a thread of their own, so neither waits on the other.
    std::exception_ptr readerFault;
    std::thread reader([&] {
        try {
            std::unique_ptr<Batch> batch = queue.Take();
            // Hands the batch on (its pieces to the workers first); false when
            // the writer has given up.
            auto send = [&]() {
                if (batch->HasPieces()) {
                    Batch* work = batch.get();
                    work->working = true;
                    pool.Post([work, key, &inflater, &queue] {
                        for (std::size_t at = 0; at < work->Size(); ++at) {
                            Step& step = (*work)[at];
                            if (!step.end) FinishStep(step, *work, key, inflater);
                        }
                        queue.Worked(*work);
                    });
                }
                if (!queue.Push(batch)) {
                    // Its workers' part may still be running on it.
                    queue.WaitUntilWorked(*batch);
                    return false;
                }
                batch = queue.Take();
                return true;
            };
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
                            Step& step = batch->Add();
                            step.slot = slot;
                            step.piece = piece;
                            step.wholeInOnePiece = wholeInOnePiece;
                            step.plain = !slot->plan.format && !slot->plan.oodle && !slot->plan.encrypted;
                            step.rawAt = static_cast<std::size_t>(batch->in.Size());
                            ReadPieceOnto(pak, piece, batch->in.MutableBytes());
                            batch->CountPiece(static_cast<std::size_t>(piece.readLength));
                            if (batch->Full() && !send()) return;
                        }
                    }
                } catch (...) {
                    failure = std::current_exception();
                }
                Step& end = batch->Add();
                end.slot = std::move(slot);
                end.end = true;
                end.readFailure = failure;
            }
            if (batch->Size() > 0 && !send()) return;
        } catch (...) {
            readerFault = std::current_exception();
        }
        queue.Close();
    });
    // Whatever ends the writing, the reader is let go and waited for.
    struct JoinReader {
        BatchQueue& queue;
        std::thread& reader;
        ~JoinReader() {
            queue.Abandon();
            reader.join();
        }
    } joinReader{queue, reader};

    // The writing thread (the caller's): results in order, each entry put in
    // place and reported as it completes.
    WriteRun run;
    while (std::unique_ptr<Batch> batch = queue.Pop()) {
        for (std::size_t at = 0; at < batch->Size(); ++at) {
            Step& step = (*batch)[at];
            Slot& slot = *step.slot;
            if (!step.end) {
                try {
                    if (step.failure) std::rethrow_exception(step.failure);
                    if (step.sink) {
                        slot.sink = std::move(step.sink);
                    } else if (!slot.failure) {
                        RefuseBeyondLimit(slot, step.outSize, slot.sink->Written() + run.Pending(slot));
                        run.Add(slot, batch->FileBytes(step), step.outSize);
                    }
                } catch (...) {
                    if (!slot.failure) slot.failure = std::current_exception();
                }
                if (hooks.afterPiece) hooks.afterPiece();
                continue;
            }
            run.Flush();
            if (!slot.failure) slot.failure = step.readFailure;
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
        run.Flush();  // before the batch's memory is used again
        queue.Recycle(std::move(batch));
    }
    if (readerFault) std::rethrow_exception(readerFault);
}

}  // namespace pakmole
