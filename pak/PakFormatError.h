#pragma once
#include "base/Exceptions.h"

namespace pakmole {

// The file is not a pak this program can read (too short, index outside the
// file, a damaged index record). Raised for the whole file, not per entry.
class EPakFormatError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace pakmole
