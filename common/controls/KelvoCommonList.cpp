// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonList.h"

#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonCapture.h"
#include "common/controls/KelvoCommonDragPicture.h"
#include "common/controls/KelvoCommonDropFiles.h"
#include "common/controls/KelvoCommonPaint.h"
#include "common/controls/KelvoCommonWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int kTextIndent = 5;
constexpr int kDragHoverMilliseconds = 1000;
// Left aligned, vertically centred, one line, "..." at the end when cut.
constexpr kelvo::paint::TextFlags kRowTextFlags{Qt::AlignLeft | Qt::AlignVCenter, true, true,
                                                false};
// The drag picture's top left corner sits on the pointer.
constexpr QPoint kDragHotSpot{0, 0};

void FillRect(QPainter& painter, QRect rect, COLORREF color) {
    kelvo::paint::FillSolidRect(painter, rect, kelvo::paint::Color(color));
}

void FrameRect(QPainter& painter, QRect rect, COLORREF color) {
    kelvo::paint::FrameRect(painter, rect, kelvo::paint::Color(color));
}

void DrawRowText(QPainter& painter, QRect rect, const QString& text, QColor color) {
    kelvo::paint::DrawText(painter, rect, text, kRowTextFlags, color);
}

// Rows take their height from the list's font rule, not from their text.
class CKelvoCommonListRowDelegate final : public QStyledItemDelegate {
public:
    explicit CKelvoCommonListRowDelegate(CKelvoCommonList* list)
        : QStyledItemDelegate(list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_list->RowHeight()};
    }

private:
    CKelvoCommonList* m_list;
};

} // namespace

CKelvoCommonList::CKelvoCommonList(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(2);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setFrameShape(QFrame::NoFrame);
    setDragEnabled(false);
    setItemDelegate(new CKelvoCommonListRowDelegate(this));
    viewport()->setAutoFillBackground(false);
}

CKelvoCommonList::~CKelvoCommonList() {
    EndDragging();
}

void CKelvoCommonList::SetColor(CKelvoCommonListColor color) {
    m_color = color;
}

void CKelvoCommonList::GetColor(CKelvoCommonListColor* color) const {
    if (color)
        *color = m_color;
}

void CKelvoCommonList::SetFlagBeginDrag(int flag) {
    m_flagBeginDrag = flag;
    setDragEnabled(flag == 1);
}

void CKelvoCommonList::SetStringPrefix(QString prefix) {
    m_stringPrefix = std::move(prefix);
}

int CKelvoCommonList::RowHeight() const {
    return RowHeightForFontHeight(FontHeight(font()));
}

void CKelvoCommonList::PaintBackground(QPainter& painter, QRect client, bool dragHover,
                                       const CKelvoCommonListColor& color) {
    FillRect(painter, client, color.colorBackground);
    FrameRect(painter, client, dragHover ? color.colorFrameDragHover : color.colorFrame);
}

void CKelvoCommonList::PaintRow(QPainter& painter, QRect itemRect, QRect clientRect, bool selected,
                                const QStringList& texts, const QList<int>& columnWidths,
                                const CKelvoCommonListColor& color) {
    const QRect r = itemRect.adjusted(1, 1, -1, -1);
    if (clientRect.bottom() < r.bottom())
        return; // cut off at the bottom: left to the background
    FillRect(painter, r, selected ? color.colorBackgroundSelected : color.colorBackground);
    const QColor text = kelvo::paint::Color(selected ? color.colorTextSelected : color.colorText);
    int left = r.left() + kTextIndent;
    for (qsizetype column = 0; column < texts.size(); ++column) {
        DrawRowText(painter, QRect(QPoint(left, r.top()), r.bottomRight()), texts.at(column), text);
        left += column < columnWidths.size() ? columnWidths.at(column) : 0;
    }
}

int CKelvoCommonList::RowHeightForFontHeight(int fontHeight) {
    const int height = fontHeight >= 0 ? fontHeight + 2 : -2 - fontHeight;
    return std::max(height, 1);
}

int CKelvoCommonList::FontHeight(const QFont& font) {
    return -QFontInfo(font).pixelSize();
}

bool CKelvoCommonList::IsAcceptedFile(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    const QString extension = name.mid(dot).toLower();
    return extension == u".cam" || extension == u".aud";
}

