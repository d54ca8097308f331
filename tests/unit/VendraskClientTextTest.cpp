// SPDX-License-Identifier: MIT
// The verbs' messages: every row in every language with the English's
// placeholders, the language as the desktop's environment names it, and the
// program's message in it.
#include "control/VendraskClientText.h"

#include "tests/support/TestSupport.h"

#include <QProcess>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

namespace {

// "%s", "%d"... in order; "%%" counts too, as a translator may drop it.
std::vector<std::string> Placeholders(std::string_view text) {
    std::vector<std::string> found;
    for (std::size_t at = text.find('%'); at != std::string_view::npos && at + 1 < text.size();
         at = text.find('%', at + 2))
        found.emplace_back(text.substr(at, 2));
    return found;
}

} // namespace

TEST(VendraskClientText, EveryRowInEveryLanguage) {
    const auto& languages = CVendraskClientText::kLanguages;
    for (const auto& row : CVendraskClientText::Table()) {
        const std::string_view english = row.english;
        for (std::size_t i = 0; i < languages.size(); ++i) {
            SCOPED_TRACE(std::string(languages[i]) + ": " + row.english);
            const char* translation = row.translations[i];
            ASSERT_NE(translation, nullptr);
            const std::string_view text = translation;
            EXPECT_FALSE(text.empty());
            EXPECT_NE(text, english);
            EXPECT_EQ(Placeholders(text), Placeholders(english));
            EXPECT_EQ(text.find('\n') != std::string_view::npos,
                      english.find('\n') != std::string_view::npos);
        }
    }
}

// A message the client prints without a row would stay English everywhere.
TEST(VendraskClientText, EveryMessageOfTheSourcesHasARow) {
    std::set<std::string> rows;
    for (const auto& row : CVendraskClientText::Table())
        rows.insert(row.english);
    const std::regex message(R"re((?:ClientText::Text|ClientText::Fill|Fault)\(\s*"([^"]*)")re");
    for (const char* file : {"control/VendraskControlClient.cpp", "control/VendraskAutostart.cpp",
                             "control/VendraskControlRequest.cpp", "launcher/main.cpp"}) {
        std::ifstream in(std::string(VENDRASK_SOURCE_DIR "/") + file);
        ASSERT_TRUE(in) << file;
        std::stringstream text;
        text << in.rdbuf();
        const std::string source = text.str();
        int count = 0;
        for (std::sregex_iterator it(source.begin(), source.end(), message), end; it != end;
             ++it, ++count)
            EXPECT_TRUE(rows.contains((*it)[1].str())) << file << ": " << (*it)[1].str();
        EXPECT_GT(count, 0) << file;
    }
}

TEST(VendraskClientText, LanguageFromTheEnvironment) {
    struct Row {
        const char* name;
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* expected; // a column, or "" for English
    };
    const Row rows[] = {
        {"LANGUAGE=de:fr wins over LANG=ja_JP.UTF-8", "de:fr", nullptr, nullptr, "ja_JP.UTF-8",
         "de"},
        {"LANGUAGE skips a language without a column", "xx:pt_PT:fr", nullptr, nullptr, "de_DE",
         "fr"},
        {"LANGUAGE with English first gives English", "en_GB:de", nullptr, nullptr, "de_DE", ""},
        {"LANGUAGE without any known language gives English", "xx", nullptr, nullptr, "de_DE", ""},
        {"LC_ALL=C gives English", nullptr, "C", nullptr, "de_DE.UTF-8", ""},
        {"POSIX gives English", nullptr, nullptr, "POSIX", "de_DE.UTF-8", ""},
        {"LC_ALL over LC_MESSAGES", nullptr, "ru_RU.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", "ru"},
        {"LC_MESSAGES over LANG", nullptr, "", "fr_FR.UTF-8", "de_DE.UTF-8", "fr"},
        {"pt_BR.UTF-8", nullptr, nullptr, nullptr, "pt_BR.UTF-8", "pt_BR"},
        {"bare pt takes Brazilian", nullptr, nullptr, nullptr, "pt", "pt_BR"},
        {"pt_PT has no column", nullptr, nullptr, nullptr, "pt_PT.UTF-8", ""},
        {"zh_CN", nullptr, nullptr, nullptr, "zh_CN", "zh_CN"},
        {"zh_TW has no column", nullptr, nullptr, nullptr, "zh_TW.UTF-8", ""},
        {"region and modifier dropped", nullptr, nullptr, nullptr, "de_AT.UTF-8@euro", "de"},
        {"unknown xx_YY gives English", nullptr, nullptr, nullptr, "xx_YY.UTF-8", ""},
        {"LANGUAGE empty falls to LANG", "", nullptr, nullptr, "es_ES.UTF-8", "es"},
        {"nothing set gives English", nullptr, nullptr, nullptr, nullptr, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int column =
            CVendraskClientText::Language(row.language, row.lcAll, row.lcMessages, row.lang);
        EXPECT_EQ(column < 0 ? "" : std::string(CVendraskClientText::kLanguages.at(column)),
                  row.expected);
    }
}

TEST(VendraskClientText, FailingVerbSpeaksTheLanguage) {
    struct Row {
        const char* lang;
        const char* expected;
    };
    const Row rows[] = {
        {"de_DE.UTF-8", "vendrask: der Starter läuft nicht\n"},
        {"C", "vendrask: not running\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lang);
        // No launcher: a runtime folder of our own, empty.
        vendrask::test::TempDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("LANG"), QLatin1String(row.lang));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                   QString::fromStdString(runtime.Path().string()));
        QProcess client;
        client.setProcessEnvironment(env);
        client.start(QStringLiteral(VENDRASK_BINARY_DIR "/vendrask"), {QStringLiteral("hide")});
        ASSERT_TRUE(client.waitForFinished(10000));
        EXPECT_EQ(client.exitCode(), 3);
        EXPECT_EQ(client.readAllStandardError().toStdString(), row.expected);
    }
}
