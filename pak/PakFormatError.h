#pragma once
#include "base/Exceptions.h"

namespace pakmole {

// The file is not a pak this program can read (too short, index outside the
// file, a damaged index record). Raised for the whole file, not per entry.
class EPakFormatError : public Exception {
public:
    using Exception::Exception;
};

// The pak's index is encrypted and no key was given, or the key given does
// not open it.
class EPakKeyError : public EPakFormatError {
public:
    enum class Kind { Missing, Wrong };
    explicit EPakKeyError(Kind kind)
        : EPakFormatError(kind == Kind::Missing ? "the pak's index is encrypted; give its AES key with --aes-key"
                                                : "the key does not open this pak"),
          kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

}  // namespace pakmole
