#pragma once
// The roots of the component tree: every component, font and settings object
// answers its class name, which the skin engine matches against its lists.
#include <functional>
#include <string>

namespace pakmole {

class TObject {
public:
    virtual ~TObject() = default;
    virtual std::string ClassName() const { return "TObject"; }
};

// Settings objects that belong to a component (fonts, glyph settings).
class TPersistent : public TObject {
public:
    std::string ClassName() const override { return "TPersistent"; }
};

using TNotifyEvent = std::function<void(TObject* sender)>;

}  // namespace pakmole
