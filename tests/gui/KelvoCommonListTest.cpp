// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonList.h"

#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonCapture.h"
#include "common/controls/KelvoCommonDragPicture.h"
#include "common/controls/KelvoCommonDropFiles.h"
#include "common/controls/KelvoCommonGdiplus.h"
#include "common/platform/fake/KelvoCommonFakeClock.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr QRgb kBackdrop = 0xFF102030;

QRgb Rgb(COLORREF color) {
    return CKelvoCommonGdiplus::ToQColor(color).rgb();
}

QFont PixelFont(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

void AddRows(CKelvoCommonList& list, int count) {
    for (int i = 0; i < count; ++i) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, QString::number(i + 1));
        item->setText(1, QStringLiteral("/data/row%1.cam").arg(i + 1));
        list.addTopLevelItem(item);
    }
}

QStringList Column(const CKelvoCommonList& list, int column) {
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        texts.append(list.topLevelItem(i)->text(column));
    return texts;
}

void PostDrop(QObject* receiver, const QStringList& paths) {
    KelvoCommonPostDropFiles(receiver, CKelvoCommonDropFiles::Build(paths));
    QCoreApplication::sendPostedEvents(receiver, WM_DROPFILES);
}

// A plain window that takes files and keeps what it is given.
class DropReceiver final : public QWidget {
public:
    DropReceiver() { setAcceptDrops(true); }
    std::vector<std::unique_ptr<CKelvoCommonDropFiles>> drops;
    int hovers = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == WM_DROPFILES) {
            drops.push_back(static_cast<CKelvoCommonDropFilesEvent*>(event)->TakeDrop());
            return true;
        }
        if (event->type() == WM_KC_LIST_DRAGGING_HOVERED) {
            ++hovers;
            return true;
        }
        return QWidget::event(event);
    }
};

} // namespace

