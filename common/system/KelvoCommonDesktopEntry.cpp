// SPDX-License-Identifier: MIT
#include "KelvoCommonDesktopEntry.h"

#include <QFile>
#include <glib.h>
#include <memory>

namespace {

struct GFreeDeleter {
    void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

struct KeyFileDeleter {
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
};

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

// A string value with the key-file escapes (\s \n \t \r \\) undone and
// every other backslash kept: Exec quotes with \" and \$, which newer GLib
// refuses in g_key_file_get_string, so the entry would read as having none.
QString StringValue(GKeyFile* file, const char* group, const char* key) {
    const GText raw(g_key_file_get_value(file, group, key, nullptr));
    if (!raw)
        return {};
    const QString text = QString::fromUtf8(raw.get());
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 >= text.size()) {
            out.append(text[i]);
            continue;
        }
        const QChar next = text[i + 1];
        const char16_t plain = next == QLatin1Char('s')    ? u' '
                               : next == QLatin1Char('n')  ? u'\n'
                               : next == QLatin1Char('t')  ? u'\t'
                               : next == QLatin1Char('r')  ? u'\r'
                               : next == QLatin1Char('\\') ? u'\\'
                                                           : u'\0';
        if (plain == u'\0') {
            out.append(text[i]);
            continue;
        }
        out.append(QChar(plain));
        ++i;
    }
    return out;
}

} // namespace

std::optional<KelvoExecLine> KelvoParseExec(const QString& exec) {
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
    KelvoExecLine line;
    line.program = words.takeFirst();
    line.arguments = words;
    return line;
}

std::optional<KelvoDesktopEntry> KelvoReadDesktopEntry(const QString& path) {
    std::unique_ptr<GKeyFile, KeyFileDeleter> file(g_key_file_new());
    const QByteArray local = QFile::encodeName(path);
    if (!g_key_file_load_from_file(file.get(), local.constData(), G_KEY_FILE_NONE, nullptr))
        return std::nullopt;
    const char* group = "Desktop Entry";
    const GText type(g_key_file_get_string(file.get(), group, "Type", nullptr));
    if (FromGText(type) != QStringLiteral("Application"))
        return std::nullopt;
    std::optional<KelvoExecLine> line = KelvoParseExec(StringValue(file.get(), group, "Exec"));
    if (!line)
        return std::nullopt;
    const GText name(g_key_file_get_locale_string(file.get(), group, "Name", nullptr, nullptr));
    return KelvoDesktopEntry{FromGText(name), std::move(*line),
                             StringValue(file.get(), group, "Path")};
}
