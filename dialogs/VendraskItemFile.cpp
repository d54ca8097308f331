#include "VendraskItemFile.h"

#include "KelvoCommonShell.h"
#include "KelvoCommonShortcutFile.h"

#include <QFile>
#include <QStandardPaths>
#include <glib.h>
#include <memory>

namespace VendraskItemFile {

namespace {

struct GFreeDeleter {
    void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

struct KeyFileDeleter {
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
};

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

QString FromGText(const GText& text) {
    return text ? QString::fromUtf8(text.get()) : QString();
}

// Takes the field codes out of one argument; false when nothing remains
// of an argument that was only a field code.
bool StripFieldCodes(const QString& argument, QString& out) {
    out.clear();
    bool hadCode = false;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] != QLatin1Char('%') || i + 1 >= argument.size()) {
            out.append(argument[i]);
            continue;
        }
        const QChar code = argument[++i];
        if (code == QLatin1Char('%'))
            out.append(QLatin1Char('%'));
        else
            hadCode = true;
    }
    return !(hadCode && out.isEmpty());
}

std::optional<ItemRecord> FromDesktopEntry(const QString& path) {
    std::unique_ptr<GKeyFile, KeyFileDeleter> file(g_key_file_new());
    const QByteArray local = QFile::encodeName(path);
    if (!g_key_file_load_from_file(file.get(), local.constData(), G_KEY_FILE_NONE, nullptr))
        return std::nullopt;
    const char* group = "Desktop Entry";
    const GText type(g_key_file_get_string(file.get(), group, "Type", nullptr));
    if (FromGText(type) != QStringLiteral("Application"))
        return std::nullopt;
    const GText exec(g_key_file_get_string(file.get(), group, "Exec", nullptr));
    const std::optional<ExecLine> line = ParseExec(FromGText(exec));
    if (!line)
        return std::nullopt;
    const GText name(g_key_file_get_locale_string(file.get(), group, "Name", nullptr, nullptr));
    const GText folder(g_key_file_get_string(file.get(), group, "Path", nullptr));

    ItemRecord item;
    const QString entryName = FromGText(name);
    item.Name.Assign(entryName.isEmpty() ? NameOf(path) : entryName);
    // A bare program name is looked up now: items start programs by path.
    QString program = line->program;
    if (!program.contains(QLatin1Char('/'))) {
        if (const QString found = QStandardPaths::findExecutable(program); !found.isEmpty())
            program = found;
    }
    item.Path.Assign(program);
    item.Option.Assign(CKelvoCommonShell::JoinArguments(line->arguments));
    item.WorkingFolder.Assign(FromGText(folder));
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

std::optional<ExecLine> ParseExec(const QString& exec) {
    if (exec.trimmed().isEmpty())
        return std::nullopt;
    const QByteArray utf8 = exec.toUtf8();
    gint argc = 0;
    gchar** argv = nullptr;
    if (!g_shell_parse_argv(utf8.constData(), &argc, &argv, nullptr))
        return std::nullopt;
    QStringList words;
    for (gint i = 0; i < argc; ++i) {
        QString word;
        if (StripFieldCodes(QString::fromUtf8(argv[i]), word))
            words.append(word);
    }
    g_strfreev(argv);
    if (words.isEmpty() || words.front().isEmpty())
        return std::nullopt;
    ExecLine line;
    line.program = words.takeFirst();
    line.arguments = words;
    return line;
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
