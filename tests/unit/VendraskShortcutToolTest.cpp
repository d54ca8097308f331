// SPDX-License-Identifier: MIT
#include "tests/support/TestSupport.h"
#include "tools/shortcut/ShortcutTool.h"

#include <gtest/gtest.h>

using vendrask::test::TempDir;
using vendrask::test::Utf16LeBytes;
using vendrask::test::WriteBytes;

namespace {

using Result = vendrask::test::ToolResult;

Result RunTool(std::vector<std::string> args) {
    return vendrask::test::RunToolEntry(&RunShortcutTool, "vendrask-shortcut", std::move(args));
}

} // namespace

TEST(VendraskShortcutTool, Commands) {
    TempDir dir;
    const std::string lnk = dir.File("app.lnk").string();
    const std::string url = dir.File("site.url").string();
    const std::string urlNamedLnk = dir.File("site.lnk").string();
    const std::string text = dir.File("notes.txt").string();
    const std::string missing = dir.File("missing.lnk").string();
    const std::string damaged = dir.File("damaged.lnk").string();
    WriteBytes(url, std::string("\xFF\xFE", 2) +
                        Utf16LeBytes("[InternetShortcut]\r\nURL=https://例.jp/a\r\n"));
    WriteBytes(urlNamedLnk, "[InternetShortcut]\nURL=http://b/\n");
    WriteBytes(text, "just text\n");
    // A shell link header announcing LinkInfo that is not there.
    WriteBytes(damaged, std::string("\x4C\x00\x00\x00\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00"
                                    "\x00\x00\x00\x00\x00\x46\x02\x00\x00\x00",
                                    24) +
                            std::string(0x4C - 24, '\0'));

    struct Row {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string out;
    };
    const Row rows[] = {
        {"write", {"write", lnk, "/usr/bin/ls", "-l ä", "/tmp"}, 0, ""},
        {"read the link back", {"read", lnk}, 0, "/usr/bin/ls\n-l ä\n/tmp\n"},
        {"write with empty texts", {"write", lnk, "/usr/bin/ls", "", ""}, 0, ""},
        {"empty arguments and folder give empty lines", {"read", lnk}, 0, "/usr/bin/ls\n\n\n"},
        {"read an Internet shortcut", {"read", url}, 0, "https://例.jp/a\n"},
        {"the content decides, not the name", {"read", urlNamedLnk}, 0, "http://b/\n"},
        {"not a shortcut", {"read", text}, 1, ""},
        {"missing file", {"read", missing}, 1, ""},
        {"damaged link", {"read", damaged}, 1, ""},
        {"a folder", {"read", dir.Path().string()}, 1, ""},
        {"write into a missing folder",
         {"write", dir.File("no/a.lnk").string(), "/a", "", ""},
         1,
         ""},
        {"read without a file", {"read"}, 2, ""},
        {"read with two files", {"read", lnk, url}, 2, ""},
        {"write with too few operands", {"write", lnk, "/a", ""}, 2, ""},
        {"unknown command", {"list", lnk}, 2, ""},
        {"no command", {}, 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = RunTool(row.args);
        EXPECT_EQ(result.code, row.code) << result.err;
        EXPECT_EQ(result.out, row.out);
        if (row.code == 1) {
            // One line naming the file.
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
            EXPECT_NE(result.err.find(row.args[1]), std::string::npos) << result.err;
        } else if (row.code == 2) {
            EXPECT_NE(result.err.find("usage:"), std::string::npos) << result.err;
        }
    }
}

TEST(VendraskShortcutTool, HelpGoesToStandardOutput) {
    const Result result = RunTool({"--help"});
    EXPECT_EQ(result.code, 0);
    EXPECT_NE(result.out.find("usage: vendrask-shortcut read FILE"), std::string::npos);
    EXPECT_TRUE(result.err.empty());
}
