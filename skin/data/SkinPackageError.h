#pragma once
// Errors of reading a skin package. The wrong-magic text is the one users know
// from the skin manager's error box; damaged packages report the same text so
// that every unusable package reads alike, except damaged zlib data, which
// carries zlib's own reason.
#include "base/Exceptions.h"

namespace pakmole {

class ESkinPackageError : public Exception {
public:
    using Exception::Exception;
};

inline ESkinPackageError NotAPackageError() {
    return ESkinPackageError("Loaded data is not a packed Velourskin file");
}

}  // namespace pakmole
