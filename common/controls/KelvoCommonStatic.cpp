// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonStatic.h"

#include "common/controls/KelvoCommonPaint.h"

#include <QDataStream>
#include <QPainter>

CKelvoCommonStatic::CKelvoCommonStatic(QWidget* parent) : QLabel(parent) {
    Initialize();
}

CKelvoCommonStatic::CKelvoCommonStatic(const QString& text, QWidget* parent) : QLabel(parent) {
    Initialize();
    setText(text);
}

CKelvoCommonStatic::~CKelvoCommonStatic() = default;

void CKelvoCommonStatic::Initialize() {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
}

void CKelvoCommonStatic::SetColor(CKelvoCommonStaticColor color) {
    m_color = color;
}

void CKelvoCommonStatic::GetColor(CKelvoCommonStaticColor* color) const {
    if (color)
        *color = m_color;
}

void CKelvoCommonStatic::Paint(QPainter& painter, QRect rect, const QString& text,
                               Qt::Alignment alignment, bool wordWrap,
                               const CKelvoCommonStaticColor& colors) {
    kelvo::paint::TextFlags flags;
    flags.alignment = alignment;
    flags.singleLine = false;
    flags.wordWrap = wordWrap;
    kelvo::paint::DrawText(painter, rect, text, flags, kelvo::paint::Color(colors.colorText));
}

void CKelvoCommonStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    Paint(painter, contentsRect(), text(), alignment(), wordWrap(), m_color);
}

QByteArray CKelvoCommonStatic::PaintKey() const {
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << text() << contentsRect() << int(alignment()) << wordWrap();
    out.writeRawData(reinterpret_cast<const char*>(&m_color), sizeof m_color);
    return key;
}
