#include "skin/data/SkinPictures.h"

#include <vector>

#include "skin/data/SkinData.h"
#include "skin/data/SkinImage.h"

namespace pakmole {

std::shared_ptr<TBitmap32> TSkinPictures::FromSkin(const std::string& packageKey, const std::string& fileName,
                                                   TPicturePrep prep) {
    const bool package = files_.IsPackage();
    return Get(files_.Locate(package ? packageKey : std::string(), fileName, data_.ImageFolder, !package), fileName,
               prep);
}

std::shared_ptr<TBitmap32> TSkinPictures::FromOverlay(const std::string& fileName, TPicturePrep prep) {
    return Get(files_.Locate(std::string(), fileName, data_.ImageFolder, true), fileName, prep);
}

std::shared_ptr<TBitmap32> TSkinPictures::Get(const TSkinPictureSource& source, const std::string& name,
                                              TPicturePrep prep) {
    if (!source.Packaged && source.Path.empty()) return nullptr;
    const auto key = std::make_pair(std::make_pair(static_cast<const void*>(source.Packaged), source.Path), prep);
    if (const auto known = pictures_.find(key); known != pictures_.end()) return known->second;

    // A missing file is remembered too, so naming it again costs nothing.
    std::shared_ptr<TBitmap32> picture;
    std::vector<unsigned char> bytes;
    if (files_.Read(source, bytes)) {
        TDecodedImage image = DecodeSkinImage(bytes, name);
        if (prep == TPicturePrep::ImageFile && image.IsPng)
            PrepareSkinPng(image.Bitmap, data_.Version);
        else if (!image.HasAlpha)
            MakeOpaqueExceptKey(image.Bitmap);
        picture = std::make_shared<TBitmap32>(std::move(image.Bitmap));
    }
    pictures_.emplace(key, picture);
    return picture;
}

}  // namespace pakmole
