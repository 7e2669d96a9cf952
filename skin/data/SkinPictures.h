#pragma once
// The pictures of one skin load. A picture is decoded the first time a record
// names it and shared by every record that names it again, so a skin that
// names its master bitmap a thousand times costs one decoded copy, not a
// thousand. Which pictures a reference may reach is decided here too: a
// packaged (or internal) skin reads only its own package, a skin folder only
// files inside the folder; the common sections, which are the program's own
// text, read files inside the skin's folder.
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "skin/data/Bitmap32.h"
#include "skin/data/SkinFileSource.h"

namespace pakmole {

struct TsSkinData;

// How a record turns a decoded picture into its bitmap.
enum class TPicturePrep {
    Opaque,  // no alpha in the file: opaque, except the key pixels
    ImageFile,  // as "Opaque", but a PNG is cleared of transparent white or premultiplied by the skin's version
};

class TSkinPictures {
public:
    // data gives the image folder and the version at the time of each use.
    TSkinPictures(const TSkinFileSource& files, const TsSkinData& data) : files_(files), data_(data) {}

    // A picture the skin names: the packaged image matched by packageKey, or
    // for a skin folder the file fileName inside it. nullptr when there is no
    // such picture; fails when the picture cannot be decoded.
    std::shared_ptr<TBitmap32> FromSkin(const std::string& packageKey, const std::string& fileName,
                                        TPicturePrep prep);
    // A picture the common sections name: a file inside the skin's folder.
    std::shared_ptr<TBitmap32> FromOverlay(const std::string& fileName, TPicturePrep prep);

private:
    std::shared_ptr<TBitmap32> Get(const TSkinPictureSource& source, const std::string& name, TPicturePrep prep);

    const TSkinFileSource& files_;
    const TsSkinData& data_;
    // Keyed by the package entry's bytes or the file's path, and the preparation.
    std::map<std::pair<std::pair<const void*, std::string>, TPicturePrep>, std::shared_ptr<TBitmap32>> pictures_;
};

}  // namespace pakmole
