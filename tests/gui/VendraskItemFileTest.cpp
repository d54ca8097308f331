// SPDX-License-Identifier: MIT
// An item made from a desktop entry starts the program with exactly the
// arguments the entry's Exec line gives.
#include "VendraskItemFile.h"

#include "TestSupport.h"
#include "x11/KelvoCommonGioShell.h"

#include <gtest/gtest.h>

using vendrask::test::TempDir;
using vendrask::test::WriteBytes;
using Plan = CKelvoCommonGioShell::Plan;

TEST(VendraskItemFileTest, DesktopEntryItemsStartExactlyTheEntrysArguments) {
    struct Row {
        const char* name;
        const char* exec; // as the line stands in the file, key-file escapes and all
        QStringList arguments;
    };
    const Row rows[] = {
        {"escaped quotes inside a quoted argument",
         R"(/bin/sh -c "echo \"hi\" >> ~/log")",
         {QStringLiteral("-c"), QStringLiteral("echo \"hi\" >> ~/log")}},
        {"single quotes around a backslash",
         R"(/bin/sh --pattern='a\b')",
         {QStringLiteral("--pattern=a\\b")}},
        {"empty arguments", R"(/bin/sh "" -x "")", {QString(), QStringLiteral("-x"), QString()}},
        {"backslash, dollar and back quote escaped",
         R"(/bin/sh "a\\\\b \\$HOME \\`id\\`")",
         {QStringLiteral("a\\b $HOME `id`")}},
        {"a lone quote", R"(/bin/sh "\"")", {QStringLiteral("\"")}},
        {"three quotes", R"(/bin/sh "\"\"\"")", {QStringLiteral("\"\"\"")}},
        {"quotes at both ends of a grouped word",
         R"(/bin/sh "\"a b\"")",
         {QStringLiteral("\"a b\"")}},
        {"quote and blank",
         R"(/bin/sh "\" " " \"")",
         {QStringLiteral("\" "), QStringLiteral(" \"")}},
        {"tab from the key file", R"(/bin/sh "a\tb")", {QStringLiteral("a\tb")}},
        {"field codes go, %% is %",
         "/bin/sh %U --pct=50%% --file=%f",
         {QStringLiteral("--pct=50%"), QStringLiteral("--file=")}},
        {"Japanese with a blank", "/bin/sh \"日本 語\"", {QString::fromUtf16(u"日本 語")}},
    };
    TempDir dir;
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path entry = dir.File("app" + std::to_string(++n) + ".desktop");
        WriteBytes(entry, std::string("[Desktop Entry]\nType=Application\nName=App\nExec=") +
                              row.exec + "\n");
        const ItemRecord item = VendraskItemFile::FromFile(QString::fromStdString(entry.string()));
        const Plan plan =
            CKelvoCommonGioShell::PlanOpen(item.Path.ToQString(), item.Option.ToQString(), {});
        EXPECT_EQ(plan.kind, Plan::Execute);
        EXPECT_EQ(plan.arguments, row.arguments) << item.Option.ToQString().toStdString();
    }
}
