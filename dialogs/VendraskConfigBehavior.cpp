// SPDX-License-Identifier: MIT
#include "dialogs/VendraskConfigBehavior.h"

#include "app/VendraskApp.h"
#include "app/VendraskLog.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonCombo.h"
#include "common/controls/KelvoCommonGroup.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonWindow.h"
#include "common/platform/KelvoCommonHotKey.h"
#include "common/platform/KelvoCommonMessageBox.h"
#include "dialogs/VendraskDialogUnits.h"

#include <QApplication>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

using VendraskDialogUnits::Rect;

namespace {

// The check boxes in the order of their ids, 1120 to 1128, with the setting
// each one switches.
struct CheckEntry {
    int id;
    const char* text;
    QRect du;
    int CVendraskApp::* setting;
};
const std::array<CheckEntry, 9> kChecks{{
    {CVendraskConfigBehavior::kIdTop, "", {360, 13, 8, 8}, &CVendraskApp::m_mouseHookTop},
    {CVendraskConfigBehavior::kIdBottom, "", {360, 57, 8, 8}, &CVendraskApp::m_mouseHookBottom},
    {CVendraskConfigBehavior::kIdLeft, "", {289, 36, 10, 8}, &CVendraskApp::m_mouseHookLeft},
    {CVendraskConfigBehavior::kIdRight, "", {429, 36, 8, 8}, &CVendraskApp::m_mouseHookRight},
    {CVendraskConfigBehavior::kIdClickOnDesktop,
     QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Hook with Click on Desktop"),
     {12, 60, 150, 10},
     &CVendraskApp::m_mouseHookClickOnDesktop},
    {CVendraskConfigBehavior::kIdConfirmation,
     QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Confirmation Dialog"),
     {12, 84, 150, 10},
     &CVendraskApp::m_behaviorConfirmationDialog},
    {CVendraskConfigBehavior::kIdItemLock,
     QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Item Lock"),
     {12, 108, 150, 10},
     &CVendraskApp::m_behaviorItemLock},
    {CVendraskConfigBehavior::kIdTopMost,
     QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Show Menu Top Most"),
     {12, 132, 150, 10},
     &CVendraskApp::m_behaviorShowTopMost},
    {CVendraskConfigBehavior::kIdUnableHotKey,
     QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Unable Hot Key at Full Screen Mode"),
     {12, 178, 150, 10},
     &CVendraskApp::m_behaviorUnableHotKey},
}};

} // namespace

QString CVendraskConfigBehavior::EdgeName(int id) {
    switch (id) {
    case kIdTop:
        return tr("Top edge");
    case kIdBottom:
        return tr("Bottom edge");
    case kIdLeft:
        return tr("Left edge");
    default:
        return tr("Right edge");
    }
}

int CVendraskConfigBehavior::HotKeyIndex(int modifier, int code) {
    // The keyed combination is the last row; the chords come before it.
    constexpr int kKeyed = static_cast<int>(kHotKeys.size()) - 1;
    if (code == kHotKeys[kKeyed].code)
        return kKeyed;
    if (code != 0)
        return -1;
    for (int i = 0; i < kKeyed; ++i) {
        if (kHotKeys[i].modifier == modifier)
            return i;
    }
    return -1;
}

int CVendraskConfigBehavior::ValueIndex(std::span<const ValueEntry> table, int value) {
    const auto found = std::find_if(table.begin(), table.end(), [value](const ValueEntry& entry) {
        return entry.value == value;
    });
    return found != table.end() ? static_cast<int>(found - table.begin()) : -1;
}

CVendraskConfigBehavior::CVendraskConfigBehavior(CVendraskApp& app, QWidget* parent,
                                                 CVendraskHotKeyState& hotKeyState)
    : CVendraskConfigPage(app, parent, tr("Vendrask Configuration (Behavior)")),
      m_hotKeyState(hotKeyState) {
    setObjectName(QStringLiteral("VendraskConfigBehavior"));
    // Creation order is the tab order.
    m_static[1] = AddStatic(1114, tr("Hot Key"), Rect(12, 12, 58, 12));
    m_hotKey = AddCombo(kIdHotKey, Rect(120, 8, 75, 62));
    // Each list's label is its screen-reader label; no text here has a mnemonic.
    m_static[1]->setBuddy(m_hotKey);
    m_static[2] = AddStatic(1115, tr("Hook Wait on Desktop Edge"), Rect(12, 36, 108, 12));
    m_hookWait = AddCombo(kIdHookWait, Rect(120, 32, 75, 62));
    m_static[2]->setBuddy(m_hookWait);
    // Only lends its rectangle to the page's painting.
    m_edgeFrame = new QWidget(this);
    KelvoCommonSetDlgCtrlID(m_edgeFrame, kIdEdgeFrame);
    m_edgeFrame->setGeometry(Rect(288, 12, 150, 54));
    m_edgeFrame->hide();
    m_static[0] = AddStatic(kIdEdgeLabel, tr("Hookable Desktop Edge"), Rect(324, 36, 93, 12));
    m_static[0]->setAlignment(Qt::AlignCenter);
    for (std::size_t i = 0; i < kChecks.size(); ++i) {
        const CheckEntry& entry = kChecks[i];
        if (entry.id == kIdUnableHotKey) {
            m_static[3] = AddStatic(1116, tr("Default Group"), Rect(12, 157, 108, 12));
            m_defaultGroup = AddCombo(kIdDefaultGroup, Rect(120, 153, 75, 62));
            m_static[3]->setBuddy(m_defaultGroup);
        }
        // The edge boxes have no text; the others carry theirs on the left.
        const QString text = *entry.text ? tr(entry.text) : QString();
        m_check[i] = AddCheck(entry.id, text, Rect(entry.du), !text.isEmpty());
        if (text.isEmpty())
            m_check[i]->setAccessibleName(EdgeName(entry.id));
        connect(m_check[i], &CKelvoCommonCheck::Flipped, this,
                [this, id = entry.id] { OnCheck(id); });
        if (entry.id == kIdClickOnDesktop) {
            const QString tip =
                tr("A double click on a desktop icon opens the icon and leaves the menu hidden "
                   "where the desktop program shows its icons to the accessibility bus (Caja, "
                   "PCManFM-Qt, PCManFM with GTK's accessibility modules). On other desktops "
                   "(Nemo, Xfce) any double click on the desktop calls up the menu.");
            // Rich text, so that the long tip wraps; a screen reader gets it plain.
            m_check[i]->setToolTip(QStringLiteral("<p>%1</p>").arg(tip.toHtmlEscaped()));
            m_check[i]->setAccessibleDescription(tip);
        }
    }
    connect(m_hotKey, &QComboBox::activated, this, &CVendraskConfigBehavior::OnHotKeyChanged);
    connect(m_hookWait, &QComboBox::activated, this, &CVendraskConfigBehavior::OnHookWaitChanged);
    connect(m_defaultGroup, &QComboBox::activated, this,
            &CVendraskConfigBehavior::OnDefaultGroupChanged);
}

