#pragma once
// A form's own caption buttons (TsTitleButtons of TsTitleButton): laid out
// after the system buttons, painted with the skin's "TITLEBUTTON" picture
// and their glyph, and told when the mouse goes down and up on them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/Bitmap32.h"
#include "ui/Object.h"

namespace pakmole {

class TsTitleButton : public TPersistent {
public:
    std::string ClassName() const override { return "TsTitleButton"; }
    bool Enabled = true;
    // Empty: none. Drawn centred: blended by its alpha when it has any,
    // otherwise with its bottom-left pixel's colour left out.
    TBitmap32 Glyph;
    std::string Hint;
    std::string Name;
    // Painted with the skin's "TITLEBUTTON" picture.
    bool UseSkinData = true;
    bool Visible = true;
    TNotifyEvent OnMouseDown;
    TNotifyEvent OnMouseUp;
};

class TsTitleButtons {
public:
    TsTitleButton& Add() {
        items_.push_back(std::make_unique<TsTitleButton>());
        Changed();
        return *items_.back();
    }
    void Clear() {
        items_.clear();
        Changed();
    }
    int Count() const { return static_cast<int>(items_.size()); }
    TsTitleButton& Items(int i) { return *items_.at(static_cast<std::size_t>(i)); }
    const TsTitleButton& Items(int i) const { return *items_.at(static_cast<std::size_t>(i)); }
    // Call after changing a button's properties: the frame is laid out and painted again.
    void Changed() {
        if (OnChange) OnChange();
    }
    std::function<void()> OnChange;

private:
    std::vector<std::unique_ptr<TsTitleButton>> items_;
};

}  // namespace pakmole
