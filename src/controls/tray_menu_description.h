// A pop-up menu as a desktop that draws the tray icon's menu itself is given it: every shown
// item with its caption, check mark or radio bullet, group and enabled state, numbered as the
// menu numbers its commands, so the id the desktop reports back finds the item by FindCommand.
#pragma once

#include "platform/notify_area.h"

class TPopupMenu;

sw::NotifyMenu DescribeMenu(const TPopupMenu& menu);
