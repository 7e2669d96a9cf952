#include "TempFileBlockInflater.h"

#include "UtilityPasZlib.h"
#include "base/FileSystem.h"

namespace pakmole {

TempFileBlockInflater::TempFileBlockInflater()
    : suffix_(std::to_string(CurrentProcessId())) {}

std::string TempFileBlockInflater::CompressedPath() const { return ExecutableFolder() + "tmp1" + suffix_; }
std::string TempFileBlockInflater::InflatedPath() const { return ExecutableFolder() + "tmp2" + suffix_; }

void TempFileBlockInflater::InflateBlock(TMemoryStream& block, TMemoryStream& output, BlockFormat format,
                                         int64_t room) {
    const std::string tmp1 = CompressedPath();
    const std::string tmp2 = InflatedPath();
    block.SaveToFile(tmp1);
    UtilityPasZlib::InflateFile(tmp1, tmp2, format, room);
    RemoveFile(tmp1);
    TMemoryStream inflated;
    inflated.LoadFromFile(tmp2);
    RemoveFile(tmp2);
    output.WriteBuffer(inflated.Memory(), static_cast<std::size_t>(inflated.Size()));
}

}  // namespace pakmole
