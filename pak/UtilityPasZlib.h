#pragma once
// Inflating zlib-format data (2-byte header, not raw deflate), file to file
// and stream to stream. Corrupt data raises "Error"; a stream cut short gives
// what could be inflated without complaint.
#include <cstdint>
#include <string>

#include "BlockInflater.h"
#include "base/Stream.h"

namespace pakmole::UtilityPasZlib {

// Loads source whole, inflates it, saves the result to destination
// (created or truncated). More than limit inflated bytes raise
// InflatesPastRecordedSize.
void InflateFile(const std::string& sourcePath, const std::string& destinationPath,
                 BlockFormat format = BlockFormat::Zlib, int64_t limit = INT64_MAX);

// Inflates source from its current position into destination, in chunks of
// at most 4096 bytes, until the stream ends or the input runs out.
void InflateStream(TStream& source, TStream& destination, BlockFormat format = BlockFormat::Zlib,
                   int64_t limit = INT64_MAX);

}  // namespace pakmole::UtilityPasZlib
