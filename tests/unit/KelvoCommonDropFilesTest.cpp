// SPDX-License-Identifier: MIT
// Shell drop blocks: the layout the builder writes and the reader's
// bounds-checked view of blocks from anywhere.

#include "common/controls/KelvoCommonDropFiles.h"

#include <QMimeData>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray Header(quint32 listOffset, qint32 x = 0, qint32 y = 0, qint32 nonClient = 0,
                  qint32 wide = 0) {
    QByteArray bytes(20, '\0');
    qToLittleEndian<quint32>(listOffset, bytes.data());
    qToLittleEndian<qint32>(x, bytes.data() + 4);
    qToLittleEndian<qint32>(y, bytes.data() + 8);
    qToLittleEndian<qint32>(nonClient, bytes.data() + 12);
    qToLittleEndian<qint32>(wide, bytes.data() + 16);
    return bytes;
}

QByteArray Wide(const QString& text) {
    QByteArray bytes;
    for (const QChar ch : text) {
        bytes.append(static_cast<char>(ch.unicode() & 0xFF));
        bytes.append(static_cast<char>(ch.unicode() >> 8));
    }
    return bytes;
}

TEST(KelvoCommonDropFilesTest, OneFileBlockIsNPlus22Bytes) {
    const auto block = CKelvoCommonDropFiles::Build({QStringLiteral("/tmp/a.txt")});
    const QByteArray expected = Header(20) + QByteArray("/tmp/a.txt") + QByteArray(2, '\0');
    EXPECT_EQ(block->Bytes(), expected);
    EXPECT_EQ(block->Bytes().size(), 10 + 22);
    EXPECT_EQ(block->FileCount(), 1);
    EXPECT_EQ(block->File(0), QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(block->Point(), QPoint(0, 0));
    EXPECT_FALSE(block->IsNonClient());
    EXPECT_FALSE(block->IsWide());
}

TEST(KelvoCommonDropFilesTest, SeveralFilesInOrderWithPointAndArea) {
    const QStringList paths{QStringLiteral("/a/one.cam"), QStringLiteral("/b/two.aud"),
                            QStringLiteral("/c/three")};
    const auto block = CKelvoCommonDropFiles::Build(paths, {12, -3}, true);
    EXPECT_EQ(block->Bytes(),
              Header(20, 12, -3, 1) + QByteArray("/a/one.cam\0/b/two.aud\0/c/three\0\0", 32));
    EXPECT_EQ(block->Bytes().size(), 10 + 1 + 10 + 1 + 8 + 1 + 21);
    EXPECT_EQ(block->Files(), paths);
    EXPECT_EQ(block->Point(), QPoint(12, -3));
    EXPECT_TRUE(block->IsNonClient());
}

TEST(KelvoCommonDropFilesTest, NamesTravelAsUtf8WithoutLoss) {
    const QString japanese = QStringLiteral("/home/u/") +
                             QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E") +
                             QStringLiteral(".txt");
    const auto block = CKelvoCommonDropFiles::Build({japanese});
    EXPECT_EQ(block->Bytes().mid(20, japanese.toUtf8().size()), japanese.toUtf8());
    EXPECT_EQ(block->File(0), japanese);
    EXPECT_TRUE(CKelvoCommonDropFiles::CanCarry(japanese));
}

TEST(KelvoCommonDropFilesTest, WhatAPathCannotCarry) {
    EXPECT_FALSE(CKelvoCommonDropFiles::CanCarry(QString()));
    EXPECT_FALSE(
        CKelvoCommonDropFiles::CanCarry(QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b")));
    // A lone half of a surrogate pair has no UTF-8 form.
    EXPECT_FALSE(CKelvoCommonDropFiles::CanCarry(QStringLiteral("x") + QChar(0xD800)));
    EXPECT_TRUE(CKelvoCommonDropFiles::CanCarry(QString(5000, QChar(u'p'))));
}

TEST(KelvoCommonDropFilesTest, EmptyNamesAreLeftOutAndEmbeddedNulCuts) {
    const auto block =
        CKelvoCommonDropFiles::Build({QString(), QStringLiteral("/x"),
                                      QStringLiteral("/y") + QChar(u'\0') + QStringLiteral("z")});
    EXPECT_EQ(block->Files(), (QStringList{QStringLiteral("/x"), QStringLiteral("/y")}));
    const auto none = CKelvoCommonDropFiles::Build({});
    EXPECT_EQ(none->Bytes(), Header(20) + QByteArray(1, '\0'));
    EXPECT_EQ(none->FileCount(), 0);
}

struct ReadRow {
    const char* name;
    QByteArray bytes;
    QStringList files;
};

void PrintTo(const ReadRow& row, std::ostream* out) {
    *out << row.name;
}

class DropFilesReadTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(DropFilesReadTest, ReadsOnlyWhatTheBlockHolds) {
    const ReadRow& row = GetParam();
    const auto block = CKelvoCommonDropFiles::FromBytes(row.bytes);
    EXPECT_EQ(block->Files(), row.files);
    EXPECT_EQ(block->FileCount(), row.files.size());
    EXPECT_EQ(block->File(static_cast<int>(row.files.size())), QString());
    EXPECT_EQ(block->File(-1), QString());
}

const QString kA = QStringLiteral("/a");
const QString kB = QStringLiteral("/b");

const ReadRow kReadRows[] = {
    {"Empty", QByteArray(), {}},
    {"HeaderCutShort", Header(20).left(19), {}},
    {"HeaderOnly", Header(20), {}},
    {"ListOffsetInsideHeader", Header(4) + QByteArray("/a\0\0", 4), {}},
    {"ListOffsetPastTheEnd", Header(1000) + QByteArray("/a\0\0", 4), {}},
    {"ListOffsetHuge", Header(0xFFFFFFFFu) + QByteArray("/a\0\0", 4), {}},
    {"ListOffsetAtTheEnd", Header(24) + QByteArray("/a\0\0", 4), {}},
    {"ListFurtherIn", Header(24) + QByteArray("junk/a\0\0", 8), {kA}},
    {"NameRunsOffTheEnd", Header(20) + QByteArray("/a\0/b", 5), {kA}},
    {"MissingFinalNul", Header(20) + QByteArray("/a\0/b\0", 6), {kA, kB}},
    {"EmptyNameEndsTheList", Header(20) + QByteArray("/a\0\0/b\0\0", 8), {kA}},
    {"Wide",
     Header(20, 0, 0, 0, 1) + Wide(QStringLiteral("/a")) + QByteArray(2, '\0') +
         Wide(QStringLiteral("/b")) + QByteArray(4, '\0'),
     {kA, kB}},
    {"WideOddTail", Header(20, 0, 0, 0, 1) + Wide(QStringLiteral("/a")) + QByteArray(1, '\0'), {}},
    {"WideNameRunsOffTheEnd", Header(20, 0, 0, 0, 1) + Wide(QStringLiteral("/a")), {}},
    {"WideJapanese",
     Header(20, 0, 0, 0, 1) + Wide(QString::fromUtf8("/\xE6\x97\xA5")) + QByteArray(4, '\0'),
     {QString::fromUtf8("/\xE6\x97\xA5")}},
};

INSTANTIATE_TEST_SUITE_P(Rows, DropFilesReadTest, ::testing::ValuesIn(kReadRows),
                         [](const ::testing::TestParamInfo<ReadRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(KelvoCommonDropFilesTest, EventOwnsTheBlockUntilTaken) {
    auto block = CKelvoCommonDropFiles::Build({kA});
    const CKelvoCommonDropFiles* raw = block.get();
    CKelvoCommonDropFilesEvent event(std::move(block));
    EXPECT_EQ(event.type(), WM_DROPFILES);
    EXPECT_EQ(event.WParam(), reinterpret_cast<quintptr>(raw));
    EXPECT_EQ(event.Drop(), raw);
    std::unique_ptr<QEvent> copy(event.clone());
    auto* copied = dynamic_cast<CKelvoCommonDropFilesEvent*>(copy.get());
    ASSERT_NE(copied, nullptr);
    ASSERT_NE(copied->Drop(), nullptr);
    EXPECT_NE(copied->Drop(), raw);
    EXPECT_EQ(copied->Drop()->Files(), QStringList{kA});
    const auto taken = event.TakeDrop();
    EXPECT_EQ(taken.get(), raw);
    EXPECT_EQ(event.Drop(), nullptr);
}

TEST(KelvoCommonDropFilesTest, UriListsSkipCommentsAndBlankLines) {
    QMimeData mime;
    mime.setData(QStringLiteral("text/uri-list"),
                 "# a comment\r\n\r\nfile:///tmp/a\r\n  file:///tmp/b  \r\n");
    const QList<QUrl> urls = KelvoCommonDroppedUrls(&mime);
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls[0].toLocalFile(), QStringLiteral("/tmp/a"));
    EXPECT_EQ(urls[1].toLocalFile(), QStringLiteral("/tmp/b"));
    EXPECT_TRUE(KelvoCommonDroppedUrls(nullptr).isEmpty());
    QMimeData text;
    text.setText(QStringLiteral("words"));
    EXPECT_TRUE(KelvoCommonDroppedUrls(&text).isEmpty());
}

} // namespace
