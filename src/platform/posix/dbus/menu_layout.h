// The icon's menu as the desktop draws it: a tree of numbered entries with the properties the
// menu protocol names, built from the program's description. Panels that show no tooltip (GNOME's
// extension) would hide the drive summary, so the menu opens with it: one disabled line per line
// of the tip, then a separator, unless the program's menu already begins so.
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/notify_area.h"

namespace sw {

struct MenuNode {
    // The entry's number on the bus; the root is 0, the program's items keep their ids.
    int id = 0;
    // What MenuItemChosen reports; 0 for the root and the lines this layer adds.
    int command = 0;
    std::string label;
    bool separator = false;
    bool enabled = true;
    NotifyMenuToggle toggle = NotifyMenuToggle::None;
    bool checked = false;
    std::vector<MenuNode> children;

    friend bool operator==(const MenuNode&, const MenuNode&) = default;
};

using MenuValue = std::variant<std::string, bool, int>;
using MenuProperties = std::vector<std::pair<std::string, MenuValue>>;

MenuNode MenuLayout(const NotifyMenu& menu, const std::string& summary);

// The entry numbered `id`, or null.
const MenuNode* FindMenuNode(const MenuNode& root, int id);

// The entry's properties by the protocol's names, only those in `names` (all for an empty list).
MenuProperties MenuNodeProperties(const MenuNode& node, const std::vector<std::string>& names);

}  // namespace sw
