#pragma once
// A failure inside the platform's cryptography, worded alike on every platform.
#include <string_view>

#include "Exceptions.h"

namespace pakmole {
// E.g. CryptoError("BCryptDecrypt", "status 0xC000000D").
Exception CryptoError(std::string_view call, std::string_view reason);
}
