#pragma once
// Turns one compression block (a zlib stream) into its inflated bytes.
#include "base/MemoryStream.h"

namespace pakmole {

class BlockInflater {
public:
    virtual ~BlockInflater() = default;
    // Appends the inflated bytes of block to output. A stream cut short gives
    // what could be inflated; corrupt data raises "Error".
    virtual void InflateBlock(TMemoryStream& block, TMemoryStream& output) = 0;
};

}  // namespace pakmole
