// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonEdit.h"

#include "common/controls/KelvoCommonGroup.h"
#include "common/controls/KelvoCommonPaint.h"
#include "common/controls/KelvoCommonWindow.h"

#include <QEvent>

CKelvoCommonEdit::CKelvoCommonEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    ApplyPalette();
}

CKelvoCommonEdit::~CKelvoCommonEdit() {
    delete m_frame.data();
}

CKelvoCommonGroupColor CKelvoCommonEdit::FrameColors(const CKelvoCommonEditColor& colors,
                                                     bool readOnly) {
    CKelvoCommonGroupColor frame;
    frame.colorText = colors.colorText;
    frame.colorBackground = readOnly ? colors.colorBackgroundReadOnly : colors.colorBackground;
    frame.colorFrame = colors.colorFrame;
    return frame;
}

QPalette CKelvoCommonEdit::EditPalette(QPalette palette, const CKelvoCommonEditColor& colors,
                                       bool readOnly) {
    const QColor background =
        kelvo::paint::Color(readOnly ? colors.colorBackgroundReadOnly : colors.colorBackground);
    const QColor text = kelvo::paint::Color(colors.colorText);
    const QColor textDisabled = kelvo::paint::Color(colors.colorTextDisabled);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Window, background);
    }
    palette.setColor(QPalette::Disabled, QPalette::Text, textDisabled);
    palette.setColor(QPalette::Disabled, QPalette::Base, background);
    palette.setColor(QPalette::Disabled, QPalette::Window, background);
    return palette;
}

QRect CKelvoCommonEdit::FrameRect(QRect editGeometry) {
    return editGeometry.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin);
}

quint32 CKelvoCommonEdit::Style() const {
    return isReadOnly() ? ES_READONLY : 0;
}

bool CKelvoCommonEdit::Create(quint32 style, QRect rect, QWidget* parent, int id) {
    if (!parent)
        return false;
    const bool readOnly = (style & ES_READONLY) != 0;
    if (!m_frame)
        m_frame = new CKelvoCommonGroup(parent);
    m_frame->SetColor(FrameColors(m_color, readOnly));
    m_frame->Create(QString(), 0, rect, parent, id);
    m_frame->SetFlagEraseBackground(1);

    if (parentWidget() != parent)
        setParent(parent);
    setReadOnly(readOnly);
    setGeometry(rect.adjusted(kFrameMargin, kFrameMargin, -kFrameMargin, -kFrameMargin));
    KelvoCommonSetDlgCtrlID(this, id);
    // Made after its frame, so it lies above it.
    raise();
    show();
    ApplyPalette();
    return true;
}

void CKelvoCommonEdit::Initialize(QWidget* parent, int id) {
    if (!parent)
        return;
    m_parent = parent;
    QRect rect = geometry();
    if (parentWidget() && parentWidget() != parent)
        rect.moveTopLeft(parent->mapFromGlobal(parentWidget()->mapToGlobal(rect.topLeft())));
    Create(Style(), rect, parent, id);
    m_initialized = 1;
}

void CKelvoCommonEdit::SetColor(CKelvoCommonEditColor color) {
    m_color = color;
    if (m_frame)
        m_frame->SetColor(FrameColors(m_color, isReadOnly()));
    ApplyPalette();
}

void CKelvoCommonEdit::GetColor(CKelvoCommonEditColor* color) const {
    if (color)
        *color = m_color;
}

void CKelvoCommonEdit::ApplyPalette() {
    setPalette(EditPalette(palette(), m_color, isReadOnly()));
}

void CKelvoCommonEdit::FollowWithFrame() {
    if (m_initialized != 1 || !m_frame)
        return;
    m_frame->setGeometry(FrameRect(geometry()));
    update();
}

void CKelvoCommonEdit::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    FollowWithFrame();
}

void CKelvoCommonEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    FollowWithFrame();
}

void CKelvoCommonEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    // The edit's own colours follow its read-only state at once; the frame
    // keeps its colour until the next SetColor.
    if (event->type() == QEvent::ReadOnlyChange)
        ApplyPalette();
}
