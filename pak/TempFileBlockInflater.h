#pragma once
// Inflates each block through two files in the program's own folder: the
// compressed bytes go to "tmp1<pid>", their inflated bytes come back from
// "tmp2<pid>". The process id keeps two jobs that run at once from the same
// folder, and a user's own "tmp1", apart. Both are deleted after use; a
// failure may leave them behind.
#include <string>

#include "BlockInflater.h"

namespace pakmole {

class TempFileBlockInflater : public BlockInflater {
public:
    TempFileBlockInflater();
    void InflateBlock(TMemoryStream& block, TMemoryStream& output, BlockFormat format, int64_t room) override;

    std::string CompressedPath() const;
    std::string InflatedPath() const;

private:
    std::string suffix_;
};

}  // namespace pakmole
