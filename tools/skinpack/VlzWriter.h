#pragma once
// Writes a skin package: "VLzf", the file count, then per file its name
// length, name, inflated size and one zlib stream. The program only reads
// packages; this writer serves the build tools and the tests.
#include <string>
#include <utility>
#include <vector>

namespace pakmole::tools {

struct VlzFile {
    std::string name;
    std::vector<unsigned char> bytes;
};

std::vector<unsigned char> WriteVlz(const std::vector<VlzFile>& files, int zlibLevel = 9);

}  // namespace pakmole::tools
