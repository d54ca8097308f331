// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"

#include <QAbstractButton>
#include <QPixmap>
#include <array>

// A check box painted from the library's pictures 1000-1003 (11 x 11):
// the box at the left edge and the text 15 pixels to the right of the edge,
// or, with left text, the box at the right edge and the text from the left
// edge. The check value is stored as given; only 1 draws checked. A left
// press followed by a release anywhere toggles it (1 becomes 0, anything
// else 1) and tells the owner with Flipped(); clicked() follows only a
// release over the box, so owners that store the state listen to Flipped().
class KELVOCOMMON_EXPORT CKelvoCommonCheck : public QAbstractButton {
    Q_OBJECT

public:
    // How far the text stands off the left edge when the box is on the left.
    static constexpr int kTextOffset = 15;

    struct PaintState {
        bool enabled = true;
        int check = 1;
        bool leftText = false;
    };

    explicit CKelvoCommonCheck(QWidget* parent = nullptr);
    explicit CKelvoCommonCheck(const QString& text, QWidget* parent = nullptr);
    ~CKelvoCommonCheck() override;

    // No repaint; the owner may also write m_color directly.
    void SetColor(CKelvoCommonCheckColor color);
    void GetColor(CKelvoCommonCheckColor* color) const;
    // Stores the value as it is and repaints.
    virtual void SetCheck(int check);
    virtual int GetCheck() const;
    // The text on the left of the box (the box at the right edge).
    void SetLeftText(bool leftText);
    bool IsLeftText() const { return m_leftText; }

    // Flips the box as the user's click does and tells the owner.
    void Flip();

    // The picture id for a state: 1002/1003 enabled, 1000/1001 disabled.
    static int PictureId(bool enabled, int check);
    static QRect BoxRect(QRect client, QSize box, bool leftText);
    static QRect TextRect(QRect client, bool leftText);
    static void Paint(QPainter& painter, QRect client, const QString& text, const PaintState& state,
                      const CKelvoCommonCheckColor& colors, const QPixmap& box);

    CKelvoCommonCheckColor m_color;

Q_SIGNALS:
    // The user flipped the box (a press, then a release anywhere).
    void Flipped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    QSize sizeHint() const override;

private:
    void Initialize();
    const QPixmap& Picture(int id, qreal devicePixelRatio);

    // Pictures 1000 to 1003, drawn for the current device pixel ratio.
    std::array<QPixmap, 4> m_pictures;
    qreal m_picturesRatio = 0.0;
    int m_check = 1;
    int m_pressBegun = 0;
    bool m_leftText = false;
};
