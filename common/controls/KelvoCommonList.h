// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/KelvoCommonScheduler.h"
#include "common/controls/KelvoCommonColor.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <memory>

class QFont;
class QPainter;

class CKelvoCommonDragPicture;

// Owner-drawn report list in the library's flat colours. Takes dropped
// ".cam" and ".aud" files into numbered rows (column 0 the number, column 1
// the path) and lets the user drag the selected rows onto another window
// that accepts files, as a file drop of "prefix + column 0 text" per row.
//
// "Accepts files" is acceptDrops() of the list itself; it is off until the
// owner turns it on.
class KELVOCOMMON_EXPORT CKelvoCommonList : public QTreeWidget {
    Q_OBJECT

public:
    explicit CKelvoCommonList(QWidget* parent = nullptr);
    ~CKelvoCommonList() override;

    // Neither repaints; the caller updates the list afterwards.
    void SetColor(CKelvoCommonListColor color);
    void GetColor(CKelvoCommonListColor* color) const;
    // Rows may be dragged only while this is 1.
    void SetFlagBeginDrag(int flag);
    void SetStringPrefix(QString prefix);

    // Height of every row for the current font.
    int RowHeight() const;
    bool IsDragging() const { return m_flagDragging == 1; }
    bool IsDragHovered() const { return m_flagDragHover == 1; }
    // The drag-hover frame's second runs on it (Qt's timers unless set).
    void SetScheduler(CKelvoCommonScheduler& scheduler) {
        m_dragHoverTimer.SetScheduler(scheduler);
    }
    // The picture carried under the pointer; null unless dragging.
    const CKelvoCommonDragPicture* DragImage() const { return m_dragImage.get(); }

    // --- Paint and rule decisions, free of widget state ---

    // Background and the 1-pixel frame of the client rectangle; the frame
    // takes the drag-hover colour while the list is a drop target.
    static void PaintBackground(QPainter& painter, QRect client, bool dragHover,
                                const CKelvoCommonListColor& color);
    // One row: itemRect is the row's whole rectangle, clientRect the list's.
    // Columns start 5 pixels into the row and each column's text runs to the
    // row's right edge. A row cut off by the client bottom draws nothing.
    static void PaintRow(QPainter& painter, QRect itemRect, QRect clientRect, bool selected,
                         const QStringList& texts, const QList<int>& columnWidths,
                         const CKelvoCommonListColor& color);
    // Row height from a font height in the platform's sense: positive is the
    // cell height, negative the character height. Never below 1.
    static int RowHeightForFontHeight(int fontHeight);
    // The character height of a font as a negative number.
    static int FontHeight(const QFont& font);
    // Whether a dropped path is taken: its extension is ".cam" or ".aud",
    // in any case.
    static bool IsAcceptedFile(const QString& path);
    // Black texts on a transparent picture, one row under the other; as wide
    // as the last row, as high as all rows together.
    static QImage DragPicture(const QFont& font, const QList<QSize>& rowSizes,
                              const QStringList& texts, qreal devicePixelRatio = 1.0);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void scrollContentsBy(int dx, int dy) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // Inserts the accepted paths as numbered rows.
    void OnDropFiles(const QStringList& paths);
    void OnLvnBegindrag();
    void EndDragging();
    void OnDraggingHovered();
    void OnTimer();

private:
    // The row's rectangle in viewport coordinates: all columns wide.
    QRect RowRect(int row) const;
    QRect ClientRect() const;
    QList<int> SelectedRows() const;
    // The window under a global point that would take a drop from this
    // list: the nearest widget up from the one under the point that accepts
    // files; null for this list itself.
    QWidget* DropTargetAt(QPoint globalPos) const;
    bool HandleMessage(QEvent* event);
    void DropRowsOn(QWidget* target);

    CKelvoCommonListColor m_color;
    std::unique_ptr<CKelvoCommonDragPicture> m_dragImage; // exists only while dragging
    int m_flagDragging = 0;
    int m_flagDragHover = 0;
    int m_flagBeginDrag = 0;
    QString m_stringPrefix;
    CKelvoCommonOneShot m_dragHoverTimer{[this] { OnTimer(); }};
    QPoint m_lastGlobalPos;
};
