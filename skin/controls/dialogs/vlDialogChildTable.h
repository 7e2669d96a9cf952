#pragma once
// Which adapter a child window of a skinned platform dialog gets, from its
// window class name and styles, and with which skin section. Portable: the
// style bits come in as numbers, so the whole table is checked natively.
#include <cstdint>
#include <string>

namespace pakmole {

enum class TvlChildAdapter {
    None, Static, Icon, Edge, TransPanel, Panel, Edit, GroupBox, CheckBox, Button, ComboBox, ComboList, Sizer,
    TabControl, ListView, Spin, Track, Link, ToolBar, TreeView
};

struct TvlChildChoice {
    TvlChildAdapter Adapter = TvlChildAdapter::None;
    std::string Section;
    // Edit-like adapters made for a dialog keep the platform's field colour.
    bool DialogMode = false;
};

// className in any letter case; style and exStyle the window's; visible its WS_VISIBLE.
TvlChildChoice ChildAdapterFor(const std::string& className, uint32_t style, uint32_t exStyle, bool visible);

// Lower-case copy of a window class name.
std::string LowerClassName(const std::string& name);

}  // namespace pakmole
