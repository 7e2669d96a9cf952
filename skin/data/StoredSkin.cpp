#include "skin/data/StoredSkin.h"

#include <stdexcept>

namespace pakmole {

void TsStoredSkin::Assign(const TsStoredSkin& source) {
    if (&source == this) return;
    PackedData.Clear();
    PackedData.Write(source.PackedData.Memory(), source.PackedData.Bytes().size());
    PackedData.SetPosition(0);
    Name = source.Name;
    MasterBitmap = source.MasterBitmap;
    Shadow1Color = source.Shadow1Color;
    Shadow1Offset = source.Shadow1Offset;
    Shadow1Blur = source.Shadow1Blur;
    Shadow1Transparency = source.Shadow1Transparency;
    BorderColor = source.BorderColor;
    Version = source.Version;
    Author = source.Author;
    Description = source.Description;
    Changed();
}

void TsStoredSkin::ReadData(const std::vector<unsigned char>& bytes) {
    PackedData.Clear();
    PackedData.Write(bytes.data(), bytes.size());
    PackedData.SetPosition(0);
    Changed();
}

void TsStoredSkin::Changed() {
    if (collection_) collection_->NotifyChanged();
}

TsStoredSkin& TsStoredSkins::Add() {
    items_.push_back(std::make_unique<TsStoredSkin>());
    items_.back()->collection_ = this;
    NotifyChanged();
    return *items_.back();
}

void TsStoredSkins::Delete(int index) {
    if (index < 0 || index >= Count()) throw std::out_of_range("List index out of bounds");
    items_.erase(items_.begin() + index);
    NotifyChanged();
}

void TsStoredSkins::Clear() {
    items_.clear();
    NotifyChanged();
}

int TsStoredSkins::IndexOf(const std::string& name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Name == name) return static_cast<int>(i);
    return -1;
}

}  // namespace pakmole
