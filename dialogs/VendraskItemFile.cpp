// SPDX-License-Identifier: MIT
#include "dialogs/VendraskItemFile.h"

#include "common/system/KelvoCommonDesktopEntry.h"
#include "common/system/KelvoCommonShortcutFile.h"

#include <QFile>

namespace VendraskItemFile {

namespace {

// The last part of the path, trailing separators looked through.
QString LastPart(const QString& path) {
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == QLatin1Char('/'))
        --end;
    const QString trimmed = path.left(end);
    const qsizetype slash = trimmed.lastIndexOf(QLatin1Char('/'));
    const QString last = slash < 0 ? trimmed : trimmed.mid(slash + 1);
    return last.isEmpty() ? trimmed : last;
}

// Where the extension of the last part starts, or -1.
qsizetype ExtensionStart(const QString& last) {
    const qsizetype dot = last.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? dot : -1;
}

std::optional<ItemRecord> FromDesktopEntry(const QString& path) {
    const std::optional<KelvoDesktopEntry> entry = KelvoReadDesktopEntry(path);
    if (!entry)
        return std::nullopt;
    // The entry itself, started through the shell, which honours its
    // Terminal=, Path=, field codes and startup notification; taken apart
    // into program and arguments it lost all of them. Its own name in the
    // user's language, where the file name would be an application id.
    ItemRecord item;
    item.Name.Assign(entry->name.isEmpty() ? NameOf(path) : entry->name);
    item.Path.Assign(path);
    return item;
}

} // namespace

QString NameOf(const QString& path) {
    const QString last = LastPart(path);
    const qsizetype dot = ExtensionStart(last);
    return dot < 0 ? last : last.left(dot);
}

QString ExtensionOf(const QString& path) {
    const QString last = LastPart(path);
    const qsizetype dot = ExtensionStart(last);
    return dot < 0 ? QString() : last.mid(dot).toLower();
}

ItemRecord FromFile(const QString& path) {
    const QString extension = ExtensionOf(path);
    if (extension == QStringLiteral(".desktop")) {
        if (std::optional<ItemRecord> entry = FromDesktopEntry(path))
            return *entry;
    }
    ItemRecord item;
    item.Name.Assign(NameOf(path));
    if (extension == QStringLiteral(".lnk")) {
        // An unreadable link leaves the three fields empty.
        KelvoLnkInformation link;
        const std::filesystem::path file(QFile::encodeName(path).toStdString());
        if (CKelvoCommonShortcutFile::ReadLnk(file, link) == KelvoShortcutStatus::Ok) {
            item.Path.Assign(link.target);
            item.Option.Assign(link.arguments);
            item.WorkingFolder.Assign(link.workingFolder);
        }
        return item;
    }
    item.Path.Assign(path);
    return item;
}

} // namespace VendraskItemFile
