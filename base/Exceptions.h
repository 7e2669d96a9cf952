#pragma once
// Failures surface as exceptions whose message is the text the user sees.
#include <stdexcept>
#include <string>

namespace pakmole {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reading or writing a stream failed ("Stream read error", "Stream write error").
class EStreamError : public Exception {
public:
    using Exception::Exception;
};

// A file could not be opened or created; the message names the file and the reason.
class EFileError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

EStreamError StreamReadError();
EStreamError StreamWriteError();
EFileError FileOpenError(const std::string& path, const std::string& reason);
EFileError FileCreateError(const std::string& path, const std::string& reason);

}  // namespace pakmole
