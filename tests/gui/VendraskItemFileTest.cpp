// SPDX-License-Identifier: MIT
// An item made from a desktop entry is the entry itself: the shell starts
// it through GIO, which honours its Exec line (quoting, field codes),
// Terminal= and Path=, however the line is written.
#include "dialogs/VendraskItemFile.h"

#include "common/platform/gio/KelvoCommonGioShell.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using vendrask::test::TempDir;
using vendrask::test::WriteBytes;
using Plan = CKelvoCommonGioShell::Plan;

TEST(VendraskItemFileTest, DesktopEntryItemsAreTheEntryWhateverItsExecLine) {
    struct Row {
        const char* name;
        std::string exec; // as the line stands in the file, key-file escapes and all
    };
    const Row rows[] = {
        {"escaped quotes inside a quoted argument", R"(/bin/sh -c "echo \"hi\" >> ~/log")"},
        {"single quotes around a backslash", R"(/bin/sh --pattern='a\b')"},
        {"empty arguments", R"(/bin/sh "" -x "")"},
        {"backslash, dollar and back quote escaped", R"(/bin/sh "a\\\\b \\$HOME \\`id\\`")"},
        {"a lone quote", R"(/bin/sh "\"")"},
        {"quotes at both ends of a grouped word", R"(/bin/sh "\"a b\"")"},
        {"tab from the key file", R"(/bin/sh "a\tb")"},
        {"field codes", "/bin/sh %U --pct=50%% --file=%f"},
        {"Japanese with a blank", "/bin/sh \"日本 語\""},
        {"longer than an option holds", "/bin/sh -c \"" + std::string(300, 'x') + "\""},
        {"a program not on PATH", "not-installed-yet --x"},
    };
    TempDir dir;
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path entry = dir.File("app" + std::to_string(++n) + ".desktop");
        WriteBytes(entry, "[Desktop Entry]\nType=Application\nName=App\nTerminal=true\n"
                          "Path=/tmp\nExec=" +
                              row.exec + "\n");
        const QString file = QString::fromStdString(entry.string());
        const ItemRecord item = VendraskItemFile::FromFile(file);
        // The entry's own name, not its file's.
        EXPECT_EQ(item.Name.ToQString(), QStringLiteral("App"));
        EXPECT_EQ(item.Path.ToQString(), file);
        EXPECT_TRUE(item.Option.IsEmpty()) << item.Option.ToQString().toStdString();
        EXPECT_TRUE(item.WorkingFolder.IsEmpty());
        const Plan plan =
            CKelvoCommonGioShell::PlanOpen(item.Path.ToQString(), item.Option.ToQString(), {});
        EXPECT_EQ(plan.kind, Plan::DesktopEntry);
        EXPECT_EQ(plan.program, file);
        EXPECT_TRUE(plan.arguments.isEmpty());
    }
}
