// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"

#include <QFont>
#include <QWidget>

// A group frame with its caption centred on the top line: the frame's top
// runs through the middle of the caption's line, and the caption's cell is
// filled with the background colour so it breaks the line. With the erase
// flag the inside of the frame is filled too. The group lets the pointer
// through to what lies under it and never takes the focus.
class KELVOCOMMON_EXPORT CKelvoCommonGroup : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ Text WRITE SetText)

public:
    struct Layout {
        QRect frame;
        QRect caption;
    };

    explicit CKelvoCommonGroup(QWidget* parent = nullptr);
    ~CKelvoCommonGroup() override;

    // Makes the group a visible child of parent at rect (in the parent's
    // coordinates) with a caption and a control id; the style is not used.
    // Fails without a parent.
    virtual bool Create(const QString& caption, quint32 style, QRect rect, QWidget* parent, int id);
    // Places the group again as a child of parent where it stands, with id.
    void Initialize(QWidget* parent, int id);
    // 1: fill the inside of the frame. No repaint.
    void SetFlagEraseBackground(int value);
    int FlagEraseBackground() const { return m_flagEraseBackground; }

    // No repaint.
    void SetColor(CKelvoCommonGroupColor color);
    void GetColor(CKelvoCommonGroupColor* color) const;

    QString Text() const { return m_text; }
    void SetText(const QString& text);

    static Layout LayoutFor(QRect rect, int captionHeight);
    // The height of the caption's line with the painter's font; no caption
    // has no height, so a group without one is framed all round.
    static int CaptionHeight(const QPainter& painter, const QString& caption);
    // The group in rect; the caption is measured and drawn with the
    // painter's font.
    static void Paint(QPainter& painter, QRect rect, const QString& caption, bool erase,
                      const CKelvoCommonGroupColor& colors);
    // The same figure for any other control (a label standing for a group)
    // drawn on its parent's painter: the rectangle is the control's, in the
    // parent's coordinates; the caption height is measured with the font the
    // painter has on entry, the caption drawn with font, which stays set.
    // The inside is not filled.
    static void ManualDraw(QPainter& painter, const QWidget* control, const QWidget* parent,
                           COLORREF textColor, COLORREF backgroundColor, COLORREF frameColor,
                           const QFont& font);

    CKelvoCommonGroupColor m_color;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static void PaintCaption(QPainter& painter, QRect captionRect, const QString& caption,
                             QColor textColor, QColor backgroundColor);

    int m_flagEraseBackground = 0;
    QString m_text;
};
