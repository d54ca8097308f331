// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonTab.h"

#include "common/controls/KelvoCommonAccessible.h"
#include "common/controls/KelvoCommonPaint.h"
#include "common/controls/KelvoCommonWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CKelvoCommonTab::CKelvoCommonTab(QWidget* parent) : QWidget(parent) {
    KelvoCommonInstallAccessible();
    setFocusPolicy(Qt::NoFocus);
}

CKelvoCommonTab::~CKelvoCommonTab() = default;

int CKelvoCommonTab::InsertItem(int index, const QString& caption) {
    if (index < 0)
        return -1;
    index = std::min(index, GetItemCount());
    m_captions.insert(index, caption);
    if (m_current < 0)
        m_current = 0;
    else if (index <= m_current)
        ++m_current;
    update();
    return index;
}

bool CKelvoCommonTab::DeleteItem(int index) {
    if (index < 0 || index >= GetItemCount())
        return false;
    m_captions.removeAt(index);
    if (GetItemCount() == 0)
        m_current = -1;
    else if (index < m_current || m_current >= GetItemCount())
        --m_current;
    update();
    return true;
}

void CKelvoCommonTab::DeleteAllItems() {
    m_captions.clear();
    m_current = -1;
    update();
}

QString CKelvoCommonTab::GetItemText(int index) const {
    return index >= 0 && index < GetItemCount() ? m_captions.at(index) : QString();
}

QRect CKelvoCommonTab::GetItemRect(int index) const {
    return index >= 0 && index < GetItemCount() ? ItemRect(index) : QRect();
}

int CKelvoCommonTab::SetCurSel(int index) {
    if (index < 0 || index >= GetItemCount())
        return -1;
    const int previous = m_current;
    m_current = index;
    update();
    return previous;
}

int CKelvoCommonTab::HitTest(QPoint point) const {
    for (int i = 0; i < GetItemCount(); ++i) {
        if (ItemRect(i).contains(point))
            return i;
    }
    return -1;
}

void CKelvoCommonTab::SetColor(CKelvoCommonTabColor color) {
    m_color = color;
}

void CKelvoCommonTab::GetColor(CKelvoCommonTabColor* color) const {
    if (color)
        *color = m_color;
}

QRect CKelvoCommonTab::ItemRect(int index) {
    return {index * (kItemWidth + kItemGap), 0, kItemWidth, kItemHeight};
}

QString CKelvoCommonTab::Caption(const QString& text) {
    return KelvoCommonCutText(text, kCaptionLength);
}

void CKelvoCommonTab::PaintBackground(QPainter& painter, QRect client, int firstTabHeight,
                                      const CKelvoCommonTabColor& colors) {
    kelvo::paint::FillSolidRect(painter, client, kelvo::paint::Color(colors.colorBackground));
    kelvo::paint::FrameRect(painter, client.adjusted(0, firstTabHeight / 2, 0, 0),
                            kelvo::paint::Color(colors.colorFrame));
}

void CKelvoCommonTab::PaintItem(QPainter& painter, QRect item, const QString& caption,
                                bool selected, const CKelvoCommonTabColor& colors) {
    kelvo::paint::FillSolidRect(painter, item,
                                kelvo::paint::Color(selected ? colors.colorTabBackgroundSelected
                                                             : colors.colorTabBackground));
    kelvo::paint::TextFlags flags;
    flags.endEllipsis = true;
    kelvo::paint::DrawText(
        painter, item, Caption(caption), flags,
        kelvo::paint::Color(selected ? colors.colorTextSelected : colors.colorText));
}

void CKelvoCommonTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    PaintBackground(painter, rect(), GetItemCount() > 0 ? ItemRect(0).height() : 0, m_color);
    for (int i = 0; i < GetItemCount(); ++i)
        PaintItem(painter, ItemRect(i), m_captions.at(i), i == m_current, m_color);
}

void CKelvoCommonTab::SelectByUser(int index) {
    if (index < 0 || index >= GetItemCount() || index == m_current)
        return;
    SetCurSel(index);
    emit SelectionChanged(index);
}

void CKelvoCommonTab::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int index = HitTest(event->position().toPoint());
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    SelectByUser(index);
}

void CKelvoCommonTab::mouseDoubleClickEvent(QMouseEvent* event) {
    // A control keeps its clicks: a double click on the strip or the
    // margins never reaches the window around it (which may close on one).
    if (event->button() == Qt::LeftButton)
        SelectByUser(HitTest(event->position().toPoint()));
    event->accept();
}

void CKelvoCommonTab::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        SelectByUser(m_current - 1);
        event->accept();
        return;
    case Qt::Key_Right:
        SelectByUser(m_current + 1);
        event->accept();
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

QSize CKelvoCommonTab::sizeHint() const {
    const int count = std::max(1, GetItemCount());
    return {count * kItemWidth + (count - 1) * kItemGap, kItemHeight * 4};
}
