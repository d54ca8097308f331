// SPDX-License-Identifier: MIT
#include "dialogs/VendraskConfigPage.h"

#include "app/VendraskApp.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonCombo.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonPaint.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

CVendraskConfigPage::CVendraskConfigPage(CVendraskApp& app, QWidget* parent,
                                         const QString& windowText)
    : QWidget(parent), m_app(app), m_windowText(windowText) {
    setFixedSize(kWidth, kHeight);
    setWindowTitle(windowText);
    // A page is no window of its own: a screen reader names it by this.
    setAccessibleName(windowText);
}

CVendraskConfigPage::~CVendraskConfigPage() = default;

void CVendraskConfigPage::InitDialog() {
    OnInitDialog();
    ApplyPageColors();
    m_flagInitialized = 1;
}

QWidget* CVendraskConfigPage::Control(int id) const {
    const auto children = findChildren<QWidget*>();
    const auto found = std::find_if(children.begin(), children.end(), [id](const QWidget* child) {
        return KelvoCommonGetDlgCtrlID(child) == id;
    });
    return found != children.end() ? *found : nullptr;
}

void CVendraskConfigPage::ColorControl(QWidget* control) const {
    if (auto* button = qobject_cast<CKelvoCommonButton*>(control))
        button->SetColor(m_app.m_buttonColor);
    else if (auto* label = qobject_cast<CKelvoCommonStatic*>(control))
        label->m_color = m_app.m_staticTextColor;
    else if (auto* combo = qobject_cast<CKelvoCommonCombo*>(control))
        combo->SetColor(m_app.m_comboColor);
    else if (auto* check = qobject_cast<CKelvoCommonCheck*>(control))
        check->m_color = m_app.m_checkColor;
    else if (auto* edit = qobject_cast<CKelvoCommonEdit*>(control))
        edit->SetColor(m_app.m_editColor);
    control->setFont(m_app.m_fontSmall);
    control->update();
}

void CVendraskConfigPage::SelectByPrefix(CKelvoCommonCombo& combo, const QString& text) {
    const int found = combo.FindString(-1, text);
    combo.SetCurSel(found >= 0 ? found : 0);
}

void CVendraskConfigPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Colour 1 of a set: the dialog background's top.
    painter.fillRect(rect(), kelvo::paint::Color(m_app.ActiveColorSet()[1]));
    PaintPage(painter);
}

void CVendraskConfigPage::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CVendraskConfigPage::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

CKelvoCommonStatic* CVendraskConfigPage::AddStatic(int id, const QString& text, QRect rect) {
    auto* label = new CKelvoCommonStatic(text, this);
    KelvoCommonSetDlgCtrlID(label, id);
    label->setGeometry(rect);
    // One line: a second one would be cut in half by the row's height.
    label->setWordWrap(false);
    return label;
}

CKelvoCommonButton* CVendraskConfigPage::AddButton(int id, const QString& text, QRect rect) {
    auto* button = new CKelvoCommonButton(text, this);
    KelvoCommonSetDlgCtrlID(button, id);
    button->setGeometry(rect);
    button->SetFlagTabStop(1);
    return button;
}

CKelvoCommonCombo* CVendraskConfigPage::AddCombo(int id, QRect rect, quint32 style) {
    auto* combo = new CKelvoCommonCombo(this, style);
    KelvoCommonSetDlgCtrlID(combo, id);
    // The template's height includes the dropped list; the face is one
    // measured entry high with room for its frame.
    const int face = combo->MeasuredSize().height() + 6;
    combo->setGeometry(rect.x(), rect.y(), rect.width(), face);
    // The rest of that height is the dropped list: four or five entries.
    combo->setMaxVisibleItems(std::max(1, (rect.height() - face) / combo->MeasuredSize().height()));
    return combo;
}

CKelvoCommonCheck* CVendraskConfigPage::AddCheck(int id, const QString& text, QRect rect,
                                                 bool leftText) {
    auto* check = new CKelvoCommonCheck(text, this);
    KelvoCommonSetDlgCtrlID(check, id);
    check->setGeometry(rect);
    check->SetLeftText(leftText);
    check->setFocusPolicy(Qt::StrongFocus);
    return check;
}
