// SPDX-License-Identifier: MIT
// Files dropped on a button from the file manager: a synthesised Qt drop
// carrying text/uri-list, as the file manager sends it.

#include "common/controls/KelvoCommonButton.h"
#include "tests/gui/KelvoCommonTestHarness.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using kelvo::test::CMessageLog;

struct DropRow {
    const char* name;
    bool acceptsDrops;
    QByteArray uriList;
    // The one path handed on, or empty when nothing is.
    QString path;
};

void PrintTo(const DropRow& row, std::ostream* out) {
    *out << row.name;
}

class ButtonDropTest : public ::testing::TestWithParam<DropRow> {
protected:
    void SetUp() override {
        window.resize(300, 100);
        other.setGeometry(150, 10, 100, 30);
        button.setGeometry(10, 10, 100, 30);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other.setFocus();
    }

    // Drops the uri-list on the button; returns whether the drop was taken.
    bool Drop(const QByteArray& uriList, Qt::DropActions actions = Qt::CopyAction) {
        QMimeData mime;
        mime.setData(QStringLiteral("text/uri-list"), uriList);
        bool accepted = false;
        window.Run([&] {
            QDragEnterEvent enter(QPoint(5, 5), actions, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&button, &enter);
            QDropEvent drop(QPointF(5, 5), actions, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&button, &drop);
            accepted = drop.isAccepted();
            m_dropAction = drop.dropAction();
        });
        return accepted;
    }

    CMessageLog window;
    CKelvoCommonButton button{&window};
    CKelvoCommonButton other{&window};
    Qt::DropAction m_dropAction = Qt::IgnoreAction;
};

TEST_P(ButtonDropTest, HandsOnExactlyOneLocalFile) {
    const DropRow& row = GetParam();
    button.setAcceptDrops(row.acceptsDrops);
    Drop(row.uriList);

    // Only a button that takes drops takes the focus, whatever was dropped.
    EXPECT_EQ(button.hasFocus(), row.acceptsDrops);
    if (row.path.isEmpty()) {
        EXPECT_TRUE(window.Entries().empty());
        return;
    }
    ASSERT_EQ(window.Names(), QStringList{QStringLiteral("post DROPFILES")});
    const CMessageLog::Entry& entry = window.Entries().front();
    EXPECT_EQ(entry.files, QStringList{row.path});
    const QByteArray encoded = row.path.toUtf8();
    EXPECT_EQ(entry.block.size(), encoded.size() + 22);
    EXPECT_EQ(entry.block.mid(20, encoded.size()), encoded);
    EXPECT_TRUE(entry.block.endsWith(QByteArray(2, '\0')));
    EXPECT_EQ(entry.lParam, 0);
}

const DropRow kDropRows[] = {
    {"OneFile", true, "file:///tmp/a.txt\r\n", QStringLiteral("/tmp/a.txt")},
    {"OneFolder", true, "file:///home/user/Music/\r\n", QStringLiteral("/home/user/Music/")},
    {"OneFileWithoutLineEnd", true, "file:///tmp/b.txt", QStringLiteral("/tmp/b.txt")},
    {"CommentLineIsNotAFile", true, "# from the file manager\r\nfile:///tmp/c.txt\r\n",
     QStringLiteral("/tmp/c.txt")},
    {"EscapedSpaces", true, "file:///tmp/with%20space.txt\r\n",
     QStringLiteral("/tmp/with space.txt")},
    {"JapaneseName", true, "file:///tmp/%E6%97%A5%E6%9C%AC%E8%AA%9E%E3%81%AE.txt\r\n",
     QStringLiteral("/tmp/") +
         QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE") +
         QStringLiteral(".txt")},
    {"LongPathIsNotCut", true, "file:///" + QByteArray(300, 'p') + "\r\n",
     QStringLiteral("/") + QString(300, QChar(u'p'))},
    {"TwoFiles", true, "file:///tmp/a.txt\r\nfile:///tmp/b.txt\r\n", {}},
    {"WebAddress", true, "https://example.com/page.html\r\n", {}},
    {"Nothing", true, "", {}},
    {"ButtonTakesNoDrops", false, "file:///tmp/a.txt\r\n", {}},
};

INSTANTIATE_TEST_SUITE_P(Rows, ButtonDropTest, ::testing::ValuesIn(kDropRows),
                         [](const ::testing::TestParamInfo<DropRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ButtonDropTest, DropIsAlwaysACopy) {
    button.setAcceptDrops(true);
    EXPECT_TRUE(Drop("file:///tmp/a.txt\r\n", Qt::MoveAction | Qt::CopyAction));
    EXPECT_EQ(m_dropAction, Qt::CopyAction);
    EXPECT_FALSE(Drop("file:///tmp/a.txt\r\nfile:///tmp/b.txt\r\n"));
}

TEST_F(ButtonDropTest, OnlyUriListsAreWelcome) {
    button.setAcceptDrops(true);
    QMimeData text;
    text.setText(QStringLiteral("just words"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &enter);
    EXPECT_FALSE(enter.isAccepted());

    QMimeData files;
    files.setData(QStringLiteral("text/uri-list"), "file:///tmp/a.txt\r\n");
    QDragEnterEvent enterFiles(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton,
                               Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &enterFiles);
    EXPECT_TRUE(enterFiles.isAccepted());
}

TEST_F(ButtonDropTest, BlockPostedToAParentThatIsGoneIsReleased) {
    // Run under the address sanitizer: a block nobody took must not leak.
    auto* parent = new QWidget;
    auto* orphan = new CKelvoCommonButton(parent);
    orphan->setAcceptDrops(true);
    QMimeData mime;
    mime.setData(QStringLiteral("text/uri-list"), "file:///tmp/a.txt\r\n");
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(orphan, &drop);
    delete parent;
    QCoreApplication::sendPostedEvents();
    SUCCEED();
}

} // namespace
