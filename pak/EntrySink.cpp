#include "EntrySink.h"

#include <algorithm>
#include <atomic>

#include "base/Exceptions.h"
#include "base/FileSystem.h"

namespace pakmole {
namespace {
// Two entries of one name may be on their way at once.
std::atomic<unsigned> counter{0};
}  // namespace

void MemorySink::Expect(int64_t bytes) {
    if (bytes > 0 && static_cast<uint64_t>(bytes) < bytes_.MutableBytes().max_size() / 2)
        bytes_.Reserve(static_cast<std::size_t>(bytes));
}

StreamingFileSink::StreamingFileSink(std::string path)
    : path_(std::move(path)),
      temporary_(path_ + ".pakmole" + std::to_string(CurrentProcessId()) + "-" + std::to_string(++counter) + ".part"),
      file_(std::make_unique<TFileStream>(temporary_, FileMode::Create)) {}

StreamingFileSink::~StreamingFileSink() {
    if (!file_) return;
    file_.reset();
    RemoveFile(temporary_);
}

void StreamingFileSink::Write(const unsigned char* data, std::size_t size) {
    file_->WriteBuffer(data, size);
    written_ += static_cast<int64_t>(size);
}

void StreamingFileSink::Commit() {
    file_.reset();
    if (!MoveFileReplacing(temporary_, path_)) {
        RemoveFile(temporary_);
        throw FileCreateError(path_, "the finished file could not be put in place");
    }
}

}  // namespace pakmole
