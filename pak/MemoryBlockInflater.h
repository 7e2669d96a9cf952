#pragma once
// Inflates each block straight into the entry's buffer, with no files in
// between: for the command line, whose own folder may be read-only.
#include "BlockInflater.h"

namespace pakmole {

class MemoryBlockInflater : public BlockInflater {
public:
    void InflateBlock(TMemoryStream& block, TMemoryStream& output, BlockFormat format, int64_t room) override;
};

}  // namespace pakmole
