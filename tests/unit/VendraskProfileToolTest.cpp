// SPDX-License-Identifier: MIT
#include "tests/support/TestSupport.h"
#include "tools/profile/ProfileTool.h"

#include <gtest/gtest.h>

using vendrask::test::ReadBytes;
using vendrask::test::TempDir;
using vendrask::test::Utf16LeBytes;
using vendrask::test::WriteBytes;

namespace {

using Result = vendrask::test::ToolResult;

Result RunTool(std::vector<std::string> args) {
    return vendrask::test::RunToolEntry(&RunProfileTool, "vendrask-profile", std::move(args));
}

} // namespace

TEST(VendraskProfileTool, Commands) {
    TempDir dir;
    const std::string ini = dir.File("Vendrask.ini").string();
    const std::string missing = dir.File("missing.ini").string();
    WriteBytes(ini,
               std::string("\xFF\xFE", 2) +
                   Utf16LeBytes("[Item01]\r\nName=\"Web Browser\"\r\n[HotKey]\r\nCode=81\r\n"));

    struct Row {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string out;
    };
    const Row rows[] = {
        {"get strips one pair of quotes", {"get", ini, "Item01", "Name"}, 0, "Web Browser\n"},
        {"get missing key gives the default", {"get", ini, "Item01", "Path", "none"}, 0, "none\n"},
        {"get missing key without default", {"get", ini, "Item01", "Path"}, 0, "\n"},
        {"getint", {"getint", ini, "hotkey", "CODE", "0"}, 0, "81\n"},
        {"getint default", {"getint", ini, "HotKey", "Modifier", "3"}, 0, "3\n"},
        {"getint default not a number", {"getint", ini, "HotKey", "Modifier", "x"}, 2, ""},
        {"set a key name the file cannot hold", {"set", ini, "HotKey", "a=b", "1"}, 1, ""},
        {"set a section name the file cannot hold", {"set", ini, "a]b", "Code", "1"}, 1, ""},
        {"set a bad key name creates no file", {"set", missing, "A", "[B", "1"}, 1, ""},
        {"get on a missing file", {"get", missing, "A", "B"}, 1, ""},
        {"the refused keys left the file alone", {"get", ini, "HotKey", "a"}, 0, "\n"},
        {"too few operands", {"get", ini, "Item01"}, 2, ""},
        {"unknown command", {"remove", ini, "A", "B"}, 2, ""},
        {"no command", {}, 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = RunTool(row.args);
        EXPECT_EQ(result.code, row.code) << result.err;
        EXPECT_EQ(result.out, row.out);
        if (row.code != 0) {
            EXPECT_FALSE(result.err.empty());
            EXPECT_EQ(result.err.rfind("vendrask-profile: ", 0), 0u) << result.err;
        }
    }
}

TEST(VendraskProfileTool, SetCreatesAMissingFileTheLauncherWay) {
    TempDir dir;
    const std::string ini = dir.File("new.ini").string();
    const Result set = RunTool({"set", ini, "Group1", "Title", "日本語 🎉"});
    ASSERT_EQ(set.code, 0) << set.err;
    const std::string bytes = ReadBytes(ini);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2));
    EXPECT_EQ(RunTool({"get", ini, "Group1", "Title"}).out, "日本語 🎉\n");
}

TEST(VendraskProfileTool, SetIntoAnUnwritableFolderFails) {
    const Result set = RunTool({"set", "/proc/vendrask-no/such.ini", "A", "B", "C"});
    EXPECT_EQ(set.code, 1);
    EXPECT_FALSE(set.err.empty());
}
