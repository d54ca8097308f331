// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonGroup.h"

#include "common/controls/KelvoCommonAccessible.h"
#include "common/controls/KelvoCommonPaint.h"
#include "common/controls/KelvoCommonWindow.h"

#include <QPainter>

CKelvoCommonGroup::CKelvoCommonGroup(QWidget* parent) : QWidget(parent) {
    KelvoCommonInstallAccessible();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

CKelvoCommonGroup::~CKelvoCommonGroup() = default;

bool CKelvoCommonGroup::Create(const QString& caption, quint32, QRect rect, QWidget* parent,
                               int id) {
    if (!parent)
        return false;
    if (parentWidget() != parent)
        setParent(parent);
    setGeometry(rect);
    SetText(caption);
    KelvoCommonSetDlgCtrlID(this, id);
    show();
    return true;
}

void CKelvoCommonGroup::Initialize(QWidget* parent, int id) {
    if (!parent)
        return;
    QRect rect = geometry();
    if (parentWidget() && parentWidget() != parent)
        rect.moveTopLeft(parentWidget()->mapTo(parent, rect.topLeft()));
    Create(m_text, 0, rect, parent, id);
}

void CKelvoCommonGroup::SetFlagEraseBackground(int value) {
    m_flagEraseBackground = value;
}

void CKelvoCommonGroup::SetColor(CKelvoCommonGroupColor color) {
    m_color = color;
}

void CKelvoCommonGroup::GetColor(CKelvoCommonGroupColor* color) const {
    if (color)
        *color = m_color;
}

void CKelvoCommonGroup::SetText(const QString& text) {
    m_text = text;
    update();
}

CKelvoCommonGroup::Layout CKelvoCommonGroup::LayoutFor(QRect rect, int captionHeight) {
    Layout layout;
    layout.frame = QRect(QPoint(rect.left(), rect.top() + captionHeight / 2), rect.bottomRight());
    layout.caption = QRect(rect.left(), rect.top(), rect.width(), captionHeight);
    return layout;
}

void CKelvoCommonGroup::PaintCaption(QPainter& painter, QRect captionRect, const QString& caption,
                                     QColor textColor, QColor backgroundColor) {
    if (caption.isEmpty())
        return;
    // The caption's own cell, centred, in the background colour.
    const QSize extent = kelvo::paint::TextExtent(painter, caption);
    const QRect cell(captionRect.left() + (captionRect.width() - extent.width()) / 2,
                     captionRect.top() + (captionRect.height() - extent.height()) / 2,
                     extent.width(), extent.height());
    kelvo::paint::FillSolidRect(painter, cell.intersected(captionRect), backgroundColor);
    kelvo::paint::DrawText(painter, captionRect, caption, {}, textColor);
}

int CKelvoCommonGroup::CaptionHeight(const QPainter& painter, const QString& caption) {
    return caption.isEmpty() ? 0 : kelvo::paint::TextExtent(painter, caption).height();
}

void CKelvoCommonGroup::Paint(QPainter& painter, QRect rect, const QString& caption, bool erase,
                              const CKelvoCommonGroupColor& colors) {
    const Layout layout = LayoutFor(rect, CaptionHeight(painter, caption));
    if (erase)
        kelvo::paint::FillSolidRect(painter, layout.frame,
                                    kelvo::paint::Color(colors.colorBackground));
    kelvo::paint::FrameRect(painter, layout.frame, kelvo::paint::Color(colors.colorFrame));
    PaintCaption(painter, layout.caption, caption, kelvo::paint::Color(colors.colorText),
                 kelvo::paint::Color(colors.colorBackground));
}

void CKelvoCommonGroup::ManualDraw(QPainter& painter, const QWidget* control, const QWidget* parent,
                                   COLORREF textColor, COLORREF backgroundColor,
                                   COLORREF frameColor, const QFont& font) {
    if (!control || !parent)
        return;
    QRect rect(QPoint(0, 0), control->size());
    rect.moveTopLeft(control->parentWidget() == parent
                         ? control->pos()
                         : parent->mapFromGlobal(control->mapToGlobal(QPoint(0, 0))));
    const QString caption = KelvoCommonWindowText(control);
    const Layout layout = LayoutFor(rect, CaptionHeight(painter, caption));
    kelvo::paint::FrameRect(painter, layout.frame, kelvo::paint::Color(frameColor));
    if (caption.isEmpty())
        return;
    painter.setFont(font);
    PaintCaption(painter, layout.caption, caption, kelvo::paint::Color(textColor),
                 kelvo::paint::Color(backgroundColor));
}

void CKelvoCommonGroup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    Paint(painter, rect(), m_text, m_flagEraseBackground == 1, m_color);
}
