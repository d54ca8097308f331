// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"

#include <QSize>
#include <QStringList>
#include <QWidget>

// A tab control: a row of 150 x 26 tabs over a framed client area where the
// pages lie (the pages are children placed by the owner). The whole control
// is filled with the background colour and framed from half a tab's height
// down, so the frame's top line runs behind the tabs. The selected tab and
// the others have their own fill and text colours; a caption shows at most
// 49 characters, cut with an ellipsis when it does not fit.
class KELVOCOMMON_EXPORT CKelvoCommonTab : public QWidget {
    Q_OBJECT

public:
    static constexpr int kItemWidth = 150;
    static constexpr int kItemHeight = 26;
    // Room between two tabs.
    static constexpr int kItemGap = 3;
    // Characters a caption keeps.
    static constexpr int kCaptionLength = 49;

    explicit CKelvoCommonTab(QWidget* parent = nullptr);
    ~CKelvoCommonTab() override;

    // Inserts a tab before index (at the end when index is past it); returns
    // its index, or -1 for a negative index. The first tab becomes selected.
    int InsertItem(int index, const QString& caption);
    bool DeleteItem(int index);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(m_captions.size()); }
    QString GetItemText(int index) const;
    // The tab's rectangle; an empty rectangle for no such tab.
    QRect GetItemRect(int index) const;
    int GetCurSel() const { return m_current; }
    // Selects a tab without notifying; returns the previous selection, or -1
    // when index names no tab.
    int SetCurSel(int index);
    // The tab under a point, or -1.
    int HitTest(QPoint point) const;

    // No repaint.
    void SetColor(CKelvoCommonTabColor color);
    void GetColor(CKelvoCommonTabColor* color) const;

    static QRect ItemRect(int index);
    static QString Caption(const QString& text);
    // The background: the client area filled, then framed from half the
    // first tab's height down (from the top when there is no tab).
    static void PaintBackground(QPainter& painter, QRect client, int firstTabHeight,
                                const CKelvoCommonTabColor& colors);
    static void PaintItem(QPainter& painter, QRect item, const QString& caption, bool selected,
                          const CKelvoCommonTabColor& colors);

    CKelvoCommonTabColor m_color;

    // Selects a tab as the user's click does, and notifies.
    void SelectByUser(int index);

signals:
    // The user selected another tab.
    void SelectionChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QSize sizeHint() const override;

private:
    QStringList m_captions;
    int m_current = -1;
};
