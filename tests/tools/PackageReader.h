#pragma once
// Unpacks a skin package for the tests: "VLzf", a file count, then per file
// its name, its size and one zlib stream read up to its end marker.
#include <stdexcept>
#include <string>
#include <vector>

namespace pakmole::test {

struct PackedFile {
    std::string name;
    std::string bytes;
};

// Throws std::runtime_error on anything that is not a whole, exact package.
std::vector<PackedFile> UnpackPackage(const std::string& package);

}  // namespace pakmole::test
