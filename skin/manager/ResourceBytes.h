#pragma once
// Raw data resources (RCDATA) of the running program.
#include <optional>
#include <vector>

namespace pakmole {

// The bytes of the RCDATA resource of that name in the program's own module;
// nothing when the program carries no such resource.
std::optional<std::vector<unsigned char>> ReadResourceBytes(const char* name);

}  // namespace pakmole
