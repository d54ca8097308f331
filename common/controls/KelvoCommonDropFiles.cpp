// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonDropFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QMimeData>
#include <QtEndian>
#include <cstring>

namespace {
constexpr int kOffsetFiles = 0;
constexpr int kOffsetX = 4;
constexpr int kOffsetY = 8;
constexpr int kOffsetNonClient = 12;
constexpr int kOffsetWide = 16;

void PutInt32(QByteArray& bytes, int offset, qint32 value) {
    qToLittleEndian<qint32>(value, bytes.data() + offset);
}

qint32 GetInt32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// The 8-bit form of a path, cut at an embedded NUL.
QByteArray EncodePath(const QString& path) {
    QByteArray encoded = QFile::encodeName(path);
    const qsizetype nul = encoded.indexOf('\0');
    if (nul >= 0)
        encoded.truncate(nul);
    return encoded;
}
} // namespace

CKelvoCommonDropFiles::CKelvoCommonDropFiles(QByteArray bytes) : m_bytes(std::move(bytes)) {
    Parse();
}

CKelvoCommonDropFiles::~CKelvoCommonDropFiles() = default;

std::unique_ptr<CKelvoCommonDropFiles> CKelvoCommonDropFiles::Build(const QStringList& paths,
                                                                    QPoint point, bool nonClient) {
    QByteArray bytes(kHeaderSize, '\0');
    PutInt32(bytes, kOffsetFiles, kHeaderSize);
    PutInt32(bytes, kOffsetX, point.x());
    PutInt32(bytes, kOffsetY, point.y());
    PutInt32(bytes, kOffsetNonClient, nonClient ? 1 : 0);
    PutInt32(bytes, kOffsetWide, 0);
    for (const QString& path : paths) {
        const QByteArray name = EncodePath(path);
        if (name.isEmpty())
            continue;
        bytes.append(name);
        bytes.append('\0');
    }
    bytes.append('\0');
    return std::unique_ptr<CKelvoCommonDropFiles>(new CKelvoCommonDropFiles(std::move(bytes)));
}

std::unique_ptr<CKelvoCommonDropFiles> CKelvoCommonDropFiles::FromBytes(QByteArray bytes) {
    return std::unique_ptr<CKelvoCommonDropFiles>(new CKelvoCommonDropFiles(std::move(bytes)));
}

bool CKelvoCommonDropFiles::CanCarry(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    return QFile::decodeName(QFile::encodeName(path)) == path;
}

QString CKelvoCommonDropFiles::File(int index) const {
    if (index < 0 || index >= m_files.size())
        return {};
    return m_files.at(index);
}

void CKelvoCommonDropFiles::Parse() {
    const qsizetype size = m_bytes.size();
    if (size < kHeaderSize)
        return;
    m_point = QPoint(GetInt32(m_bytes, kOffsetX), GetInt32(m_bytes, kOffsetY));
    m_nonClient = GetInt32(m_bytes, kOffsetNonClient) != 0;
    m_wide = GetInt32(m_bytes, kOffsetWide) != 0;
    const quint32 listOffset = static_cast<quint32>(GetInt32(m_bytes, kOffsetFiles));
    if (listOffset < static_cast<quint32>(kHeaderSize) || listOffset > static_cast<quint64>(size))
        return;

    const char* data = m_bytes.constData();
    qsizetype pos = static_cast<qsizetype>(listOffset);
    if (!m_wide) {
        while (pos < size) {
            const void* nul = std::memchr(data + pos, '\0', static_cast<size_t>(size - pos));
            if (!nul)
                return; // the name runs off the end of the block
            const qsizetype end = static_cast<const char*>(nul) - data;
            if (end == pos)
                return; // the empty name ends the list
            m_files.append(QFile::decodeName(QByteArray(data + pos, end - pos)));
            pos = end + 1;
        }
        return;
    }
    while (pos + 1 < size) {
        qsizetype end = pos;
        while (end + 1 < size && (data[end] != '\0' || data[end + 1] != '\0'))
            end += 2;
        if (end + 1 >= size)
            return;
        if (end == pos)
            return;
        QString name(static_cast<qsizetype>((end - pos) / 2), Qt::Uninitialized);
        for (qsizetype i = 0; i < name.size(); ++i)
            name[i] = QChar(qFromLittleEndian<quint16>(data + pos + 2 * i));
        m_files.append(name);
        pos = end + 2;
    }
}

CKelvoCommonDropFilesEvent::CKelvoCommonDropFilesEvent(std::unique_ptr<CKelvoCommonDropFiles> drop)
    : CKelvoCommonMessageEvent(WM_DROPFILES, reinterpret_cast<quintptr>(drop.get()), 0),
      m_drop(std::move(drop)) {}

CKelvoCommonDropFilesEvent::~CKelvoCommonDropFilesEvent() = default;

QEvent* CKelvoCommonDropFilesEvent::clone() const {
    return new CKelvoCommonDropFilesEvent(m_drop ? CKelvoCommonDropFiles::FromBytes(m_drop->Bytes())
                                                 : nullptr);
}

void KelvoCommonPostDropFiles(QObject* receiver, std::unique_ptr<CKelvoCommonDropFiles> drop) {
    if (!receiver)
        return;
    QCoreApplication::postEvent(receiver, new CKelvoCommonDropFilesEvent(std::move(drop)));
}

QList<QUrl> KelvoCommonDroppedUrls(const QMimeData* mime) {
    QList<QUrl> urls;
    if (!mime)
        return urls;
    const QString uriList = QStringLiteral("text/uri-list");
    if (!mime->hasFormat(uriList))
        return mime->urls();
    const QList<QByteArray> lines = mime->data(uriList).split('\n');
    for (const QByteArray& line : lines) {
        const QByteArray entry = line.trimmed();
        if (entry.isEmpty() || entry.startsWith('#'))
            continue;
        urls.append(QUrl::fromEncoded(entry));
    }
    return urls;
}
