#pragma once
// Where a skin's images come from: a folder of loose files, or the image
// items of an unpacked package. The loader sees only this interface, so both
// kinds of skin load the same way.
//
// A skin comes from strangers, so its names never reach outside it: a file
// is read only from inside the skin's folder. A name with a drive, a
// "\\server\share" or root path, a ".." segment or a device name is taken as
// a picture the skin does not have.
#include <string>
#include <vector>

#include "base/ByteBuffer.h"

namespace pakmole {

class TvlSkinConvertor;

// Where an image reference leads: bytes inside the package, else a file
// inside the skin's folder (which may not exist); neither when the reference
// may not be read at all.
struct TSkinPictureSource {
    const ByteBuffer* Packaged = nullptr;
    std::string Path;
};

class TSkinFileSource {
public:
    virtual ~TSkinFileSource() = default;

    // True when the skin came from a package.
    virtual bool IsPackage() const { return false; }
    // The first packaged image whose upper-cased name equals key exactly
    // (so the key must itself be upper case to match); nullptr when none.
    virtual const ByteBuffer* FindPackaged(const std::string& key) const;
    // A loose file's whole content; false when there is no such file.
    virtual bool ReadFile(const std::string& path, std::vector<unsigned char>& bytes) const;

    // An image reference: the packaged image matched by packageKey, else
    // (when allowFile) the file fileName inside imageFolder.
    TSkinPictureSource Locate(const std::string& packageKey, const std::string& fileName,
                              const std::string& imageFolder, bool allowFile) const;
    // False when the source leads nowhere or its file does not exist.
    bool Read(const TSkinPictureSource& source, std::vector<unsigned char>& bytes) const;
    // Locate and Read in one; false when there is no such picture.
    bool FindImage(const std::string& packageKey, const std::string& fileName, const std::string& imageFolder,
                   bool allowFile, std::vector<unsigned char>& bytes) const;
};

class TPackageFileSource : public TSkinFileSource {
public:
    explicit TPackageFileSource(const TvlSkinConvertor& package) : package_(package) {}
    bool IsPackage() const override { return true; }
    const ByteBuffer* FindPackaged(const std::string& key) const override;

private:
    const TvlSkinConvertor& package_;
};

// True when name, put after a folder, names something inside that folder:
// relative, without drive or stream (":"), without a segment of only dots
// and spaces (Windows reads "..." and ".. " as ".."), and without a device
// name ("CON", "NUL", "COM1.BMP", ...), which Windows opens wherever it is.
bool StaysInsideFolder(const std::string& name);

}  // namespace pakmole
