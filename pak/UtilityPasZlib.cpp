#include "UtilityPasZlib.h"

#include "ZDecompressionStream.h"
#include "base/MemoryStream.h"

namespace pakmole::UtilityPasZlib {

void InflateFile(const std::string& sourcePath, const std::string& destinationPath) {
    TMemoryStream source;
    source.LoadFromFile(sourcePath);
    TMemoryStream inflated;
    InflateStream(source, inflated);
    inflated.SaveToFile(destinationPath);
}

void InflateStream(TStream& source, TStream& destination) {
    TZDecompressionStream zlib(source);
    unsigned char chunk[4096];
    while (const std::size_t n = zlib.Read(chunk, sizeof chunk)) destination.WriteBuffer(chunk, n);
}

}  // namespace pakmole::UtilityPasZlib