QImage CKelvoCommonList::DragPicture(const QFont& font, const QList<QSize>& rowSizes,
                                     const QStringList& texts, qreal devicePixelRatio) {
    if (rowSizes.isEmpty())
        return {};
    int height = 0;
    for (const QSize& size : rowSizes)
        height += size.height();
    const QSize size(rowSizes.last().width(), height);
    if (size.isEmpty())
        return {};
    QImage picture(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(font);
    int top = 0;
    for (qsizetype row = 0; row < rowSizes.size(); ++row) {
        const QSize rowSize = rowSizes.at(row);
        DrawRowText(painter, QRect(QPoint(0, top), rowSize),
                    row < texts.size() ? texts.at(row) : QString(), Qt::black);
        top += rowSize.height();
    }
    return picture;
}

QRect CKelvoCommonList::ClientRect() const {
    // The header covers the top of the client area, frame line included.
    const int headerHeight = header()->isVisible() ? header()->height() : 0;
    const QRect view = viewport()->rect();
    return view.adjusted(0, -headerHeight, 0, 0);
}

QRect CKelvoCommonList::RowRect(int row) const {
    const QRect cell = visualRect(model()->index(row, 0));
    const int height = cell.isValid() ? cell.height() : RowHeight();
    return {-header()->offset(), cell.y(), header()->length(), height};
}

QList<int> CKelvoCommonList::SelectedRows() const {
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selection().indexes()) {
        if (index.column() == 0)
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QWidget* CKelvoCommonList::DropTargetAt(QPoint globalPos) const {
    // The part under the pointer may be a piece of a bigger control (the
    // rows of another list): the control that takes files is the target.
    QWidget* widget = KelvoCommonWindowFromPoint(globalPos);
    while (widget && !widget->acceptDrops())
        widget = widget->isWindow() ? nullptr : widget->parentWidget();
    if (!widget || widget == this)
        return nullptr;
    return widget;
}

bool CKelvoCommonList::HandleMessage(QEvent* event) {
    if (event->type() == WM_KC_LIST_DRAGGING_HOVERED) {
        OnDraggingHovered();
        if (auto* message = dynamic_cast<CKelvoCommonMessageEvent*>(event))
            message->SetResult(0);
        return true;
    }
    if (event->type() == WM_CAPTURECHANGED) {
        EndDragging();
        return true;
    }
    if (event->type() == WM_DROPFILES) {
        // The block is ours now; it is released when this scope ends.
        std::unique_ptr<CKelvoCommonDropFiles> drop;
        if (auto* dropEvent = dynamic_cast<CKelvoCommonDropFilesEvent*>(event))
            drop = dropEvent->TakeDrop();
        if (drop)
            OnDropFiles(drop->Files());
        return true;
    }
    return false;
}

bool CKelvoCommonList::event(QEvent* event) {
    if (HandleMessage(event))
        return true;
    switch (event->type()) {
    // File drops from other programs reach the list itself when its
    // viewport takes none.
    case QEvent::DragEnter:
        dragEnterEvent(static_cast<QDragEnterEvent*>(event));
        return true;
    case QEvent::DragMove:
        dragMoveEvent(static_cast<QDragMoveEvent*>(event));
        return true;
    case QEvent::Drop:
        dropEvent(static_cast<QDropEvent*>(event));
        return true;
    case QEvent::WindowDeactivate:
        EndDragging();
        break;
    default:
        break;
    }
    return QTreeWidget::event(event);
}

bool CKelvoCommonList::viewportEvent(QEvent* event) {
    if (HandleMessage(event))
        return true;
    return QTreeWidget::viewportEvent(event);
}

void CKelvoCommonList::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        doItemsLayout(); // ask every row for its height again
}

void CKelvoCommonList::hideEvent(QHideEvent* event) {
    EndDragging();
    QTreeWidget::hideEvent(event);
}

void CKelvoCommonList::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(viewport());
        PaintBackground(painter, ClientRect(), m_flagDragHover == 1, m_color);
    }
    QTreeWidget::paintEvent(event);
}

