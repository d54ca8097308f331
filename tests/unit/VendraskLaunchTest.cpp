// SPDX-License-Identifier: MIT
// Starting items through the shell, without a window: path forms, one
// variable, Internet shortcuts, the working folder.
#include "app/VendraskLaunch.h"

#include "app/VendraskApp.h"
#include "tests/support/VendraskHarness.h"

#include <QDir>
#include <QFile>
#include <climits>
#include <gtest/gtest.h>

using vendrask::test::CVendraskHarness;
using vendrask::test::PathText;
using vendrask::test::ScopedVariable;
using vendrask::test::TempDir;
using vendrask::test::Utf16LeBytes;
using vendrask::test::WriteBytes;
using Call = CKelvoCommonFakeShell::Call;
constexpr auto Opened = &CKelvoCommonFakeShell::Opened;

namespace {

// What people save from a browser's address bar, not all of it strict URL syntax.
constexpr const char* kOddAddress = "https://example.org/a b|c{d}^e?q=50%";

class VendraskLaunch : public ::testing::Test, protected CVendraskHarness {
protected:
    VendraskLaunch() : CVendraskHarness(Start::Nothing) {}
    void SetUp() override {
        app = MakeApp();
        app->SetProgramFolder(PathText(dir.Path()));
        launch = std::make_unique<CVendraskLaunch>(*app);

        std::filesystem::create_directories(files.File("tools"));
        std::filesystem::create_directories(files.File("data/photos"));
        WriteBytes(files.File("tools/app.sh"), "#!/bin/sh\n");
        WriteBytes(files.File("tools/kelvo-user.txt"), "x");
        WriteBytes(dir.File("local.sh"), "#!/bin/sh\n");
        WriteBytes(files.File("tools/link.lnk"), "shortcut");
        WriteBytes(files.File("Site.URL"),
                   "[InternetShortcut]\r\nURL=https://example.org/start\r\n");
        WriteBytes(files.File("wide.url"),
                   "\xff\xfe" + Utf16LeBytes("[InternetShortcut]\nurl=https://example.org/w\n"));
        WriteBytes(files.File("empty.url"), "[InternetShortcut]\n");
        WriteBytes(files.File("path.url"), "[InternetShortcut]\nURL=/bin/sh\n");
        WriteBytes(files.File("odd.url"), std::string("[InternetShortcut]\nURL=") + kOddAddress);
        WriteBytes(files.File("drive.url"), "[InternetShortcut]\nURL=C:\\Windows\\notepad.exe\n");
        WriteBytes(files.File("long.url"), "[InternetShortcut]\nURL=" + LongAddress() + "\n");
    }
    // Longer than the old 259-character buffer: cut, it named another page.
    static std::string LongAddress() {
        return "https://example.org/search?q=" + std::string(300, 'k') + "&page=2";
    }
    QString File(const char* name) const { return PathText(files.File(name)); }

    TempDir files;
    std::unique_ptr<CVendraskLaunch> launch;
};

} // namespace

TEST(VendraskReplaceEnvironmentVariable, OnlyTheFirstPairOfASetVariable) {
    const ScopedVariable user("KELVO_TEST_USER", "mika");
    const ScopedVariable empty("KELVO_TEST_EMPTY", "");
    const ScopedVariable longValue("KELVO_TEST_LONG", QByteArray(250, 'v'));
    const ScopedVariable tooLong("KELVO_TEST_TOO_LONG", QByteArray(260, 'v'));
    qunsetenv("KELVO_TEST_NOPE");
    struct Row {
        const char* name;
        QString source;
        QString expected;
    };
    const Row rows[] = {
        {"no percent sign", QStringLiteral("/usr/bin/tool"), QStringLiteral("/usr/bin/tool")},
        {"one percent sign", QStringLiteral("/a/50%.txt"), QStringLiteral("/a/50%.txt")},
        {"text around the variable stays", QStringLiteral("/tools/%KELVO_TEST_USER%.txt"),
         QStringLiteral("/tools/mika.txt")},
        {"only the first pair", QStringLiteral("%KELVO_TEST_USER%/%KELVO_TEST_USER%"),
         QStringLiteral("mika/%KELVO_TEST_USER%")},
        {"first pair unknown, second left alone",
         QStringLiteral("%KELVO_TEST_NOPE%/%KELVO_TEST_USER%"),
         QStringLiteral("%KELVO_TEST_NOPE%/%KELVO_TEST_USER%")},
        {"empty variable", QStringLiteral("/x/%KELVO_TEST_EMPTY%/y"),
         QStringLiteral("/x/%KELVO_TEST_EMPTY%/y")},
        {"two percent signs together", QStringLiteral("/x/%%/y"), QStringLiteral("/x/%%/y")},
        {"names are case-sensitive here", QStringLiteral("%kelvo_test_user%"),
         QStringLiteral("%kelvo_test_user%")},
        {"result of 259 characters", QStringLiteral("%KELVO_TEST_LONG%") + QString(9, u'x'),
         QString(250, u'v') + QString(9, u'x')},
        {"result beyond 259 characters stays as written",
         QStringLiteral("%KELVO_TEST_LONG%") + QString(10, u'x'),
         QStringLiteral("%KELVO_TEST_LONG%") + QString(10, u'x')},
        {"value beyond 259 characters", QStringLiteral("/%KELVO_TEST_TOO_LONG%"),
         QStringLiteral("/%KELVO_TEST_TOO_LONG%")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CVendraskLaunch::ReplaceEnvironmentVariable(row.source), row.expected);
    }
}

