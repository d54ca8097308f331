// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonDragPicture.h"

#include <QPainter>

CKelvoCommonDragPicture::CKelvoCommonDragPicture(const QPixmap& picture, QPoint hotSpot)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint),
      m_picture(picture), m_hotSpot(hotSpot) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (m_picture.hasAlphaChannel())
        setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    resize(m_picture.deviceIndependentSize().toSize());
}

CKelvoCommonDragPicture::~CKelvoCommonDragPicture() = default;

void CKelvoCommonDragPicture::Enter(QPoint globalPointer) {
    MoveTo(globalPointer);
    show();
}

void CKelvoCommonDragPicture::MoveTo(QPoint globalPointer) {
    move(globalPointer - m_hotSpot);
}

void CKelvoCommonDragPicture::Leave() {
    hide();
}

void CKelvoCommonDragPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (testAttribute(Qt::WA_TranslucentBackground))
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(QPoint(0, 0), m_picture);
}
