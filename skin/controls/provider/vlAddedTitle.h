#pragma once
// A text written after a form's caption in a font of its own, and whether
// the caption itself is shown. Any change is told through OnChange.
#include <string>

#include "ui/Font.h"

namespace pakmole {

class TvlAddedTitle : public TPersistent {
public:
    TvlAddedTitle() {
        font_.OnChange = [this](TObject*) { Changed(); };
    }
    TvlAddedTitle(const TvlAddedTitle&) = delete;
    TvlAddedTitle& operator=(const TvlAddedTitle&) = delete;
    std::string ClassName() const override { return "TvlAddedTitle"; }

    // clNone or clWindowText (the default): the caption strip's own colours.
    TFont& Font() { return font_; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) {
        if (text == text_) return;
        text_ = text;
        Changed();
    }
    bool ShowMainCaption() const { return showMainCaption_; }
    void SetShowMainCaption(bool on) {
        if (on == showMainCaption_) return;
        showMainCaption_ = on;
        Changed();
    }

    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }

    TFont font_;
    std::string text_;
    bool showMainCaption_ = true;
};

}  // namespace pakmole