void CKelvoCommonList::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStringList texts;
    QList<int> widths;
    for (int column = 0; column < columnCount(); ++column) {
        texts.append(index.siblingAtColumn(column).data(Qt::DisplayRole).toString());
        widths.append(header()->isSectionHidden(column) ? 0 : header()->sectionSize(column));
    }
    const QRect item(-header()->offset(), option.rect.y(), header()->length(),
                     option.rect.height());
    painter->save();
    painter->setFont(font());
    // The tree leaves selection to each cell; the row is painted as one.
    const bool selected =
        selectionModel() && selectionModel()->isSelected(index.siblingAtColumn(0));
    PaintRow(*painter, item, ClientRect(), selected, texts, widths, m_color);
    painter->restore();
}

void CKelvoCommonList::scrollContentsBy(int dx, int dy) {
    QTreeWidget::scrollContentsBy(dx, dy);
    // The frame must not scroll with the rows.
    viewport()->update();
}

void CKelvoCommonList::startDrag(Qt::DropActions /*supportedActions*/) {
    OnLvnBegindrag();
}

void CKelvoCommonList::OnLvnBegindrag() {
    if (m_flagBeginDrag != 1 || m_flagDragging == 1)
        return;
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    QList<QSize> sizes;
    QStringList texts;
    for (const int row : rows) {
        sizes.append(RowRect(row).size());
        texts.append(topLevelItem(row)->text(0));
    }
    const QImage picture = DragPicture(font(), sizes, texts, devicePixelRatioF());
    if (m_lastGlobalPos.isNull())
        m_lastGlobalPos = QCursor::pos();
    m_dragImage =
        std::make_unique<CKelvoCommonDragPicture>(QPixmap::fromImage(picture), kDragHotSpot);
    m_dragImage->Enter(m_lastGlobalPos);
    m_flagDragging = 1;
    CKelvoCommonCapture::SetCapture(viewport());
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
}

void CKelvoCommonList::EndDragging() {
    if (m_flagDragging != 1)
        return;
    m_flagDragging = 0; // first: releasing the capture reports back here
    m_dragImage.reset();
    CKelvoCommonCapture::ReleaseCapture(viewport());
    QGuiApplication::restoreOverrideCursor();
}

void CKelvoCommonList::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (m_flagDragging != 1) {
        m_lastGlobalPos = global;
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    m_dragImage->MoveTo(global);
    if (QWidget* target = DropTargetAt(global))
        KelvoCommonSendMessage(target, WM_KC_LIST_DRAGGING_HOVERED, 0, 0);
}

void CKelvoCommonList::mouseReleaseEvent(QMouseEvent* event) {
    if (m_flagDragging != 1) {
        QTreeWidget::mouseReleaseEvent(event);
        return;
    }
    EndDragging();
    // The selection stays as it was: the release ends the drag, nothing else.
    if (QWidget* target = DropTargetAt(event->globalPosition().toPoint()))
        DropRowsOn(target);
}

void CKelvoCommonList::DropRowsOn(QWidget* target) {
    QStringList entries;
    for (const int row : SelectedRows())
        entries.append(m_stringPrefix + topLevelItem(row)->text(0));
    KelvoCommonPostDropFiles(target, CKelvoCommonDropFiles::Build(entries));
}

void CKelvoCommonList::OnDropFiles(const QStringList& paths) {
    if (!acceptDrops())
        return;
    for (const QString& path : paths) {
        if (!IsAcceptedFile(path))
            continue;
        const int row = topLevelItemCount();
        auto* item = new QTreeWidgetItem;
        item->setText(0, QString::number(row + 1));
        item->setText(1, path);
        insertTopLevelItem(row, item);
    }
}

void CKelvoCommonList::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptDrops() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void CKelvoCommonList::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptDrops() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void CKelvoCommonList::dropEvent(QDropEvent* event) {
    if (!acceptDrops() || !event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    OnDropFiles(paths);
    event->acceptProposedAction();
}

void CKelvoCommonList::OnDraggingHovered() {
    if (!acceptDrops())
        return;
    m_flagDragHover = 1;
    viewport()->update();
    m_dragHoverTimer.Start(kDragHoverMilliseconds); // each hover restarts the second
}

void CKelvoCommonList::OnTimer() {
    if (m_flagDragHover == 1) {
        m_flagDragHover = 0;
        viewport()->update();
    }
    m_dragHoverTimer.Stop();
}
