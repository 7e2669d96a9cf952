#include "Exceptions.h"

namespace pakmole {

EStreamError StreamReadError() { return EStreamError("Stream read error"); }
EStreamError StreamWriteError() { return EStreamError("Stream write error"); }

EFileError FileOpenError(const std::string& path, const std::string& reason) {
    return EFileError("Cannot open file \"" + path + "\". " + reason);
}

EFileError FileCreateError(const std::string& path, const std::string& reason) {
    return EFileError("Cannot create file \"" + path + "\". " + reason);
}

}  // namespace pakmole