TEST_F(VendraskLaunch, PathForms) {
    const ScopedVariable folder("KELVO_TEST_FILES", QFile::encodeName(PathText(files.Path())));
    const ScopedVariable user("KELVO_TEST_USER", "kelvo-user");
    FakeShell().SetSpecialFolder(0, QStringLiteral("/home/u/Desktop"));
    FakeShell().SetSpecialFolder(8, QStringLiteral("recent:///"));
    const QString tools = File("tools/");
    const QString option = QStringLiteral("\"quoted words\" -x");

    struct Row {
        const char* name;
        QString path;
        QString option;
        QString workingFolder;
        int result;
        QList<Call> calls;
        QList<int> folderQueries;
    };
    const Row rows[] = {
        {"shell object, option and folder ignored",
         QStringLiteral("CLSID::{645FF040-5081-101B-9F08-00AA002F954E}"),
         option,
         File("data"),
         1,
         {{Call::ShellObjectCall,
           QStringLiteral("::{645FF040-5081-101B-9F08-00AA002F954E}"),
           {},
           {}}},
         {}},
        {"clsid in lower case is a file that is not there",
         QStringLiteral("clsid::{645FF040-5081-101B-9F08-00AA002F954E}"),
         {},
         {},
         0,
         {},
         {}},
        {"special folder, option and folder ignored",
         QStringLiteral("CSIDL::8"),
         option,
         File("data"),
         1,
         {Opened(QStringLiteral("recent:///"), {}, {})},
         {8}},
        {"special folder number of letters reads 0",
         QStringLiteral("CSIDL::desktop"),
         {},
         {},
         1,
         {Opened(QStringLiteral("/home/u/Desktop"), {}, {})},
         {0}},
        {"special folder with blanks and a sign",
         QStringLiteral("CSIDL::  +8x"),
         {},
         {},
         1,
         {Opened(QStringLiteral("recent:///"), {}, {})},
         {8}},
        {"special folder unknown here starts nothing",
         QStringLiteral("CSIDL::6"),
         {},
         {},
         1,
         {},
         {6}},
        {"special folder number beyond int",
         QStringLiteral("CSIDL::99999999999"),
         {},
         {},
         1,
         {},
         {INT_MAX}},
        {"lower-case csidl is a file", QStringLiteral("csidl::8"), {}, {}, 0, {}, {}},
        {"program, option exactly as stored, its own folder",
         File("tools/app.sh"),
         option,
         {},
         1,
         {Opened(File("tools/app.sh"), option, tools)},
         {}},
        {"working folder given",
         File("tools/app.sh"),
         {},
         File("data"),
         1,
         {Opened(File("tools/app.sh"), {}, File("data"))},
         {}},
        {"working folder expanded",
         File("tools/app.sh"),
         {},
         QStringLiteral("%KELVO_TEST_FILES%/data"),
         1,
         {Opened(File("tools/app.sh"), {}, File("data"))},
         {}},
        {"folder opens in its parent",
         File("data/photos"),
         {},
         {},
         1,
         {Opened(File("data/photos"), {}, File("data/"))},
         {}},
        {"missing file starts nothing", File("tools/gone.sh"), option, {}, 0, {}, {}},
        {"variable in the path",
         QStringLiteral("%KELVO_TEST_FILES%/tools/app.sh"),
         {},
         {},
         1,
         {Opened(File("tools/app.sh"), {}, tools)},
         {}},
        {"text before the variable kept",
         File("tools/%KELVO_TEST_USER%.txt"),
         {},
         {},
         1,
         {Opened(File("tools/kelvo-user.txt"), {}, tools)},
         {}},
        {"only the first pair expanded",
         QStringLiteral("%KELVO_TEST_FILES%/tools/%KELVO_TEST_USER%.txt"),
         {},
         {},
         0,
         {},
         {}},
        {"relative path against the program folder",
         QStringLiteral("local.sh"),
         {},
         {},
         1,
         {Opened(PathText(dir.File("local.sh")), {}, PathText(dir.Path()) + QLatin1Char('/'))},
         {}},
        {"shortcut handed on unchanged",
         File("tools/link.lnk"),
         option,
         {},
         1,
         {Opened(File("tools/link.lnk"), option, tools)},
         {}},
        {"Internet shortcut in capitals opens its address",
         File("Site.URL"),
         option,
         {},
         1,
         {Opened(QStringLiteral("https://example.org/start"), option, File(""))},
         {}},
        {"Internet shortcut in UTF-16, working folder given",
         File("wide.url"),
         {},
         File("data"),
         1,
         {Opened(QStringLiteral("https://example.org/w"), {}, File("data"))},
         {}},
        {"Internet shortcut without an address starts nothing",
         File("empty.url"),
         {},
         {},
         1,
         {},
         {}},
        {"Internet shortcut naming a program starts nothing", File("path.url"), {}, {}, 1, {}, {}},
        {"Internet shortcut with a drive path starts nothing",
         File("drive.url"),
         {},
         {},
         1,
         {},
         {}},
        {"Internet shortcut with a long address opens all of it",
         File("long.url"),
         {},
         {},
         1,
         {Opened(QString::fromStdString(LongAddress()), {}, File(""))},
         {}},
        {"Internet shortcut with ordinary characters opens as written",
         File("odd.url"),
         {},
         {},
         1,
         {Opened(QString::fromLatin1(kOddAddress), {}, File(""))},
         {}},
    };
    const QString before = QDir::currentPath();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeShell().ClearCalls();
        const qsizetype queries = FakeShell().SpecialFolderQueries().size();
        EXPECT_EQ(launch->ExecutePath(row.path, row.option, row.workingFolder), row.result);
        EXPECT_EQ(FakeShell().Calls(), row.calls);
        EXPECT_EQ(FakeShell().SpecialFolderQueries().mid(queries), row.folderQueries);
        EXPECT_EQ(QDir::currentPath(), before);
    }
}
