#pragma once
// Inflating zlib-format data (2-byte header, not raw deflate), file to file
// and stream to stream. Corrupt data raises "Error"; a stream cut short gives
// what could be inflated without complaint.
#include <string>

#include "base/Stream.h"

namespace pakmole::UtilityPasZlib {

// Loads source whole, inflates it, saves the result to destination
// (created or truncated).
void InflateFile(const std::string& sourcePath, const std::string& destinationPath);

// Inflates source from its current position into destination, in chunks of
// at most 4096 bytes, until the stream ends or the input runs out.
void InflateStream(TStream& source, TStream& destination);

}  // namespace pakmole::UtilityPasZlib
