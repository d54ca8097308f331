// SPDX-License-Identifier: MIT
// Editing items in place: the item commands of the item menu and their
// accelerators, the one-item clipboard, files dropped onto item buttons,
// item buttons dragged onto others, and the group title window.
#include "app/VendraskApp.h"
#include "app/VendraskLog.h"
#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCapture.h"
#include "common/controls/KelvoCommonDropFiles.h"
#include "dialogs/VendraskConfirmation.h"
#include "dialogs/VendraskGroupTitle.h"
#include "dialogs/VendraskItemFile.h"
#include "dialogs/VendraskItemSetting.h"
#include "menu/VendraskMain.h"

#include <QAction>

namespace {

bool IsEmptyItem(const ItemRecord& item) {
    return item.Name.IsEmpty() && item.Path.IsEmpty() && item.WorkingFolder.IsEmpty() &&
           item.Option.IsEmpty();
}

// Whatever holds the mouse now lets go of it (a button keeps it while
// hovered, and a modal window must get the mouse).
void ReleaseMouseCapture() {
    if (QWidget* holder = CKelvoCommonCapture::GetCapture())
        CKelvoCommonCapture::ReleaseCapture(holder);
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

// The folder an item's path lies in, as stored: up to and with the last
// separator of either kind; empty for a path without one (special locations).
// Runs a sub-window with its open flag set, so that Close can end it.
int RunWithFlag(int& flag, CVendraskSmallWindow& window) {
    flag = 1;
    const int result = window.DoModal();
    flag = 0;
    return result;
}

} // namespace

CVendraskConfirmation& CVendraskMain::Confirmation() {
    if (m_confirmationWindow == nullptr)
        m_confirmationWindow = new CVendraskConfirmation(m_app, this);
    return *m_confirmationWindow;
}

CVendraskItemSetting& CVendraskMain::ItemSetting() {
    if (m_itemSettingWindow == nullptr)
        m_itemSettingWindow = new CVendraskItemSetting(m_app, this);
    return *m_itemSettingWindow;
}

CVendraskGroupTitle& CVendraskMain::GroupTitle() {
    if (m_groupTitleWindow == nullptr)
        m_groupTitleWindow = new CVendraskGroupTitle(m_app, this);
    return *m_groupTitleWindow;
}

bool CVendraskMain::Confirm(const QString& question) {
    ReleaseMouseCapture();
    if (m_app.m_behaviorConfirmationDialog == 0)
        return true;
    CVendraskConfirmation& confirmation = Confirmation();
    confirmation.m_confirmationMessage = question;
    return RunWithFlag(m_flagConfirmationOpen, confirmation) == CVendraskConfirmation::kResultOk;
}

void CVendraskMain::SaveItem(ItemPlace place) {
    m_app.SaveItem(place.group, place.slot);
}

void CVendraskMain::ShowItemName(ItemPlace place) {
    if (place.group == m_app.m_currentGroup)
        ShowItem(place.slot);
}

void CVendraskMain::OnItemCommand(int command) {
    OnItemCommand(command, FocusedItem());
}

void CVendraskMain::OnItemCommand(int command, ItemPlace place) {
    if (m_app.m_behaviorItemLock != 0)
        return;
    QAction* paste = ItemMenuAction(kCmdPaste);
    // The question is asked even when no item has the focus; the answer
    // applies to the item the command was started for.
    switch (command) {
    case kCmdCut:
        if (!Confirm(CVendraskConfirmation::CutQuestion()))
            return;
        break;
    case kCmdPaste:
        // Nothing was ever copied: an accidental Ctrl+V must not empty an item.
        if (!paste->isEnabled())
            return;
        if (!Confirm(CVendraskConfirmation::PasteQuestion()))
            return;
        break;
    case kCmdDelete:
        if (!Confirm(CVendraskConfirmation::DeleteQuestion()))
            return;
        break;
    default:
        break;
    }
    if (!place.IsItem())
        return;
    ItemRecord& item = m_app.Item(place.group, place.slot);

    switch (command) {
    case kCmdEdit: {
        CVendraskItemSetting& setting = ItemSetting();
        setting.m_itemIndex = place.slot;
        setting.m_itemGroup = place.group;
        ReleaseMouseCapture();
        RunWithFlag(m_flagItemSettingOpen, setting);
        ShowItemNames();
        break;
    }
    case kCmdCopy:
        if (IsEmptyItem(item))
            return;
        m_clipboardItem = item;
        paste->setEnabled(true);
        break;
    case kCmdCut:
        if (IsEmptyItem(item))
            return;
        m_clipboardItem = item;
        item = ItemRecord();
        ShowItemName(place);
        paste->setEnabled(true);
        SaveItem(place);
        break;
    case kCmdPaste:
        item = m_clipboardItem;
        ShowItemName(place);
        SaveItem(place);
        break;
    case kCmdDelete:
        item = ItemRecord();
        ShowItemName(place);
        SaveItem(place);
        break;
    case kCmdOpenFolder: {
        if (item.Path.IsEmpty())
            return;
        HideQuietlyNext();
        HideMenu();
        m_launch.OpenFolder(item);
        break;
    }
    default:
        if (command >= kCmdSpecialFirst &&
            command < kCmdSpecialFirst + CVendraskApp::kSpecialItemCount) {
            const ItemRecord& special = m_app.m_specialItem[command - kCmdSpecialFirst];
            item.Name = special.Name;
            item.Path = special.Path;
            item.Option.Clear();
            item.WorkingFolder.Clear();
            SaveItem(place);
            ShowItemNames();
        }
        break;
    }
}

void CVendraskMain::RunGroupTitle() {
    ReleaseMouseCapture();
    CVendraskGroupTitle& title = GroupTitle();
    title.m_groupIndex = m_app.m_currentGroup;
    RunWithFlag(m_flagGroupTitleOpen, title);
}

qintptr CVendraskMain::OnDropFiles(CKelvoCommonMessageEvent& message) {
    // Taking the block releases it when this returns, whatever happens.
    std::unique_ptr<CKelvoCommonDropFiles> drop;
    if (auto* files = dynamic_cast<CKelvoCommonDropFilesEvent*>(&message))
        drop = files->TakeDrop();
    if (m_app.m_behaviorItemLock != 0 || !drop || drop->FileCount() != 1)
        return 0;
    const ItemPlace place = FocusedItem();
    qCDebug(lcVendrask) << "file dropped onto slot" << place.slot << "of group" << place.group;
    if (!place.IsItem())
        return 0;
    m_app.Item(place.group, place.slot) = VendraskItemFile::FromFile(drop->File(0));
    ShowItemName(place);
    SaveItem(place);
    return 0;
}

qintptr CVendraskMain::OnButtonDropped(const CKelvoCommonMessageEvent& message) {
    if (m_app.m_behaviorItemLock != 0)
        return 0;
    // The group is the one the drag ended in, whatever the question's
    // time brings.
    const int group = m_app.m_currentGroup;
    if (!Confirm(CVendraskConfirmation::MoveQuestion()))
        return 0;
    const auto slotOf = [](const QObject* object) {
        const int id = ControlId(qobject_cast<const QWidget*>(object));
        return id >= kIdItemFirst && id <= kIdItemLast ? id - kIdItemFirst : -1;
    };
    // Only this window's own item buttons count.
    const ItemPlace target{group, slotOf(message.WParamObject())};
    const ItemPlace source{group, slotOf(message.LParamObject())};
    if (!target.IsItem() || !source.IsItem() || target == source ||
        message.WParamObject() != ItemButton(target.slot) ||
        message.LParamObject() != ItemButton(source.slot))
        return 0;
    ItemRecord& to = m_app.Item(group, target.slot);
    ItemRecord& from = m_app.Item(group, source.slot);
    to = from;
    from = ItemRecord();
    ShowItemName(target);
    ShowItemName(source);
    SaveItem(target);
    SaveItem(source);
    return 0;
}
