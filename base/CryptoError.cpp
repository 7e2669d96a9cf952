#include "CryptoError.h"

#include <string>

namespace pakmole {

Exception CryptoError(std::string_view call, std::string_view reason) {
    return Exception("the system's cryptography failed (" + std::string(call) + ": " + std::string(reason) + ")");
}

}  // namespace pakmole
