// SPDX-License-Identifier: MIT
// The translations a user gets: every language file holds every text of
// the sources, finished, with the placeholders and mnemonics the code
// fills in; and the language follows the desktop's, English first.
#include "app/VendraskTranslations.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Message {
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
};

// context + source -> message, as lupdate writes it.
std::map<QString, Message> ReadTs(const QString& file) {
    std::map<QString, Message> messages;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&in);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                messages[context + QLatin1Char('\x04') + message.source] = message;
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = {};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << file.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QSet<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (const auto& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

const QString kSourceDir = QStringLiteral(VENDRASK_SOURCE_DIR);

// The texts of the sources now, read as a translator's tool reads them;
// once per run.
const std::map<QString, Message>& SourceTexts() {
    static const std::map<QString, Message> texts = [] {
        const QString lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
        QTemporaryDir work;
        const QString fresh = work.filePath(QStringLiteral("fresh.ts"));
        QProcess run;
        run.setWorkingDirectory(kSourceDir);
        run.start(lupdate,
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-I"),
                   QStringLiteral("."), QStringLiteral("app"), QStringLiteral("menu"),
                   QStringLiteral("dialogs"), QStringLiteral("control"), QStringLiteral("launcher"),
                   QStringLiteral("common"), QStringLiteral("-ts"), fresh});
        if (!run.waitForFinished(120000) || run.exitCode() != 0)
            return std::map<QString, Message>{};
        return ReadTs(fresh);
    }();
    return texts;
}

class VendraskTranslationFile : public ::testing::TestWithParam<const char*> {};

} // namespace

INSTANTIATE_TEST_SUITE_P(Languages, VendraskTranslationFile,
                         ::testing::Values("de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

TEST_P(VendraskTranslationFile, HoldsEveryTextOfTheSourcesFinished) {
    const auto& sources = SourceTexts();
    ASSERT_GT(sources.size(), 20u) << "lupdate (qt6-l10n-tools) found no texts";
    const auto messages = ReadTs(
        QDir(kSourceDir)
            .filePath(
                QStringLiteral("translations/vendrask_%1.ts").arg(QLatin1String(GetParam()))));
    for (const auto& [key, source] : sources) {
        const auto found = messages.find(key);
        ASSERT_NE(found, messages.end()) << "not in the file yet (scripts/update-translations.sh): "
                                         << source.source.toStdString();
        const Message& message = found->second;
        EXPECT_TRUE(message.type.isEmpty())
            << message.type.toStdString() << ": " << message.source.toStdString();
        EXPECT_FALSE(message.translation.isEmpty()) << message.source.toStdString();
        EXPECT_EQ(Placeholders(message.translation), Placeholders(message.source))
            << message.source.toStdString() << " -> " << message.translation.toStdString();
        // A shortcut after a tab stays the key the code answers to.
        if (message.source.contains(QLatin1Char('\t'))) {
            EXPECT_EQ(message.translation.section(QLatin1Char('\t'), 1),
                      message.source.section(QLatin1Char('\t'), 1))
                << message.source.toStdString();
        }
    }
    // Nothing left over from texts the code no longer has.
    EXPECT_EQ(messages.size(), sources.size());
}

TEST(VendraskTranslations, TheDesktopsLanguageNamesTheFilesToTry) {
    const struct {
        const char* name;
        const char* uiLanguage;
        QStringList candidates;
    } rows[] = {
        {"German of Germany", "de-DE", {QStringLiteral("de_DE"), QStringLiteral("de")}},
        {"plain Japanese", "ja", {QStringLiteral("ja")}},
        {"Brazilian Portuguese", "pt-BR", {QStringLiteral("pt_BR"), QStringLiteral("pt")}},
        {"Chinese with its script",
         "zh-Hans-CN",
         {QStringLiteral("zh_Hans_CN"), QStringLiteral("zh_CN"), QStringLiteral("zh")}},
        {"English of the US needs none", "en-US", {}},
        {"the C locale needs none", "C", {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CVendraskTranslations::Candidates(QLatin1String(row.uiLanguage)), row.candidates)
            << row.name;
    }
}
