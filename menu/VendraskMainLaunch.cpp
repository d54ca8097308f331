// SPDX-License-Identifier: MIT
// The menu's part of starting an item: hide quietly, then the launch service.
#include "app/VendraskApp.h"
#include "common/platform/KelvoCommonMessageBox.h"
#include "common/platform/KelvoCommonShell.h"
#include "menu/VendraskMain.h"

#include <QTimer>

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
    HideQuietlyNext();
    HideMenu();
    const int started = m_launch.ExecuteItem(item);
    if (started == 1)
        return;
    // The menu is gone: without a word the user would wait for nothing.
    const QString why = started == 0
                            ? tr("Its file \"%1\" does not exist.").arg(item.Path.ToQString())
                            : m_app.Services().shell->LastError();
    const QString text = tr("The item \"%1\" could not be started.").arg(item.Name.ToQString()) +
                         (why.isEmpty() ? QString() : QStringLiteral("\n\n") + why);
    CKelvoCommonMessageBox* box = m_app.Services().messageBox.get();
    QTimer::singleShot(0, this, [box, text] { box->ShowError(text); });
}
