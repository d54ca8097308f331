// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

// The picture that follows the pointer during a drag: a small frameless
// window above everything that takes no input, so the window under the
// pointer can still be found through it. The hot spot is the point of the
// picture that sits on the pointer.
class CKelvoCommonDragPicture final : public QWidget {
    Q_OBJECT

public:
    CKelvoCommonDragPicture(const QPixmap& picture, QPoint hotSpot);
    ~CKelvoCommonDragPicture() override;

    // Places the picture with its hot spot on the pointer and shows it.
    void Enter(QPoint globalPointer);
    void MoveTo(QPoint globalPointer);
    void Leave();

    const QPixmap& Picture() const { return m_picture; }
    QPoint HotSpot() const { return m_hotSpot; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QPoint m_hotSpot;
};
