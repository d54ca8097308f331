// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"

#include <QLabel>

// A label in one colour on a transparent background: the parent's
// background shows through. Its text is plain ("&" marks a mnemonic); it is
// never a tab stop. Alignment and word wrap are the label's own (left, top
// and wrapped unless set otherwise).
class KELVOCOMMON_EXPORT CKelvoCommonStatic : public QLabel {
    Q_OBJECT

public:
    // What the label's picture is made of: equal keys paint alike.
    QByteArray PaintKey() const;
    explicit CKelvoCommonStatic(QWidget* parent = nullptr);
    explicit CKelvoCommonStatic(const QString& text, QWidget* parent = nullptr);
    ~CKelvoCommonStatic() override;

    // No repaint; the owner may also write m_color directly.
    void SetColor(CKelvoCommonStaticColor color);
    void GetColor(CKelvoCommonStaticColor* color) const;

    static void Paint(QPainter& painter, QRect rect, const QString& text, Qt::Alignment alignment,
                      bool wordWrap, const CKelvoCommonStaticColor& colors);

    CKelvoCommonStaticColor m_color;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Initialize();
};
