// SPDX-License-Identifier: MIT
#include "dialogs/VendraskConfig.h"

#include "app/VendraskApp.h"
#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonPaint.h"
#include "common/controls/KelvoCommonTab.h"
#include "common/controls/KelvoCommonWindow.h"
#include "dialogs/VendraskConfigAppearance.h"
#include "dialogs/VendraskConfigBehavior.h"
#include "dialogs/VendraskConfigSound.h"
#include "dialogs/VendraskDialogUnits.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

using VendraskDialogUnits::Rect;

CVendraskConfig::CVendraskConfig(CVendraskApp& app, QWidget* owner,
                                 CVendraskHotKeyState& hotKeyState)
    : CVendraskSmallWindow(app, owner, QSize(kWidth, kHeight), tr("Vendrask Configuration"),
                           Placement::PointerMonitorTopMost),
      m_hotKeyState(hotKeyState) {
    setObjectName(QStringLiteral("VendraskConfig"));
    m_tab = new CKelvoCommonTab(this);
    KelvoCommonSetDlgCtrlID(m_tab, kIdTab);
    m_tab->setGeometry(Rect(6, 18, 467, 221));
    m_tab->setAccessibleName(tr("Configuration pages"));
    // A picture-only button that shows no focus: off the Tab chain, so the
    // keyboard never lands on it unseen (Enter there would close).
    CreateCloseButton(kIdClose)->SetFlagTabStop(0);
    connect(m_tab, &CKelvoCommonTab::SelectionChanged, this, &CVendraskConfig::SwitchPage);
}

CVendraskConfig::~CVendraskConfig() = default;

CVendraskConfigPage* CVendraskConfig::Page(int index) const {
    switch (index) {
    case PageBehavior:
        return m_behavior;
    case PageAppearance:
        return m_appearance;
    case PageSound:
        return m_sound;
    default:
        return nullptr;
    }
}

void CVendraskConfig::OnInitDialog() {
    m_tab->DeleteAllItems();
    m_tab->InsertItem(PageBehavior, tr("Behavior"));
    m_tab->InsertItem(PageAppearance, tr("Appearance"));
    m_tab->InsertItem(PageSound, tr("Sound"));
    m_tab->SetCurSel(PageBehavior);

    // Every opening builds its pages afresh from the model.
    for (int index = 0; index < kPageCount; ++index)
        delete Page(index);
    m_behavior = new CVendraskConfigBehavior(m_app, m_tab, m_hotKeyState);
    m_appearance = new CVendraskConfigAppearance(m_app, m_tab);
    m_sound = new CVendraskConfigSound(m_app, m_tab);
    for (int index = 0; index < kPageCount; ++index) {
        CVendraskConfigPage* page = Page(index);
        page->move(kPageOrigin);
        page->InitDialog();
        page->setVisible(index == PageBehavior);
    }
    ApplyWindowColors();
    // The keyboard starts on the Behavior page's first control.
    FocusFirstControl(*m_behavior);
}

void CVendraskConfig::FocusFirstControl(CVendraskConfigPage& page) {
    // The tab control takes no focus: the page's first control gets it.
    const auto controls = page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->isVisibleTo(&page) && control->isEnabled() &&
            (control->focusPolicy() & Qt::TabFocus) != 0) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CVendraskConfig::OnCloseCommand() {
    done(1);
}

void CVendraskConfig::OnEndDialog() {
    // The sound paths first, so the file gets them and the sounds load
    // from them.
    if (m_sound != nullptr)
        m_sound->TakePaths();
    m_app.SaveToIniFile(CVendraskApp::kPartGeneral);
    m_app.LoadSoundData();
    // The pages go when the next opening builds new ones: the run may end
    // from inside a page's own handler or a chooser over it.
    for (int index = 0; index < kPageCount; ++index) {
        if (CVendraskConfigPage* page = Page(index))
            page->hide();
    }
}

void CVendraskConfig::ApplyWindowColors() {
    ApplyTransparency();
    if (CKelvoCommonButton* close = CloseButton())
        close->SetColor(m_app.m_buttonColor);
    m_tab->SetColor(m_app.m_tabColor);
    m_tab->setFont(m_app.m_fontSmall);
}

void CVendraskConfig::SwitchPage(int index) {
    for (int page = 0; page < kPageCount; ++page) {
        if (CVendraskConfigPage* shown = Page(page))
            shown->setVisible(page == index);
    }
}

bool CVendraskConfig::StepPageByKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event.key();
    int step = 0;
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_Tab || key == Qt::Key_PageDown))
        step = 1;
    else if ((modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key == Qt::Key_Backtab) ||
             (modifiers == Qt::ControlModifier && key == Qt::Key_PageUp))
        step = -1;
    if (step == 0)
        return false;
    const int next = (m_tab->GetCurSel() + step + kPageCount) % kPageCount;
    m_tab->SetCurSel(next);
    SwitchPage(next);
    if (CVendraskConfigPage* page = Page(next))
        FocusFirstControl(*page);
    return true;
}

bool CVendraskConfig::eventFilter(QObject* watched, QEvent* event) {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && widget != nullptr && widget->window() == this &&
        StepPageByKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return CVendraskSmallWindow::eventFilter(watched, event);
}

void CVendraskConfig::keyPressEvent(QKeyEvent* event) {
    if (StepPageByKey(*event))
        return;
    CVendraskSmallWindow::keyPressEvent(event);
}

void CVendraskConfig::OnColorChanged() {
    ApplyWindowColors();
    update();
    m_tab->update();
    // The Sound page keeps its controls' colours until the next opening;
    // its background follows by itself.
    if (m_behavior != nullptr)
        m_behavior->ApplyPageColors();
    if (m_sound != nullptr)
        m_sound->update();
    KelvoCommonSendMessage(parentWidget(), WM_APP_COLORCHANGED);
}

bool CVendraskConfig::event(QEvent* event) {
    if (event->type() == WM_APP_COLORCHANGED) {
        OnColorChanged();
        if (auto* message = dynamic_cast<CKelvoCommonMessageEvent*>(event))
            message->SetResult(1);
        return true;
    }
    return CVendraskSmallWindow::event(event);
}

void CVendraskConfig::PaintBackground(QPainter& painter) {
    // A flat fill of the dialog background's top colour, framed.
    painter.fillRect(rect(), kelvo::paint::Color(m_app.ActiveColorSet()[1]));
    kelvo::paint::FrameRect(painter, rect(), m_app.m_brushDialogFrame.color());
}
