#pragma once
// Hex SHA-1 of bytes, for comparing with published digests (native tests only).
#include <string>

namespace pakmole::test {
std::string Sha1Hex(const std::string& bytes);
}
