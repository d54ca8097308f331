// SPDX-License-Identifier: MIT
// Command lines of desktop entries, as an item gets them.
#include "common/system/KelvoCommonDesktopEntry.h"

#include "common/core/KelvoCommonExecLine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

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

// What the autostart verb writes, an item reads back word for word.
TEST(KelvoCommonExecLine, RoundTrips) {
    struct Row {
        const char* name;
        std::vector<std::string> words;
        std::string value;
    };
    const Row rows[] = {
        {"spaces", {"/opt/my app/run", "a b"}, R"("/opt/my app/run" "a b")"},
        {"quotes", {"app", R"(say "hi")", "it's"}, R"(app "say \\"hi\\"" "it's")"},
        {"backslash", {"app", R"(C:\dir)"}, R"(app "C:\\\\dir")"},
        {"dollar", {"app", "$HOME"}, R"(app "\\$HOME")"},
        {"backtick", {"app", "`id`"}, R"(app "\\`id\\`")"},
        {"percent", {"app", "50%", "%f"}, "app 50%% %%f"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string value = KelvoExecValue(row.words);
        EXPECT_EQ(value, row.value);
        const auto line = KelvoParseExec(QString::fromStdString(KelvoUnescapeValue(value)));
        ASSERT_TRUE(line.has_value());
        QStringList words{line->program};
        words += line->arguments;
        QStringList expected;
        for (const std::string& word : row.words)
            expected.append(QString::fromStdString(word));
        EXPECT_EQ(words, expected);
    }
}
