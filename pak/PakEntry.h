#pragma once
// What the index says about one file of a pak.
#include <cstdint>
#include <string>

namespace pakmole {

struct PakIndexHead {
    std::string mountPoint;  // backslash-separated
    int32_t entryCount = 0;
};

struct PakIndexEntry {
    std::string name;  // backslash-separated, 16-bit names narrowed to their low bytes
    int64_t offset = 0;
    int64_t size = 0;
    int64_t zsize = 0;
    int32_t compressionMethod = 0;
};

// One compression block: absolute bounds in the pak file.
struct PakBlock {
    int64_t start = 0;
    int64_t end = 0;
};

}  // namespace pakmole
