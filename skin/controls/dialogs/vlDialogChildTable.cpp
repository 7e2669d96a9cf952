#include "skin/controls/dialogs/vlDialogChildTable.h"

#include <cctype>

namespace pakmole {

namespace {

// The platform's style bits the table reads.
constexpr uint32_t kStaticTypeMask = 0x1F;
constexpr uint32_t kStaticIcon = 0x03, kStaticGrayRect = 0x05, kStaticWhiteRect = 0x06, kStaticSimple = 0x0B,
                   kStaticOwnerDraw = 0x0D, kStaticBitmap = 0x0E;
constexpr uint32_t kExStaticEdge = 0x00020000;
constexpr uint32_t kButtonTypeMask = 0x0F;
constexpr uint32_t kButtonCheckBox = 0x02, kButtonAutoCheckBox = 0x03, kButtonRadio = 0x04, kButton3State = 0x05,
                   kButtonAuto3State = 0x06, kButtonGroupBox = 0x07, kButtonAutoRadio = 0x09;
constexpr uint32_t kSizeGrip = 0x10;
constexpr uint32_t kTabOwnerDrawFixed = 0x2000;
constexpr uint32_t kToolbarWrapable = 0x200;

}  // namespace

std::string LowerClassName(const std::string& name) {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

TvlChildChoice ChildAdapterFor(const std::string& className, uint32_t style, uint32_t exStyle, bool visible) {
    using A = TvlChildAdapter;
    const std::string c = LowerClassName(className);
    if (c == "static") {
        const uint32_t type = style & kStaticTypeMask;
        if (type == kStaticIcon || type == kStaticBitmap)
            return (exStyle & kExStaticEdge) ? TvlChildChoice{A::Edge, "EDIT"} : TvlChildChoice{A::Icon, "CHECKBOX"};
        if (type == kStaticOwnerDraw || type == kStaticGrayRect || type == kStaticWhiteRect || type == kStaticSimple)
            return {};
        return {A::Static, "CHECKBOX"};
    }
    if (c == "#32770" || c == "shbrowseforfolder") return {A::TransPanel, "CHECKBOX"};
    if (c == "tpanel") return {A::Panel, "CHECKBOX"};
    if (c == "tsilentpaintpanel") return {A::Panel, "GROUPBOX"};
    if (c == "edit") return visible ? TvlChildChoice{A::Edit, "EDIT", true} : TvlChildChoice{};
    if (c == "button") {
        switch (style & kButtonTypeMask) {
        case kButtonGroupBox: return {A::GroupBox, "GROUPBOX"};
        case kButtonCheckBox:
        case kButtonAutoCheckBox:
        case kButtonRadio:
        case kButton3State:
        case kButtonAuto3State:
        case kButtonAutoRadio: return {A::CheckBox, "CHECKBOX"};
        default: return {A::Button, "BUTTON"};
        }
    }
    if (c == "combobox" || c == "comboboxex32") return {A::ComboBox, "COMBOBOX"};
    if (c == "combolbox") return {A::ComboList, "COMBOBOX"};
    if (c == "scrollbar") return (style & kSizeGrip) ? TvlChildChoice{A::Sizer, "CHECKBOX"} : TvlChildChoice{};
    if (c == "systabcontrol32")
        return (style & kTabOwnerDrawFixed) ? TvlChildChoice{} : TvlChildChoice{A::TabControl, "PAGECONTROL"};
    if (c == "syslistview32") return {A::ListView, "EDIT", true};
    if (c == "msctls_updown32") return {A::Spin, "SPEEDBUTTON_SMALL"};
    if (c == "msctls_trackbar32") return {A::Track, "TRACKBAR"};
    if (c == "listbox") return {A::Edit, "EDIT", true};
    if (c == "link window" || c == "syslink") return {A::Link, "CHECKBOX"};
    if (c == "toolbarwindow32") return {A::ToolBar, (style & kToolbarWrapable) ? "BAR" : "CHECKBOX"};
    if (c == "systreeview32") return {A::TreeView, "EDIT", true};
    return {};
}

}  // namespace pakmole
