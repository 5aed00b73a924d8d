// Program items keep their ids, so a click on a menu drawn from an older layout still finds the
// item it meant; the summary's lines take ids far above any the program gives.
#include "platform/posix/dbus/menu_layout.h"

#include <algorithm>

namespace sw {

namespace {

constexpr int kAddedIds = 0x40000000;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start <= text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

MenuNode NodeOf(const NotifyMenuItem& item)
{
    MenuNode node;
    node.id = item.id;
    node.command = item.id;
    node.separator = item.caption == "-";
    node.label = node.separator ? "" : item.caption;
    node.enabled = item.enabled;
    node.toggle = item.toggle;
    node.checked = item.checked;
    for (const NotifyMenuItem& child : item.items)
        node.children.push_back(NodeOf(child));
    return node;
}

bool BeginsWithSummary(const NotifyMenu& menu, const std::vector<std::string>& lines)
{
    return !menu.empty() && !lines.empty() && !menu.front().enabled &&
           menu.front().caption == lines.front();
}

const char* ToggleName(NotifyMenuToggle toggle)
{
    return toggle == NotifyMenuToggle::Radio ? "radio" : "checkmark";
}

}  // namespace

MenuNode MenuLayout(const NotifyMenu& menu, const std::string& summary)
{
    MenuNode root;
    const std::vector<std::string> lines = Lines(summary);
    if (!lines.empty() && !BeginsWithSummary(menu, lines)) {
        int id = kAddedIds;
        for (const std::string& line : lines) {
            MenuNode summaryLine;
            summaryLine.id = id++;
            summaryLine.label = line;
            summaryLine.enabled = false;
            root.children.push_back(summaryLine);
        }
        MenuNode separator;
        separator.id = id;
        separator.separator = true;
        root.children.push_back(separator);
    }
    for (const NotifyMenuItem& item : menu)
        root.children.push_back(NodeOf(item));
    return root;
}

const MenuNode* FindMenuNode(const MenuNode& root, int id)
{
    if (root.id == id)
        return &root;
    for (const MenuNode& child : root.children)
        if (const MenuNode* found = FindMenuNode(child, id))
            return found;
    return nullptr;
}

MenuProperties MenuNodeProperties(const MenuNode& node, const std::vector<std::string>& names)
{
    MenuProperties all;
    if (node.separator) {
        all.emplace_back("type", std::string("separator"));
    } else if (node.id != 0) {
        all.emplace_back("label", node.label);
        all.emplace_back("enabled", node.enabled);
    }
    all.emplace_back("visible", true);
    if (node.toggle != NotifyMenuToggle::None && !node.separator) {
        all.emplace_back("toggle-type", std::string(ToggleName(node.toggle)));
        all.emplace_back("toggle-state", node.checked ? 1 : 0);
    }
    if (!node.children.empty())
        all.emplace_back("children-display", std::string("submenu"));
    if (names.empty())
        return all;
    std::erase_if(all, [&](const auto& property) {
        return std::find(names.begin(), names.end(), property.first) == names.end();
    });
    return all;
}

}  // namespace sw