CVendraskConfigBehavior::~CVendraskConfigBehavior() = default;

void CVendraskConfigBehavior::OnInitDialog() {
    for (std::size_t i = 0; i < kChecks.size(); ++i)
        m_check[i]->SetCheck(m_app.*kChecks[i].setting != 0 ? 1 : 0);
    for (const HotKeyEntry& entry : kHotKeys)
        m_hotKey->AddString(tr(entry.text));
    for (const ValueEntry& entry : kHookWaits)
        m_hookWait->AddString(tr(entry.text));
    for (const ValueEntry& entry : kDefaultGroups)
        m_defaultGroup->AddString(tr(entry.text));
    m_hotKeyIndex = HotKeyIndex(m_app.m_hotKeyModifier, m_app.m_hotKeyCode);
    m_hotKey->SetCurSel(m_hotKeyIndex);
    m_hookWait->SetCurSel(ValueIndex(kHookWaits, m_app.m_mouseHookMilliSecond));
    m_defaultGroup->SetCurSel(ValueIndex(kDefaultGroups, m_app.m_behaviorDefaultGroupID));
}

void CVendraskConfigBehavior::ApplyPageColors() {
    for (CKelvoCommonStatic* label : m_static)
        ColorControl(label);
    for (CKelvoCommonCombo* combo : {m_hotKey, m_hookWait, m_defaultGroup})
        ColorControl(combo);
    for (CKelvoCommonCheck* check : m_check)
        ColorControl(check);
    update();
}

void CVendraskConfigBehavior::PaintPage(QPainter& painter) {
    const CVendraskApp::ColorSet& set = m_app.ActiveColorSet();
    // Colours 0, 1 and 9: dialog text, background top, button frame not focused.
    CKelvoCommonGroup::ManualDraw(painter, m_edgeFrame, this, set[0], set[1], set[9],
                                  m_app.m_fontDialog);
}

void CVendraskConfigBehavior::OnHotKeyChanged(int index) {
    if (m_flagInitialized == 0 || index < 0 || index >= static_cast<int>(kHotKeys.size()))
        return;
    const QString chosen = m_hotKey->GetLBText(index);
    const QString previous = m_hotKey->GetLBText(m_hotKeyIndex);
    const CVendraskHotKeyState::Choice choice =
        m_hotKeyState.Choose(kHotKeys[index].modifier, kHotKeys[index].code);
    if (choice == CVendraskHotKeyState::Choice::Taken) {
        m_hotKeyIndex = index;
        return;
    }
    QString text = tr("The hot key \"%1\" could not be registered: another program may be "
                      "using it.")
                       .arg(chosen);
    if (choice == CVendraskHotKeyState::Choice::KeptPrevious) {
        // The list shows what works.
        const QSignalBlocker blocker(m_hotKey);
        m_hotKey->SetCurSel(m_hotKeyIndex);
        text += QStringLiteral("\n\n") + tr("The hot key \"%1\" stays in use.").arg(previous);
    } else {
        m_hotKeyIndex = index;
        text += QStringLiteral("\n\n") +
                tr("No hot key works now; choose another one, or call the menu "
                   "up with the icon or a screen edge.");
    }
    // After the list has closed: a box over an open drop-down takes no keys.
    CKelvoCommonMessageBox* box = m_app.Services().messageBox.get();
    QTimer::singleShot(0, qApp, [box, text] { box->ShowError(text); });
}

void CVendraskConfigBehavior::OnHookWaitChanged(int index) {
    if (m_flagInitialized == 0)
        return;
    if (index >= 0 && index < static_cast<int>(kHookWaits.size()))
        m_app.m_mouseHookMilliSecond = kHookWaits[index].value;
    m_app.ApplyMouseHookSettings();
}

void CVendraskConfigBehavior::OnDefaultGroupChanged(int index) {
    if (m_flagInitialized == 0)
        return;
    if (index >= 0 && index < static_cast<int>(kDefaultGroups.size()))
        m_app.m_behaviorDefaultGroupID = kDefaultGroups[index].value;
}

void CVendraskConfigBehavior::OnCheck(int id) {
    const auto found = std::find_if(kChecks.begin(), kChecks.end(),
                                    [id](const CheckEntry& entry) { return entry.id == id; });
    if (found == kChecks.end())
        return;
    const std::size_t i = static_cast<std::size_t>(found - kChecks.begin());
    m_app.*found->setting = m_check[i]->GetCheck() == 1 ? 1 : 0;
    m_app.ApplyMouseHookSettings();
}
