#include "TempFileBlockInflater.h"

#include "UtilityPasZlib.h"
#include "base/FileSystem.h"

namespace pakmole {

void TempFileBlockInflater::InflateBlock(TMemoryStream& block, TMemoryStream& output) {
    const std::string tmp1 = ExecutableFolder() + "tmp1";
    const std::string tmp2 = ExecutableFolder() + "tmp2";
    block.SaveToFile(tmp1);
    UtilityPasZlib::InflateFile(tmp1, tmp2);
    RemoveFile(tmp1);
    TMemoryStream inflated;
    inflated.LoadFromFile(tmp2);
    RemoveFile(tmp2);
    output.WriteBuffer(inflated.Memory(), static_cast<std::size_t>(inflated.Size()));
}

}  // namespace pakmole
