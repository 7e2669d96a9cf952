#pragma once
// Where tests find the sources and where they may write, as host paths
// (under Wine a Linux path is reached through drive Z:).
#include <string>

namespace pakmole::test {

// A file or folder under the source tree, e.g. SourcePath("samples/sample.pak").
std::string SourcePath(const std::string& relative);
// A file under ../shared (real paks).
std::string SharedPath(const std::string& relative);

// A fresh empty folder for one test, removed when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder, ending with its delimiter.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const;

private:
    std::string path_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace pakmole::test