TEST(KelvoCommonList, RowPaint) {
    const CKelvoCommonListColor color;
    const QRect item(0, 10, 80, 16);
    struct Row {
        const char* name;
        bool selected;
        int clientHeight;
        bool drawn;
        COLORREF fill;
        COLORREF text;
    };
    const Row rows[] = {
        {"selected", true, 40, true, color.colorBackgroundSelected, color.colorTextSelected},
        {"not selected", false, 40, true, color.colorBackground, color.colorText},
        {"client ends at the row's last inner line", true, 25, true, color.colorBackgroundSelected,
         color.colorTextSelected},
        {"cut off by one pixel", true, 24, false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QImage image(100, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(kBackdrop);
        QPainter painter(&image);
        painter.setFont(PixelFont(12));
        CKelvoCommonList::PaintRow(painter, item, QRect(0, 0, 100, row.clientHeight), row.selected,
                                   {QStringLiteral("1"), QStringLiteral("ab")}, {30, 50}, color);
        painter.end();
        if (!row.drawn) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(image.pixel(x, y), kBackdrop) << x << "," << y;
            continue;
        }
        // One pixel of the row's rectangle is left on every side.
        EXPECT_EQ(image.pixel(1, 11), Rgb(row.fill));
        EXPECT_EQ(image.pixel(78, 24), Rgb(row.fill));
        EXPECT_EQ(image.pixel(0, 11), kBackdrop);
        EXPECT_EQ(image.pixel(1, 10), kBackdrop);
        EXPECT_EQ(image.pixel(79, 24), kBackdrop);
        EXPECT_EQ(image.pixel(78, 25), kBackdrop);
        // Texts start 5 pixels in, the next column 30 pixels further.
        bool textColourFound = false;
        for (int y = 11; y < 25 && !textColourFound; ++y)
            for (int x = 1; x < 79 && !textColourFound; ++x)
                textColourFound = image.pixel(x, y) == Rgb(row.text);
        EXPECT_TRUE(textColourFound);
        // Columns inside the row where the text left its mark.
        std::vector<int> columns;
        for (int x = 1; x < 79; ++x) {
            for (int y = 11; y < 25; ++y) {
                if (image.pixel(x, y) != Rgb(row.fill)) {
                    columns.push_back(x);
                    break;
                }
            }
        }
        ASSERT_FALSE(columns.empty());
        EXPECT_GE(columns.front(), 6);
        EXPECT_LE(columns.front(), 8);
        const bool gapBetweenColumns =
            std::none_of(columns.begin(), columns.end(), [](int x) { return x >= 16 && x < 36; });
        EXPECT_TRUE(gapBetweenColumns);
        EXPECT_TRUE(
            std::any_of(columns.begin(), columns.end(), [](int x) { return x >= 36 && x <= 38; }));
    }
}

TEST(KelvoCommonList, RowHeightRule) {
    struct Row {
        const char* name;
        int fontHeight;
        int rowHeight;
    };
    const Row rows[] = {
        {"cell height 12", 12, 14},
        {"cell height 0", 0, 2},
        {"character height 12", -12, 10},
        {"character height 20", -20, 18},
        {"character height 1 still leaves a row", -1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonList::RowHeightForFontHeight(row.fontHeight), row.rowHeight);
    }
    EXPECT_EQ(CKelvoCommonList::FontHeight(PixelFont(12)), -12);
}

TEST(KelvoCommonList, RowsFollowTheFont) {
    CKelvoCommonList list;
    list.resize(200, 150);
    list.setFont(PixelFont(12));
    AddRows(list, 3);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    EXPECT_EQ(list.RowHeight(), 10);
    EXPECT_EQ(list.visualItemRect(list.topLevelItem(1)).height(), 10);
    list.setFont(PixelFont(20));
    QCoreApplication::processEvents();
    EXPECT_EQ(list.visualItemRect(list.topLevelItem(1)).height(), 18);
    EXPECT_EQ(list.visualItemRect(list.topLevelItem(2)).top(), 36);
}

TEST(KelvoCommonList, PaintsSelectedRowsAndLeavesCutOffRows) {
    const CKelvoCommonListColor color;
    CKelvoCommonList list;
    list.setFont(PixelFont(12));
    list.header()->hide();
    list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.resize(200, 25); // rows of 10: the third is cut off
    AddRows(list, 3);
    list.topLevelItem(1)->setSelected(true);
    list.topLevelItem(2)->setSelected(true);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QImage image = list.viewport()->grab().toImage();
    ASSERT_EQ(image.height(), 25);
    EXPECT_EQ(image.pixel(2, 1), Rgb(color.colorBackground));
    EXPECT_EQ(image.pixel(2, 11), Rgb(color.colorBackgroundSelected));
    EXPECT_EQ(image.pixel(2, 18), Rgb(color.colorBackgroundSelected));
    EXPECT_EQ(image.pixel(2, 19), Rgb(color.colorBackground)) << "1-pixel gap between rows";
    EXPECT_EQ(image.pixel(2, 21), Rgb(color.colorBackground)) << "cut-off row left undrawn";
}

TEST(KelvoCommonList, BackgroundAndDragHoverFrame) {
    const CKelvoCommonListColor color;
    CKelvoCommonList list;
    CKelvoCommonFakeClock clock;
    list.SetScheduler(clock);
    list.resize(200, 150);
    list.setAcceptDrops(true);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QRect view = list.viewport()->geometry();
    auto pixel = [&](int x, int y) {
        return list.grab().toImage().pixel(view.x() + x, view.y() + y);
    };
    EXPECT_EQ(pixel(0, 50), Rgb(color.colorFrame));
    EXPECT_EQ(pixel(view.width() - 1, 50), Rgb(color.colorFrame));
    EXPECT_EQ(pixel(50, view.height() - 1), Rgb(color.colorFrame));
    EXPECT_EQ(pixel(50, 0), Rgb(color.colorBackground)) << "top frame line lies under the header";
    EXPECT_EQ(pixel(1, 50), Rgb(color.colorBackground));

    EXPECT_EQ(KelvoCommonSendMessage(&list, WM_KC_LIST_DRAGGING_HOVERED), 0);
    EXPECT_TRUE(list.IsDragHovered());
    EXPECT_EQ(pixel(0, 50), Rgb(color.colorFrameDragHover));
    // One second after the last hover the frame is plain again.
    clock.Advance(600);
    KelvoCommonSendMessage(&list, WM_KC_LIST_DRAGGING_HOVERED);
    clock.Advance(600);
    EXPECT_TRUE(list.IsDragHovered()) << "each hover restarts the second";
    clock.Advance(400);
    EXPECT_FALSE(list.IsDragHovered());
    EXPECT_EQ(pixel(0, 50), Rgb(color.colorFrame));

    list.setAcceptDrops(false);
    KelvoCommonSendMessage(&list, WM_KC_LIST_DRAGGING_HOVERED);
    EXPECT_FALSE(list.IsDragHovered()) << "only a list that takes files is a target";
}

TEST(KelvoCommonList, DropFilter) {
    struct Row {
        const char* name;
        const char* path;
        bool accepted;
    };
    const Row rows[] = {
        {"upper-case extension", "/music/A.CAM", true},
        {"audio", "/music/take.aud", true},
        {"mixed case", "/music/take.Aud", true},
        {"longer extension", "/music/take.camx", false},
        {"no extension", "/music/take", false},
        {"extension of the folder only", "/music/set.cam/take", false},
        {"last extension counts", "/music/take.cam.txt", false},
        {"name that is only the extension", "/music/.cam", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonList::IsAcceptedFile(QString::fromUtf8(row.path)), row.accepted);
    }
}

TEST(KelvoCommonList, DroppedFilesAreNumberedFromTheRowCount) {
    CKelvoCommonList list;
    list.setAcceptDrops(true);
    AddRows(list, 3);
    PostDrop(&list, {QStringLiteral("/in/one.cam"), QStringLiteral("/in/skip.txt"),
                     QStringLiteral("/in/TWO.AUD")});
    EXPECT_EQ(Column(list, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
    EXPECT_EQ(list.topLevelItem(3)->text(1), QStringLiteral("/in/one.cam"));
    EXPECT_EQ(list.topLevelItem(4)->text(1), QStringLiteral("/in/TWO.AUD"));

    // Files from a file manager take the same way.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/in/three.cam")),
                  QUrl(QStringLiteral("https://example.org/x.cam"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &drop);
    EXPECT_EQ(list.topLevelItemCount(), 6);
    EXPECT_EQ(list.topLevelItem(5)->text(0), QStringLiteral("6"));
    EXPECT_EQ(list.topLevelItem(5)->text(1), QStringLiteral("/in/three.cam"));
}

TEST(KelvoCommonList, DropsIgnoredWithoutAcceptingFiles) {
    CKelvoCommonList list;
    AddRows(list, 1);
    PostDrop(&list, {QStringLiteral("/in/one.cam")});
    PostDrop(list.viewport(), {QStringLiteral("/in/two.cam")});
    EXPECT_EQ(list.topLevelItemCount(), 1);
    list.setAcceptDrops(true);
    PostDrop(list.viewport(), {QStringLiteral("/in/two.cam")});
    EXPECT_EQ(list.topLevelItemCount(), 2) << "a drop posted to the rows' area reaches the list";
}

TEST(KelvoCommonList, DragPictureSize) {
    const QImage picture =
        CKelvoCommonList::DragPicture(PixelFont(12), {QSize(120, 16), QSize(150, 16)},
                                      {QStringLiteral("1"), QStringLiteral("3")});
    EXPECT_EQ(picture.size(), QSize(150, 32)) << "as wide as the last row, both rows high";
    // Black text on a see-through ground.
    EXPECT_EQ(qAlpha(picture.pixel(140, 2)), 0);
    bool black = false;
    for (int y = 0; y < 32 && !black; ++y)
        for (int x = 0; x < 20 && !black; ++x)
            black = picture.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_TRUE(black);
}

namespace {

// Two lists and a receiver side by side; the source has three rows.
struct DragWindow {
    DragWindow() {
        auto* layout = new QHBoxLayout(&window);
        source = new CKelvoCommonList(&window);
        target = new CKelvoCommonList(&window);
        receiver = new DropReceiver;
        receiver->setParent(&window);
        for (QWidget* widget : {static_cast<QWidget*>(source), static_cast<QWidget*>(target),
                                static_cast<QWidget*>(receiver)}) {
            widget->setFixedSize(150, 150);
            layout->addWidget(widget);
        }
        source->setFont(PixelFont(14));
        source->setAcceptDrops(true);
        target->setAcceptDrops(true);
        AddRows(*source, 3);
        source->SetFlagBeginDrag(1);
        source->SetStringPrefix(QStringLiteral("/take/"));
        window.move(0, 0);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        source->topLevelItem(0)->setSelected(true);
        source->topLevelItem(2)->setSelected(true);
    }

    // Mouse events reach the rows' area of the source, wherever the pointer
    // is, as they do while it holds the capture.
    void Mouse(QEvent::Type type, QWidget* over, QPoint at, Qt::MouseButtons buttons) {
        QWidget* viewport = source->viewport();
        const QPoint global = over->mapToGlobal(at);
        QMouseEvent event(type, viewport->mapFromGlobal(QPointF(global)), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    void StartDrag() {
        const QPoint row0 = source->visualItemRect(source->topLevelItem(0)).center();
        Mouse(QEvent::MouseButtonPress, source->viewport(), row0, Qt::LeftButton);
        Mouse(QEvent::MouseMove, source->viewport(), row0 + QPoint(5, 0), Qt::LeftButton);
        Mouse(QEvent::MouseMove, source->viewport(), row0 + QPoint(40, 0), Qt::LeftButton);
    }

    QWidget window;
    CKelvoCommonList* source = nullptr;
    CKelvoCommonList* target = nullptr;
    DropReceiver* receiver = nullptr;
};

} // namespace

TEST(KelvoCommonList, DraggingRowsDropsThemAsFiles) {
    DragWindow w;
    w.StartDrag();
    ASSERT_TRUE(w.source->IsDragging());
    ASSERT_NE(w.source->DragImage(), nullptr);
    const int rowHeight = w.source->RowHeight();
    EXPECT_EQ(w.source->DragImage()->Picture().deviceIndependentSize().toSize(),
              QSize(w.source->header()->length(), 2 * rowHeight));
    EXPECT_EQ(CKelvoCommonCapture::GetCapture(), w.source->viewport());

    // Over another list: it shows the drag-hover frame.
    w.Mouse(QEvent::MouseMove, w.target->viewport(), QPoint(40, 40), Qt::LeftButton);
    EXPECT_TRUE(w.target->IsDragHovered());
    // Over the receiver, then let go there.
    w.Mouse(QEvent::MouseMove, w.receiver, QPoint(40, 40), Qt::LeftButton);
    EXPECT_EQ(w.receiver->hovers, 1);
    w.Mouse(QEvent::MouseButtonRelease, w.receiver, QPoint(40, 40), Qt::NoButton);
    EXPECT_FALSE(w.source->IsDragging());
    EXPECT_EQ(w.source->DragImage(), nullptr);
    EXPECT_EQ(CKelvoCommonCapture::GetCapture(), nullptr);
    QCoreApplication::sendPostedEvents(w.receiver, WM_DROPFILES);
    ASSERT_EQ(w.receiver->drops.size(), 1u);
    const CKelvoCommonDropFiles& drop = *w.receiver->drops.front();
    EXPECT_EQ(drop.Files(), (QStringList{u"/take/1"_s, u"/take/3"_s})) << "prefix + first column";
    EXPECT_EQ(drop.Bytes().size(), 20 + 8 + 8 + 1);
    EXPECT_TRUE(drop.Bytes().endsWith(QByteArray("3\0\0", 3)));
    EXPECT_FALSE(drop.IsWide());
    // The selection is as it was.
    EXPECT_TRUE(w.source->topLevelItem(0)->isSelected());
    EXPECT_FALSE(w.source->topLevelItem(1)->isSelected());
    EXPECT_TRUE(w.source->topLevelItem(2)->isSelected());
}

TEST(KelvoCommonList, DragEndsWithoutDrop) {
    struct Row {
        const char* name;
        bool overSource; // else over the window's empty margin
    };
    const Row rows[] = {{"released over the list itself", true},
                        {"released over a window that takes no files", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DragWindow w;
        w.StartDrag();
        ASSERT_TRUE(w.source->IsDragging());
        if (row.overSource)
            w.Mouse(QEvent::MouseButtonRelease, w.source->viewport(), QPoint(20, 20), Qt::NoButton);
        else
            w.Mouse(QEvent::MouseButtonRelease, &w.window, QPoint(2, 2), Qt::NoButton);
        EXPECT_FALSE(w.source->IsDragging());
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(w.receiver->drops.empty());
        EXPECT_EQ(w.source->topLevelItemCount(), 3);
    }
}

TEST(KelvoCommonList, LosingTheCaptureEndsTheDrag) {
    DragWindow w;
    w.StartDrag();
    ASSERT_TRUE(w.source->IsDragging());
    CKelvoCommonCapture::SetCapture(w.receiver);
    EXPECT_FALSE(w.source->IsDragging());
    EXPECT_EQ(w.source->DragImage(), nullptr);
    CKelvoCommonCapture::ReleaseCapture(w.receiver);
}

TEST(KelvoCommonList, NoDragUnlessAllowed) {
    DragWindow w;
    w.source->SetFlagBeginDrag(0);
    w.StartDrag();
    EXPECT_FALSE(w.source->IsDragging());
    EXPECT_EQ(CKelvoCommonCapture::GetCapture(), nullptr);
}

TEST(KelvoCommonList, Colors) {
    CKelvoCommonList list;
    CKelvoCommonListColor color;
    color.colorText = 0x010203;
    list.GetColor(&color);
    EXPECT_EQ(color, CKelvoCommonListColor{});
    color.colorFrameDragHover = 0x00FF00;
    list.SetColor(color);
    CKelvoCommonListColor back;
    list.GetColor(&back);
    EXPECT_EQ(back, color);
}
