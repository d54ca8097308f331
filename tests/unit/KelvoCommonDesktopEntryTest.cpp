// SPDX-License-Identifier: MIT
// Command lines of desktop entries, as an item gets them.
#include "KelvoCommonDesktopEntry.h"

#include <gtest/gtest.h>

TEST(KelvoCommonDesktopEntry, ExecLines) {
    struct Row {
        const char* name;
        QString exec;
        bool valid;
        QString program;
        QStringList arguments;
    };
    const Row rows[] = {
        {"field code alone goes", QStringLiteral("gedit %U"), true, QStringLiteral("gedit"), {}},
        {"quoted program with blanks",
         QStringLiteral("\"/opt/my app/run\" -x %f"),
         true,
         QStringLiteral("/opt/my app/run"),
         {QStringLiteral("-x")}},
        {"codes inside an argument",
         QStringLiteral("app --file=%f --pct=50%%"),
         true,
         QStringLiteral("app"),
         {QStringLiteral("--file="), QStringLiteral("--pct=50%")}},
        {"only a field code", QStringLiteral("%U"), false, {}, {}},
        {"unbalanced quote", QStringLiteral("\"app"), false, {}, {}},
        {"empty", QString(), false, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto line = KelvoParseExec(row.exec);
        ASSERT_EQ(line.has_value(), row.valid);
        if (!line)
            continue;
        EXPECT_EQ(line->program, row.program);
        EXPECT_EQ(line->arguments, row.arguments);
    }
}
