#pragma once
// Seekable byte streams. A plain Read at the end returns fewer bytes; the
// *Buffer and CopyFrom calls fail with "Stream read error" instead.
#include <cstddef>
#include <cstdint>

namespace pakmole {

class TStream {
public:
    virtual ~TStream() = default;
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    // Reads up to count bytes; returns how many were read (fewer at the end).
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual void Write(const void* buffer, std::size_t count) = 0;
    virtual int64_t Position() const = 0;
    virtual void SetPosition(int64_t position) = 0;
    virtual int64_t Size() const = 0;

    void ReadBuffer(void* buffer, std::size_t count);
    void WriteBuffer(const void* buffer, std::size_t count) { Write(buffer, count); }
    // Copies exactly count bytes from source at its position; fails when fewer remain.
    void CopyFrom(TStream& source, int64_t count);
    int64_t Remaining() const { return Size() - Position(); }
    void Skip(int64_t count) { SetPosition(Position() + count); }

    // Little-endian integers; short reads leave the missing high bytes zero.
    int32_t ReadInt32();
    int64_t ReadInt64();
};

}  // namespace pakmole
