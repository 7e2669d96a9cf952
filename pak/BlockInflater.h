#pragma once
// Turns one compression block (a zlib or gzip stream) into its inflated bytes.
#include <cstdint>

#include "base/Exceptions.h"
#include "base/MemoryStream.h"

namespace pakmole {

enum class BlockFormat { Zlib, Gzip };

// An entry's blocks may not give more than its recorded size: a hostile
// table can point many rows at one small stream of huge output.
inline Exception InflatesPastRecordedSize() {
    return Exception("The entry's data inflates past its recorded size.");
}

class BlockInflater {
public:
    virtual ~BlockInflater() = default;
    // Appends the inflated bytes of block to output, at most room of them
    // (more raise InflatesPastRecordedSize, as soon as they appear). A stream
    // cut short gives what could be inflated; corrupt data raises "Error".
    virtual void InflateBlock(TMemoryStream& block, TMemoryStream& output, BlockFormat format, int64_t room) = 0;
};

}  // namespace pakmole
