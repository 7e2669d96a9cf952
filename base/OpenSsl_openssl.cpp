#include "OpenSsl_openssl.h"

#include <openssl/err.h>

#include "CryptoError.h"

namespace pakmole {

void CheckOpenSsl(bool ok, const char* call) {
    if (ok) return;
    const unsigned long code = ERR_get_error();
    // The queue holds what this thread's failed call left; later calls must not see it.
    ERR_clear_error();
    char reason[256] = "no reason given";
    if (code) ERR_error_string_n(code, reason, sizeof reason);
    throw CryptoError(call, reason);
}

}  // namespace pakmole
