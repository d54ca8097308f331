// SPDX-License-Identifier: MIT
// The Linux shell: what it decides for each kind of file, and real starts
// of small scripts (detached, in their folder, arguments verbatim).
#include "common/platform/gio/KelvoCommonGioShell.h"

#include "common/system/KelvoCommonShortcutFile.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

using vendrask::test::PathText;
using vendrask::test::ReadBytes;
using vendrask::test::TempDir;
using vendrask::test::WriteBytes;
using Plan = CKelvoCommonGioShell::Plan;

namespace {

QStringList L(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes, bool executable) {
    WriteBytes(file, bytes);
    std::filesystem::permissions(file, executable ? std::filesystem::perms::owner_all
                                                  : std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_write);
}

// Writes its arguments (one a line), its folder, its session and parent
// and its environment next to itself, into "<out>.part" renamed to out.
constexpr std::string_view kReporter = "#!/bin/sh\n"
                                       "out=\"$REPORT_TO\"\n"
                                       "{ for a in \"$@\"; do printf 'arg:%s\\n' \"$a\"; done\n"
                                       "  printf 'pwd:%s\\n' \"$(pwd)\"\n"
                                       "  printf 'pid:%s\\n' \"$$\"\n"
                                       "  printf 'sid:%s\\n' \"$(cut -d' ' -f6 /proc/$$/stat)\"\n"
                                       "  printf 'ppid:%s\\n' \"$PPID\"\n"
                                       "  env | sed 's/^/env:/'; } > \"$out.part\"\n"
                                       "mv \"$out.part\" \"$out\"\n";

QStringList WaitForReport(const std::filesystem::path& file) {
    QElapsedTimer timer;
    timer.start();
    while (!std::filesystem::exists(file) && timer.elapsed() < 10000)
        QThread::msleep(10);
    return QString::fromStdString(ReadBytes(file)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList Lines(const QStringList& report, const QString& tag) {
    QStringList found;
    for (const QString& line : report) {
        if (line.startsWith(tag))
            found.append(line.mid(tag.size()));
    }
    return found;
}

} // namespace

TEST(KelvoCommonGioShell, SplitsOptionsWithoutInterpretingThem) {
    struct Row {
        const char* name;
        QString option;
        QStringList arguments;
    };
    const Row rows[] = {
        {"empty", QString(), {}},
        {"blanks only", QStringLiteral("   \t "), {}},
        {"words", QStringLiteral("-a  --b c"), L({"-a", "--b", "c"})},
        {"quoted words stay one", QStringLiteral("\"my file.txt\" x"), L({"my file.txt", "x"})},
        {"quotes inside a word", QStringLiteral("--name=\"a b\""), L({"--name=a b"})},
        {"tripled quotes are a quote", QStringLiteral("\"\"\"hi\"\"\""), L({"\"hi\""})},
        {"command separator", QStringLiteral("; rm -rf x"), L({";", "rm", "-rf", "x"})},
        {"command substitution", QStringLiteral("$(touch pwned)"), L({"$(touch", "pwned)"})},
        {"back quotes", QStringLiteral("`id`"), L({"`id`"})},
        {"pipe and redirection", QStringLiteral("a|b >c &&d"), L({"a|b", ">c", "&&d"})},
        {"variables and globs", QStringLiteral("$HOME ~ *.txt %PATH%"),
         L({"$HOME", "~", "*.txt", "%PATH%"})},
        {"single quotes are plain characters", QStringLiteral("'a b'"), L({"'a", "b'"})},
        {"backslashes are plain characters", QStringLiteral("\\\"a b\\\""), L({"\\a b\\"})},
        {"a quoted empty word is an argument", QStringLiteral("a \"\" b"), L({"a", "", "b"})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonGioShell::SplitArguments(row.option), row.arguments);
    }
}

TEST(KelvoCommonGioShell, PlansByKindOfFile) {
    TempDir dir;
    const auto at = [&dir](const char* name) { return PathText(dir.File(name)); };
    WriteFile(dir.File("tool.sh"), "#!/bin/sh\nexit 0\n", true);
    WriteFile(dir.File("program"),
              std::string("\x7f"
                          "ELF\2\1\1",
                          7),
              true);
    WriteFile(dir.File("notes.sh"), "#!/bin/sh\n", false);
    WriteFile(dir.File("run-me.txt"), "echo not a script\n", true);
    WriteFile(dir.File("App.DESKTOP"), "[Desktop Entry]\nType=Application\nExec=true\n", false);
    std::filesystem::create_directory(dir.File("photos"));
    const QString folder = at("photos");
    const QString fileUri = QStringLiteral("file://") + PathText(dir.Path());

    struct Row {
        const char* name;
        QString file;
        QString parameters;
        QString workingFolder;
        Plan plan;
    };
    const Row rows[] = {
        {"script with the execute bit",
         at("tool.sh"),
         QStringLiteral("-x \"a b\""),
         folder,
         {Plan::Execute, at("tool.sh"), L({"-x", "a b"}), {}, folder}},
        {"ELF program", at("program"), {}, {}, {Plan::Execute, at("program"), {}, {}, {}}},
        {"script without the execute bit opens as a document",
         at("notes.sh"),
         QStringLiteral("-x"),
         {},
         {Plan::DefaultApplication, {}, {}, fileUri + QStringLiteral("/notes.sh"), {}}},
        {"execute bit on a text file is not a program",
         at("run-me.txt"),
         {},
         {},
         {Plan::DefaultApplication, {}, {}, fileUri + QStringLiteral("/run-me.txt"), {}}},
        {"folder",
         folder,
         {},
         {},
         {Plan::DefaultApplication, {}, {}, fileUri + QStringLiteral("/photos"), {}}},
        {"desktop entry in capitals, arguments as files",
         at("App.DESKTOP"),
         QStringLiteral("pic.png"),
         folder,
         {Plan::DesktopEntry,
          at("App.DESKTOP"),
          {fileUri + QStringLiteral("/photos/pic.png")},
          {},
          folder}},
        {"web address",
         QStringLiteral("https://example.org/a?b=c"),
         QStringLiteral("ignored"),
         {},
         {Plan::DefaultApplication, {}, {}, QStringLiteral("https://example.org/a?b=c"), {}}},
        {"missing file", at("nope.sh"), {}, folder, {}},
        {"empty path", QString(), {}, {}, {}},
        {"missing working folder runs where the caller is",
         at("tool.sh"),
         {},
         at("gone"),
         {Plan::Execute, at("tool.sh"), {}, {}, {}}},
        {"working folder that is a file is not used",
         at("tool.sh"),
         {},
         at("notes.sh"),
         {Plan::Execute, at("tool.sh"), {}, {}, {}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Plan plan =
            CKelvoCommonGioShell::PlanOpen(row.file, row.parameters, row.workingFolder);
        EXPECT_EQ(plan.kind, row.plan.kind);
        EXPECT_EQ(plan.program, row.plan.program);
        EXPECT_EQ(plan.arguments, row.plan.arguments);
        EXPECT_EQ(plan.uri, row.plan.uri);
        EXPECT_EQ(plan.workingFolder, row.plan.workingFolder);
    }
}

TEST(KelvoCommonGioShell, FollowsShellLinksToTheirTarget) {
    TempDir dir;
    const auto at = [&dir](const char* name) { return PathText(dir.File(name)); };
    WriteFile(dir.File("tool.sh"), "#!/bin/sh\n", true);
    std::filesystem::create_directory(dir.File("work"));
    qputenv("KELVO_SHELL_TEST_DIR", QFile::encodeName(PathText(dir.Path())));
    const auto link = [&dir](const char* name, const QString& target, const char* arguments,
                             const QString& folder) {
        ASSERT_EQ(CKelvoCommonShortcutFile::WriteLnk(dir.File(name), target.toStdU16String(),
                                                     QString::fromUtf8(arguments).toStdU16String(),
                                                     folder.toStdU16String()),
                  KelvoShortcutStatus::Ok);
    };
    link("plain.lnk", at("tool.sh"), "--from-link", at("work"));
    link("bare.LNK", at("tool.sh"), "", QString());
    link("variable.lnk", QStringLiteral("%KELVO_SHELL_TEST_DIR%/tool.sh"), "", QString());
    link("to-link.lnk", at("plain.lnk"), "", QString());
    link("loop-a.lnk", at("loop-b.lnk"), "", QString());
    link("loop-b.lnk", at("loop-a.lnk"), "", QString());
    link("to-nothing.lnk", at("missing.sh"), "", QString());
    WriteBytes(dir.File("damaged.lnk"), "not a shell link at all");

    struct Row {
        const char* name;
        QString file;
        QString parameters;
        QString workingFolder;
        Plan plan;
    };
    const Row rows[] = {
        {"link arguments first, then the item's; the link's folder wins",
         at("plain.lnk"),
         QStringLiteral("extra"),
         at("work"),
         {Plan::Execute, at("tool.sh"), L({"--from-link", "extra"}), {}, at("work")}},
        {"capital extension, no link folder keeps the caller's",
         at("bare.LNK"),
         {},
         at("work"),
         {Plan::Execute, at("tool.sh"), {}, {}, at("work")}},
        {"variable in the target",
         at("variable.lnk"),
         {},
         {},
         {Plan::Execute, at("tool.sh"), {}, {}, {}}},
        {"a link to a link",
         at("to-link.lnk"),
         {},
         {},
         {Plan::Execute, at("tool.sh"), L({"--from-link"}), {}, at("work")}},
        {"links pointing at each other start nothing", at("loop-a.lnk"), {}, {}, {}},
        {"target that is gone", at("to-nothing.lnk"), {}, {}, {}},
        {"not a shell link", at("damaged.lnk"), {}, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Plan plan =
            CKelvoCommonGioShell::PlanOpen(row.file, row.parameters, row.workingFolder);
        EXPECT_EQ(plan.kind, row.plan.kind);
        EXPECT_EQ(plan.program, row.plan.program);
        EXPECT_EQ(plan.arguments, row.plan.arguments);
        EXPECT_EQ(plan.workingFolder, row.plan.workingFolder);
    }
    qunsetenv("KELVO_SHELL_TEST_DIR");
}

TEST(KelvoCommonGioShell, SpecialFolderNumbers) {
    // Test mode keeps the data, configuration and cache folders apart from
    // the user's; they are made here so that they exist.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    for (const QString& folder : {data + QStringLiteral("/applications"), config, cache})
        QDir().mkpath(folder);
    QDir(data + QStringLiteral("/fonts")).removeRecursively();

    const QStringList fileOnly{QStringLiteral("file")};
    const QStringList withVfs{QStringLiteral("file"), QStringLiteral("trash"),
                              QStringLiteral("recent"), QStringLiteral("computer"),
                              QStringLiteral("network")};
    struct Row {
        const char* name;
        int csidl;
        QStringList schemes;
        QString location;
    };
    const Row rows[] = {
        {"programs", 2, fileOnly, data + QStringLiteral("/applications")},
        {"favorites are no folder here", 6, withVfs, {}},
        {"recent files", 8, withVfs, QStringLiteral("recent:///")},
        {"recent files without a virtual file system", 8, fileOnly, {}},
        {"recycle bin", 10, withVfs, QStringLiteral("trash:///")},
        {"recycle bin without a virtual file system", 10, fileOnly, {}},
        {"computer", 17, withVfs, QStringLiteral("computer:///")},
        {"computer falls back to the root", 17, fileOnly, QStringLiteral("/")},
        {"network", 18, withVfs, QStringLiteral("network:///")},
        {"fonts folder not there is not made", 20, fileOnly, {}},
        {"application data", 26, fileOnly, config},
        {"local application data", 28, fileOnly, data},
        {"internet cache", 32, fileOnly, cache},
        {"profile", 40, fileOnly, QDir::homePath()},
        {"unknown number", 1, withVfs, {}},
        {"negative number", -5, withVfs, {}},
        {"large number", 100000, withVfs, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonGioShell::SpecialFolderLocation(row.csidl, row.schemes),
                  row.location);
    }
}

TEST(KelvoCommonGioShell, ShellObjects) {
    using Object = CKelvoCommonGioShell::ShellObject;
    const QStringList withVfs{QStringLiteral("file"), QStringLiteral("trash"),
                              QStringLiteral("computer"), QStringLiteral("network")};
    struct Row {
        const char* name;
        QString object;
        Object::Kind kind;
        QString location;
    };
    const Row rows[] = {
        {"computer", QStringLiteral("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"), Object::Location,
         QStringLiteral("computer:///")},
        {"recycle bin", QStringLiteral("::{645FF040-5081-101B-9F08-00AA002F954E}"),
         Object::Location, QStringLiteral("trash:///")},
        {"identifier in lower case", QStringLiteral("::{645ff040-5081-101b-9f08-00aa002f954e}"),
         Object::Location, QStringLiteral("trash:///")},
        {"web browser",
         QStringLiteral("::{871C5380-42A0-1069-A2EA-08002B30309D}"),
         Object::WebBrowser,
         {}},
        {"network", QStringLiteral("::{208D2C60-3AEA-1069-A2D7-08002B30309D}"), Object::Location,
         QStringLiteral("network:///")},
        {"without the colons",
         QStringLiteral("{20D04FE0-3AEA-1069-A2D8-08002B30309D}"),
         Object::Unknown,
         {}},
        {"unknown identifier",
         QStringLiteral("::{00000000-0000-0000-0000-000000000000}"),
         Object::Unknown,
         {}},
        {"trailing text",
         QStringLiteral("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\x"),
         Object::Unknown,
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Object object = CKelvoCommonGioShell::ShellObjectLocation(row.object, withVfs);
        EXPECT_EQ(object.kind, row.kind);
        EXPECT_EQ(object.location, row.location);
    }
    EXPECT_EQ(
        CKelvoCommonGioShell::ShellObjectLocation(
            QStringLiteral("::{645FF040-5081-101B-9F08-00AA002F954E}"), {QStringLiteral("file")})
            .kind,
        Object::Unknown)
        << "no recycle bin without a virtual file system";
}

TEST(KelvoCommonGioShell, StartsProgramsDetachedWithTheirArgumentsVerbatim) {
    TempDir dir;
    TempDir work;
    WriteFile(dir.File("report.sh"), kReporter, true);
    const std::filesystem::path report = dir.File("report.txt");
    qputenv("REPORT_TO", QFile::encodeName(PathText(report)));
    qputenv("DESKTOP_STARTUP_ID", "launcher-own-token");
    const QString before = QDir::currentPath();

    CKelvoCommonGioShell shell;
    const QString option =
        QStringLiteral("\"two words\" ; rm -rf x $(touch pwned) `touch pwned` a|b %HOME% $HOME");
    ASSERT_TRUE(shell.Open(PathText(dir.File("report.sh")), option, PathText(work.Path())));
    const QStringList lines = WaitForReport(report);
    qunsetenv("DESKTOP_STARTUP_ID");
    qunsetenv("REPORT_TO");

    EXPECT_EQ(Lines(lines, QStringLiteral("arg:")),
              L({"two words", ";", "rm", "-rf", "x", "$(touch", "pwned)", "`touch", "pwned`", "a|b",
                 "%HOME%", "$HOME"}));
    EXPECT_FALSE(std::filesystem::exists(work.File("pwned")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("pwned")));
    EXPECT_EQ(Lines(lines, QStringLiteral("pwd:")), QStringList{PathText(work.Path())});
    const QStringList pid = Lines(lines, QStringLiteral("pid:"));
    ASSERT_EQ(pid.size(), 1);
    EXPECT_EQ(pid.first().toLongLong(), shell.LastProcessId());
    EXPECT_EQ(Lines(lines, QStringLiteral("sid:")), pid) << "leads a session of its own";
    // Once it has ended it is collected, not left behind as a zombie.
    const std::filesystem::path proc = "/proc/" + pid.first().toStdString();
    QElapsedTimer timer;
    timer.start();
    while (std::filesystem::exists(proc) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(std::filesystem::exists(proc)) << "the ended program was not collected";
    const QStringList environment = Lines(lines, QStringLiteral("env:"));
    EXPECT_TRUE(environment.filter(QStringLiteral("DESKTOP_STARTUP_ID=")).isEmpty());
    EXPECT_FALSE(environment.filter(QStringLiteral("REPORT_TO=")).isEmpty());
    EXPECT_EQ(QDir::currentPath(), before) << "the caller's own folder does not change";
}

TEST(KelvoCommonGioShell, StartsDesktopEntriesInTheChosenFolder) {
    TempDir dir;
    TempDir work;
    WriteFile(dir.File("report.sh"), kReporter, true);
    const std::filesystem::path report = dir.File("report.txt");
    WriteBytes(dir.File("reporter.desktop"),
               "[Desktop Entry]\nType=Application\nName=Reporter\nExec=" +
                   dir.File("report.sh").string() + " --entry %F\n");
    qputenv("REPORT_TO", QFile::encodeName(PathText(report)));

    CKelvoCommonGioShell shell;
    ASSERT_TRUE(shell.Open(PathText(dir.File("reporter.desktop")), QStringLiteral("\"my pic.png\""),
                           PathText(work.Path())));
    const QStringList lines = WaitForReport(report);
    qunsetenv("REPORT_TO");
    EXPECT_EQ(Lines(lines, QStringLiteral("arg:")),
              (QStringList{QStringLiteral("--entry"), PathText(work.File("my pic.png"))}));
    EXPECT_EQ(Lines(lines, QStringLiteral("pwd:")), QStringList{PathText(work.Path())});
    EXPECT_EQ(Lines(lines, QStringLiteral("sid:")), Lines(lines, QStringLiteral("pid:")));
}

TEST(KelvoCommonGioShell, NothingStartsForWhatIsNotThere) {
    TempDir dir;
    CKelvoCommonGioShell shell;
    EXPECT_FALSE(shell.Open(PathText(dir.File("missing.sh")), {}, {}));
    EXPECT_FALSE(shell.OpenShellObject(QStringLiteral("::{00000000-0000-0000-0000-000000000000}")));
    EXPECT_EQ(shell.LastProcessId(), 0);
}
