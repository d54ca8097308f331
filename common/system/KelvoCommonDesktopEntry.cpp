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
    const GText exec(g_key_file_get_string(file.get(), group, "Exec", nullptr));
    std::optional<KelvoExecLine> line = KelvoParseExec(FromGText(exec));
    if (!line)
        return std::nullopt;
    const GText name(g_key_file_get_locale_string(file.get(), group, "Name", nullptr, nullptr));
    const GText folder(g_key_file_get_string(file.get(), group, "Path", nullptr));
    return KelvoDesktopEntry{FromGText(name), std::move(*line), FromGText(folder)};
}
