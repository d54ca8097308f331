// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/KelvoCommonMessages.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

class QMimeData;

// A shell drop block: what a file drop hands to its receiver, who owns it
// and releases it when done (destroying the object is the release).
//
// Layout, little-endian, as the drop header of the shell has it:
//   offset  0  uint32  offset of the file list (20 for the blocks built here)
//   offset  4  int32   drop point x
//   offset  8  int32   drop point y
//   offset 12  int32   the point lies in the non-client area (0 or 1)
//   offset 16  int32   the names are wide (1: UTF-16LE) or 8-bit (0)
//   offset 20  the names, each NUL-terminated, then one more NUL ending the list.
// The blocks built here carry 8-bit names in the locale's encoding (UTF-8),
// so a block with one name of n bytes is n + 22 bytes long.
//
// Reading never trusts the block: a header that is too short or points
// outside the block gives no files, and a name that runs off the end of the
// block is not counted.
class KELVOCOMMON_EXPORT CKelvoCommonDropFiles final {
public:
    static constexpr int kHeaderSize = 20;

    // A block listing paths in order. Empty paths are left out (an empty
    // name would end the list early); a path is cut at an embedded NUL.
    static std::unique_ptr<CKelvoCommonDropFiles> Build(const QStringList& paths, QPoint point = {},
                                                        bool nonClient = false);
    // Adopts the bytes of a block made elsewhere.
    static std::unique_ptr<CKelvoCommonDropFiles> FromBytes(QByteArray bytes);
    // Whether a path survives the trip through an 8-bit block unchanged.
    static bool CanCarry(const QString& path);

    ~CKelvoCommonDropFiles();
    CKelvoCommonDropFiles(const CKelvoCommonDropFiles&) = delete;
    CKelvoCommonDropFiles& operator=(const CKelvoCommonDropFiles&) = delete;

    const QByteArray& Bytes() const { return m_bytes; }
    // Number of files, and the path of file index (empty when out of range).
    int FileCount() const { return static_cast<int>(m_files.size()); }
    QString File(int index) const;
    QStringList Files() const { return m_files; }
    QPoint Point() const { return m_point; }
    bool IsNonClient() const { return m_nonClient; }
    bool IsWide() const { return m_wide; }

private:
    explicit CKelvoCommonDropFiles(QByteArray bytes);
    void Parse();

    QByteArray m_bytes;
    QStringList m_files;
    QPoint m_point;
    bool m_nonClient = false;
    bool m_wide = false;
};

// WM_DROPFILES: a posted message that carries a drop block. wParam is the
// block's address, as a drop handle; the receiver takes the block with
// TakeDrop() and owns it. A block nobody took is released with the event,
// so a drop posted to a window that is gone is not lost memory.
class KELVOCOMMON_EXPORT CKelvoCommonDropFilesEvent final : public CKelvoCommonMessageEvent {
public:
    explicit CKelvoCommonDropFilesEvent(std::unique_ptr<CKelvoCommonDropFiles> drop);
    ~CKelvoCommonDropFilesEvent() override;

    // The block while the event still holds it; null once taken.
    const CKelvoCommonDropFiles* Drop() const { return m_drop.get(); }
    std::unique_ptr<CKelvoCommonDropFiles> TakeDrop() { return std::move(m_drop); }

    QEvent* clone() const override;

private:
    std::unique_ptr<CKelvoCommonDropFiles> m_drop;
};

// Posts WM_DROPFILES with a block to receiver; the block is released at once
// when there is no receiver.
void KelvoCommonPostDropFiles(QObject* receiver, std::unique_ptr<CKelvoCommonDropFiles> drop);

// The addresses a drop carries: its text/uri-list read line by line, comment
// lines (starting with "#") and empty lines left out; without a uri-list,
// whatever addresses the drop offers.
QList<QUrl> KelvoCommonDroppedUrls(const QMimeData* mime);
