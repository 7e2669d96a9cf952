#pragma once
// Inflates each block through two files in the program's own folder: the
// compressed bytes go to "tmp1", their inflated bytes come back from "tmp2".
// Both are deleted after use; a failure may leave them behind.
#include "BlockInflater.h"

namespace pakmole {

class TempFileBlockInflater : public BlockInflater {
public:
    void InflateBlock(TMemoryStream& block, TMemoryStream& output) override;
};

}  // namespace pakmole
