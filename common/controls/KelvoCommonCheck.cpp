// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonCheck.h"

#include "common/controls/KelvoCommonAccessible.h"
#include "common/controls/KelvoCommonBitmaps.h"
#include "common/controls/KelvoCommonPaint.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

CKelvoCommonCheck::CKelvoCommonCheck(QWidget* parent) : QAbstractButton(parent) {
    Initialize();
}

CKelvoCommonCheck::CKelvoCommonCheck(const QString& text, QWidget* parent)
    : QAbstractButton(parent) {
    setText(text);
    Initialize();
}

CKelvoCommonCheck::~CKelvoCommonCheck() = default;

void CKelvoCommonCheck::Initialize() {
    KelvoCommonInstallAccessible();
    setCheckable(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CKelvoCommonCheck::SetColor(CKelvoCommonCheckColor color) {
    m_color = color;
}

void CKelvoCommonCheck::GetColor(CKelvoCommonCheckColor* color) const {
    if (color)
        *color = m_color;
}

void CKelvoCommonCheck::SetCheck(int check) {
    const bool changed = (m_check == 1) != (check == 1);
    m_check = check;
    update();
    if (changed)
        KelvoCommonNotifyCheckedChanged(this);
}

int CKelvoCommonCheck::GetCheck() const {
    return m_check;
}

void CKelvoCommonCheck::SetLeftText(bool leftText) {
    m_leftText = leftText;
    update();
}

int CKelvoCommonCheck::PictureId(bool enabled, int check) {
    if (enabled)
        return check == 1 ? IDB_KC_CHECK_ENABLED_CHECKED : IDB_KC_CHECK_ENABLED_UNCHECKED;
    return check == 1 ? IDB_KC_CHECK_DISABLED_CHECKED : IDB_KC_CHECK_DISABLED_UNCHECKED;
}

QRect CKelvoCommonCheck::BoxRect(QRect client, QSize box, bool leftText) {
    const int top = client.y() + (client.height() - box.height()) / 2;
    const int left = leftText ? client.x() + client.width() - box.width() : client.x();
    return {left, top, box.width(), box.height()};
}

QRect CKelvoCommonCheck::TextRect(QRect client, bool leftText) {
    return leftText ? client : client.adjusted(kTextOffset, 0, 0, 0);
}

void CKelvoCommonCheck::Paint(QPainter& painter, QRect client, const QString& text,
                              const PaintState& state, const CKelvoCommonCheckColor& colors,
                              const QPixmap& box) {
    kelvo::paint::FillSolidRect(painter, client, kelvo::paint::Color(colors.colorBackground));
    kelvo::paint::TextFlags flags;
    flags.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    flags.endEllipsis = true;
    kelvo::paint::DrawText(
        painter, TextRect(client, state.leftText), text, flags,
        kelvo::paint::Color(state.enabled ? colors.colorText : colors.colorTextDisabled));
    // The box is drawn unscaled, one picture pixel to one device pixel.
    const QRect boxRect = BoxRect(
        client, KelvoCommonBitmapSize(PictureId(state.enabled, state.check)), state.leftText);
    painter.drawPixmap(boxRect.topLeft(), box);
}

const QPixmap& CKelvoCommonCheck::Picture(int id, qreal devicePixelRatio) {
    if (devicePixelRatio != m_picturesRatio) {
        for (int i = 0; i < static_cast<int>(m_pictures.size()); ++i)
            m_pictures[static_cast<std::size_t>(i)] =
                KelvoCommonLoadBitmap(IDB_KC_CHECK_DISABLED_CHECKED + i, devicePixelRatio);
        m_picturesRatio = devicePixelRatio;
    }
    return m_pictures[static_cast<std::size_t>(id - IDB_KC_CHECK_DISABLED_CHECKED)];
}

void CKelvoCommonCheck::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const PaintState state{isEnabled(), m_check, m_leftText};
    Paint(painter, rect(), text(), state, m_color,
          Picture(PictureId(state.enabled, state.check), devicePixelRatioF()));
}

void CKelvoCommonCheck::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressBegun = 1;
    QAbstractButton::mousePressEvent(event);
}

void CKelvoCommonCheck::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressBegun == 1) {
        m_pressBegun = 0;
        QAbstractButton::mouseReleaseEvent(event);
        Flip();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

// Space flips the box as a click does, so the keyboard reaches every box.
void CKelvoCommonCheck::keyReleaseEvent(QKeyEvent* event) {
    const bool flip = event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown();
    QAbstractButton::keyReleaseEvent(event);
    if (flip)
        Flip();
}

void CKelvoCommonCheck::Flip() {
    m_check = m_check == 1 ? 0 : 1;
    update();
    KelvoCommonNotifyCheckedChanged(this);
    Q_EMIT Flipped();
}

QSize CKelvoCommonCheck::sizeHint() const {
    const QFontMetrics metrics(font());
    const QSize textSize = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text());
    return {textSize.width() + kTextOffset + 4, std::max(metrics.height() + 2, 13)};
}
