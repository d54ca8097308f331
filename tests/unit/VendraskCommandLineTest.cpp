// SPDX-License-Identifier: MIT
#include "app/VendraskCommandLine.h"

#include "app/VendraskSettingsLocation.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(VendraskCommandLine, Arguments) {
    struct Row {
        const char* name;
        QStringList args;
        bool help;
        bool version;
        QString ini;
        bool error;
    };
    const QString ini = QStringLiteral("/tmp/x.ini");
    const Row rows[] = {
        {"nothing", {}, false, false, {}, false},
        {"help", {QStringLiteral("--help")}, true, false, {}, false},
        {"short help", {QStringLiteral("-h")}, true, false, {}, false},
        {"version", {QStringLiteral("--version")}, false, true, {}, false},
        {"ini file", {QStringLiteral("--ini"), ini}, false, false, ini, false},
        {"ini=file", {QStringLiteral("--ini=/tmp/x.ini")}, false, false, ini, false},
        {"ini without file", {QStringLiteral("--ini")}, false, false, {}, true},
        {"unknown", {QStringLiteral("--frobnicate")}, false, false, {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto parsed =
            CVendraskCommandLine::Parse(QStringList{QStringLiteral("vendrask")} + row.args);
        EXPECT_EQ(parsed.showHelp, row.help);
        EXPECT_EQ(parsed.showVersion, row.version);
        EXPECT_EQ(parsed.iniFile, row.ini);
        EXPECT_EQ(!parsed.error.isEmpty(), row.error);
    }
}

TEST(VendraskCommandLine, HelpNamesEveryOption) {
    const QString help = CVendraskCommandLine::HelpText();
    for (const char* option : {"--ini FILE", "--help", "--version"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
}

TEST(VendraskSettingsLocation, ChoosesTheFile) {
    vendrask::test::TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    const auto overridden =
        CVendraskSettingsLocation::Resolve(folder, QStringLiteral("/tmp/o.ini"));
    EXPECT_EQ(overridden.file, QStringLiteral("/tmp/o.ini"));

    const auto program = CVendraskSettingsLocation::Resolve(folder, {});
    EXPECT_EQ(program.file, QDir(folder).filePath(QStringLiteral("Vendrask.ini")));

    // /proc is never writable, even for root.
    const auto fallback = CVendraskSettingsLocation::Resolve(QStringLiteral("/proc"), {});
    EXPECT_TRUE(fallback.file.endsWith(QStringLiteral("/Vendrask/Vendrask.ini")));
    EXPECT_FALSE(fallback.file.startsWith(QStringLiteral("/proc")));
}

TEST(VendraskSettingsLocation, AReadOnlyPortableCopyStartsFromItsOwnFile) {
    vendrask::test::TempDir program;
    vendrask::test::TempDir home;
    const QString programFolder = QString::fromStdString(program.Path().string());
    const QString config = QString::fromStdString(home.Path().string()) + QStringLiteral("/V");
    const auto write = [](const QString& file, const QByteArray& text) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    };
    const auto read = [](const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<none>");
    };
    const QString beside = QDir(programFolder).filePath(QStringLiteral("Vendrask.ini"));
    const QString copy = QDir(config).filePath(QStringLiteral("Vendrask.ini"));

    EXPECT_EQ(CVendraskSettingsLocation::InConfigFolder(programFolder, config).file, copy);
    EXPECT_FALSE(QFileInfo::exists(copy)) << "nothing beside the program: the defaults";

    write(beside, "[Item0_0]\nName=Mine\n");
    EXPECT_EQ(CVendraskSettingsLocation::InConfigFolder(programFolder, config).file, copy);
    EXPECT_EQ(read(copy), QByteArray("[Item0_0]\nName=Mine\n")) << "the first start copies";

    write(beside, "[Item0_0]\nName=Changed\n");
    write(copy, "[Item0_0]\nName=Edited here\n");
    CVendraskSettingsLocation::InConfigFolder(programFolder, config);
    EXPECT_EQ(read(copy), QByteArray("[Item0_0]\nName=Edited here\n"))
        << "a later start keeps what the user saved";
}
