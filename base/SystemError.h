#pragma once
// The platform's text for a system error code (Windows only).
#include <cstdint>
#include <string>

namespace pakmole {
std::string SystemErrorMessage(uint32_t code);
}
