#pragma once
// Where an entry's bytes go as they are read: assembled in memory and saved
// in one piece (the window's way), or streamed to a temporary file beside the
// target and renamed into place when complete (entries of any size).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/FileStream.h"
#include "base/MemoryStream.h"

namespace pakmole {

class EntrySink {
public:
    virtual ~EntrySink() = default;
    // The size the entry is expected to reach, for buffers; a hint only.
    virtual void Expect(int64_t /*bytes*/) {}
    virtual void Write(const unsigned char* data, std::size_t size) = 0;
    virtual int64_t Written() const = 0;
    // Puts the complete entry at its path. Without it nothing is left behind.
    virtual void Commit() = 0;
};

class MemorySink : public EntrySink {
public:
    explicit MemorySink(std::string path) : path_(std::move(path)) {}
    void Expect(int64_t bytes) override;
    void Write(const unsigned char* data, std::size_t size) override { bytes_.WriteBuffer(data, size); }
    int64_t Written() const override { return bytes_.Size(); }
    void Commit() override { bytes_.SaveToFile(path_); }

private:
    std::string path_;
    TMemoryStream bytes_;
};

class StreamingFileSink : public EntrySink {
public:
    explicit StreamingFileSink(std::string path);
    ~StreamingFileSink() override;
    void Write(const unsigned char* data, std::size_t size) override;
    int64_t Written() const override { return written_; }
    void Commit() override;


private:
    std::string path_;
    std::string temporary_;
    std::unique_ptr<TFileStream> file_;
    int64_t written_ = 0;
};

}  // namespace pakmole
