// SPDX-License-Identifier: MIT
#include "common/system/KelvoCommonDesktopEntry.h"

#include "common/core/KelvoCommonExecLine.h"

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

// A string value with the key-file escapes undone, as Exec wants it.
QString StringValue(GKeyFile* file, const char* group, const char* key) {
    const GText raw(g_key_file_get_value(file, group, key, nullptr));
    return raw ? QString::fromStdString(KelvoUnescapeValue(raw.get())) : QString();
}

} // namespace

std::optional<KelvoExecLine> KelvoParseExec(const QString& exec) {
    if (exec.trimmed().isEmpty())
        return std::nullopt;
    const std::optional<std::vector<std::string>> words = KelvoSplitExec(exec.toStdString());
    if (!words)
        return std::nullopt;
    KelvoExecLine line;
    line.program = QString::fromStdString(words->front());
    for (auto word = words->begin() + 1; word != words->end(); ++word)
        line.arguments.append(QString::fromStdString(*word));
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
