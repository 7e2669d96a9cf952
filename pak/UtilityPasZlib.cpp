#include "UtilityPasZlib.h"

#include "ZDecompressionStream.h"
#include "base/MemoryStream.h"

namespace pakmole::UtilityPasZlib {

void InflateFile(const std::string& sourcePath, const std::string& destinationPath, BlockFormat format,
                 int64_t limit) {
    TMemoryStream source;
    source.LoadFromFile(sourcePath);
    TMemoryStream inflated;
    InflateStream(source, inflated, format, limit);
    inflated.SaveToFile(destinationPath);
}

void InflateStream(TStream& source, TStream& destination, BlockFormat format, int64_t limit) {
    TZDecompressionStream zlib(source, format);
    unsigned char chunk[4096];
    int64_t total = 0;
    while (const std::size_t n = zlib.Read(chunk, sizeof chunk)) {
        total += static_cast<int64_t>(n);
        if (total > limit) throw InflatesPastRecordedSize();
        destination.WriteBuffer(chunk, n);
    }
}

}  // namespace pakmole::UtilityPasZlib
