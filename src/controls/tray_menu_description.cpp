// The menu's items walked depth first, hidden ones left out, as TPopupMenu numbers them.
#include "controls/tray_menu_description.h"

#include "ui/menus.h"

namespace {

sw::NotifyMenuToggle ToggleOf(const TMenuItem& item)
{
    if (item.RadioItem())
        return sw::NotifyMenuToggle::Radio;
    if (item.AutoCheck() || item.Checked())
        return sw::NotifyMenuToggle::Check;
    return sw::NotifyMenuToggle::None;
}

void Describe(const TMenuItem& parent, sw::NotifyMenu& out, int& id)
{
    for (const TMenuItem* item : parent.ItemList()) {
        if (!item->Visible())
            continue;
        sw::NotifyMenuItem described;
        described.id = ++id;
        described.caption = item->Caption();
        described.toggle = ToggleOf(*item);
        described.checked = item->Checked();
        described.group = item->GroupIndex();
        described.enabled = item->Enabled();
        described.isDefault = item->Default();
        Describe(*item, described.items, id);
        out.push_back(std::move(described));
    }
}

}  // namespace

sw::NotifyMenu DescribeMenu(const TPopupMenu& menu)
{
    sw::NotifyMenu described;
    int id = 0;
    Describe(*menu.Items(), described, id);
    return described;
}
