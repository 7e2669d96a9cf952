#pragma once
// Where a skin's images come from: a folder of loose files, or the image
// items of an unpacked package (which may still name loose files). The loader
// sees only this interface, so both kinds of skin load the same way.
#include <string>
#include <vector>

namespace pakmole {

class TvlSkinConvertor;

class TSkinFileSource {
public:
    virtual ~TSkinFileSource() = default;

    // True when the skin came from a package.
    virtual bool IsPackage() const { return false; }
    // The first packaged image whose upper-cased name equals key exactly
    // (so the key must itself be upper case to match); nullptr when none.
    virtual const std::vector<unsigned char>* FindPackaged(const std::string& key) const;
    // A loose file's whole content; false when there is no such file.
    virtual bool ReadFile(const std::string& path, std::vector<unsigned char>& bytes) const;

    // An image reference: the packaged image matched by packageKey, else
    // (when allowFile) the file, with imageFolder put in front of a name
    // without ":". False when neither exists.
    bool FindImage(const std::string& packageKey, const std::string& fileName, const std::string& imageFolder,
                   bool allowFile, std::vector<unsigned char>& bytes) const;
};

class TPackageFileSource : public TSkinFileSource {
public:
    explicit TPackageFileSource(const TvlSkinConvertor& package) : package_(package) {}
    bool IsPackage() const override { return true; }
    const std::vector<unsigned char>* FindPackaged(const std::string& key) const override;

private:
    const TvlSkinConvertor& package_;
};

}  // namespace pakmole
