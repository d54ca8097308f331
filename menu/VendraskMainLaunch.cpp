// SPDX-License-Identifier: MIT
// The menu's part of starting an item: hide quietly, then the launch service.
#include "VendraskApp.h"
#include "VendraskMain.h"

void CVendraskMain::ExecuteItem() {
    const ItemPlace place = FocusedItem();
    if (!place.IsItem())
        return;
    // A copy: the hide below may switch to the default group.
    const ItemRecord item = m_app.Item(place.group, place.slot);
    if (item.Path.IsEmpty()) {
        OnItemCommand(kCmdEdit, place);
        return;
    }
    // Hidden first, so the menu is gone even when nothing can start.
    m_flagQuietHide = 1;
    HideMenu();
    m_launch.ExecuteItem(item);
}
