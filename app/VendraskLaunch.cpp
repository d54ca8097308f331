// SPDX-License-Identifier: MIT
#include "app/VendraskLaunch.h"

#include "app/VendraskApp.h"
#include "app/VendraskLog.h"
#include "common/core/KelvoCommonText.h"
#include "common/platform/KelvoCommonShell.h"
#include "common/system/KelvoCommonShortcutFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <climits>
#include <filesystem>

namespace {

// Every path, folder and address handled here fits the platform's path
// limit: this many characters with the terminator.
constexpr qsizetype kPathBufferLength = 260;
constexpr qsizetype kMaxPathLength = kPathBufferLength - 1;

const QString kClsidPrefix = QStringLiteral("CLSID");
const QString kCsidlPrefix = QStringLiteral("CSIDL");
// "CSIDL::" comes before the number.
constexpr qsizetype kCsidlNumberAt = 7;

// A decimal number as the C library's wide-character reader takes it:
// leading blanks, a sign, digits up to the first other character; no digits
// read as 0. Values beyond int are held at its ends (no folder has them).
int ReadFolderNumber(QStringView text) {
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || (text[at] >= u'\t' && text[at] <= u'\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        negative = text[at++] == u'-';
    long long value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at)
        value = std::min<long long>(value * 10 + (text[at].unicode() - u'0'), 1LL + INT_MAX);
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool IsAsciiLetter(QChar ch) {
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z');
}

// The folder part of a path as splitting it gives it: up to and with the
// last "/" ("/data/photos" gives "/data/").
QString DirectoryOf(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The extension of the file name part, with its dot, lower-cased.
QString LowerExtensionOf(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

// What an Internet shortcut may open: an address with a scheme (a letter,
// then letters, digits, "+", "-" or ".", then ":"; two characters at least,
// so a drive letter is none). A bare path in "URL=" is never started as a
// program. The rest of the address is the browser's to read: the ones
// people save hold blanks, "|", "{", "^" or a lone "%".
bool IsWebAddress(const QString& text) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 2 || !IsAsciiLetter(text[0]))
        return false;
    return std::all_of(text.cbegin() + 1, text.cbegin() + colon, [](QChar ch) {
        return IsAsciiLetter(ch) || (ch >= u'0' && ch <= u'9') || ch == u'+' || ch == u'-' ||
               ch == u'.';
    });
}

// The folder part of a path as stored, either separator: "Open Folder"
// shows where an item lies.
QString FolderOfStoredPath(const QString& path) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.left(slash + 1);
}

} // namespace

CVendraskLaunch::CVendraskLaunch(CVendraskApp& app) : m_app(app) {}

int CVendraskLaunch::ExecuteItem(const ItemRecord& item) const {
    return ExecutePath(item.Path.ToQString(), item.Option.ToQString(),
                       item.WorkingFolder.ToQString());
}

void CVendraskLaunch::OpenFolder(const ItemRecord& item) const {
    const QString folder = FolderOfStoredPath(item.Path.ToQString());
    if (!folder.isEmpty())
        ExecutePath(folder, QString(), QString());
}

int CVendraskLaunch::ExecutePath(const QString& path, const QString& option,
                                 const QString& workingFolder) const {
    CKelvoCommonShell& shell = *m_app.Services().shell;
    if (path.startsWith(kClsidPrefix)) {
        shell.OpenShellObject(path.mid(kClsidPrefix.size()));
        return 1;
    }
    if (path.startsWith(kCsidlPrefix)) {
        const QString folder =
            shell.SpecialFolderPath(ReadFolderNumber(QStringView(path).mid(kCsidlNumberAt)));
        if (!folder.isEmpty())
            shell.Open(folder, QString(), QString());
        return 1;
    }

    // Relative paths mean the program folder, whatever the current one is.
    const auto resolve = [this](const QString& text) {
        return text.isEmpty() || QDir::isAbsolutePath(text) ? text : m_app.ResolveProgramPath(text);
    };
    QString file = resolve(ReplaceEnvironmentVariable(path));
    const QString folder = resolve(ReplaceEnvironmentVariable(workingFolder));
    if (file.isEmpty() || !QFileInfo::exists(file)) {
        qCDebug(lcVendrask) << "no such file" << file;
        return 0;
    }
    // The started program runs there; the launcher's own folder stays.
    const QString runIn = folder.isEmpty() ? DirectoryOf(file) : folder;

    if (LowerExtensionOf(file) == QLatin1String(".url")) {
        // The whole address: cut, it would open another page.
        std::u16string url;
        const std::filesystem::path shortcut(QFile::encodeName(file).toStdString());
        if (CKelvoCommonShortcutFile::ReadUrl(shortcut, url) != KelvoShortcutStatus::Ok)
            url.clear();
        const QString address = QString::fromStdU16String(url);
        // An unreadable shortcut or one without an address starts nothing.
        if (!IsWebAddress(address)) {
            qCDebug(lcVendrask) << "no address in" << file;
            return 1;
        }
        file = address;
    }
    return shell.Open(file, option, runIn) ? 1 : -1;
}

QString CVendraskLaunch::ReplaceEnvironmentVariable(const QString& source) {
    // A value or a result beyond the path buffers is not cut (a cut path
    // might name another file): the text stays as written, and fails to exist.
    const std::u16string expanded =
        KelvoExpandFirstVariable(source.toStdU16String(), static_cast<std::size_t>(kMaxPathLength));
    return QString::fromStdU16String(expanded);
}
