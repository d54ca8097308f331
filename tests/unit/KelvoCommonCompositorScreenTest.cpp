// SPDX-License-Identifier: MIT
// The focused output from the compositors' IPC replies: what sway and
// Hyprland send, and bytes that are no such reply.
#include "common/platform/wayland/KelvoCommonCompositorScreen.h"

#include <gtest/gtest.h>

namespace {

using Screen = CKelvoCommonCompositorScreen;

constexpr char kSwayOutputs[] = R"([{"name":"HEADLESS-1","active":true,"focused":false,)"
                                R"("rect":{"x":0,"y":0,"width":1280,"height":800}},)"
                                R"({"name":"HEADLESS-2","active":true,"focused":true,)"
                                R"("rect":{"x":1280,"y":0,"width":1280,"height":800}}])";

constexpr char kHyprlandMonitors[] =
    R"([{"id":0,"name":"DP-1","x":0,"y":0,"width":2560,"height":1440,"focused":false},)"
    R"({"id":1,"name":"HDMI-A-1","x":2560,"y":0,"width":1920,"height":1080,"focused":true}])";

} // namespace

TEST(KelvoCommonCompositorScreen, FocusedOutputFromTheReply) {
    struct Row {
        const char* name;
        bool hyprland;
        QByteArray reply;
        QString output; // empty: none
        QRect rect;
    };
    const Row rows[] = {
        {"sway: the focused one of two", false, kSwayOutputs, QStringLiteral("HEADLESS-2"),
         QRect(1280, 0, 1280, 800)},
        {"hyprland: the focused one of two", true, kHyprlandMonitors, QStringLiteral("HDMI-A-1"),
         QRect(2560, 0, 1920, 1080)},
        {"none focused", false, R"([{"name":"A","focused":false}])", {}, {}},
        {"focused without a name", false, R"([{"focused":true}])", {}, {}},
        {"an object, not a list", false, R"({"name":"A","focused":true})", {}, {}},
        {"cut off", false, QByteArray(kSwayOutputs).left(60), {}, {}},
        {"not JSON", true, "\xff\xfe\x00garbage", {}, {}},
        {"empty", true, "", {}, {}},
        {"wrong types", false, R"([7,"x",null,{"name":3,"focused":"yes"}])", {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto output = row.hyprland ? Screen::FocusedHyprlandMonitor(row.reply)
                                         : Screen::FocusedSwayOutput(row.reply);
        EXPECT_EQ(output.has_value(), !row.output.isEmpty());
        if (output) {
            EXPECT_EQ(output->name, row.output);
            EXPECT_EQ(output->rect, row.rect);
        }
    }
}

TEST(KelvoCommonCompositorScreen, I3FramingOfRequestAndReply) {
    const QByteArray request = Screen::I3Request(Screen::kI3GetOutputs);
    EXPECT_EQ(request, QByteArray("i3-ipc\0\0\0\0\3\0\0\0", 14));

    const QByteArray whole = QByteArray("i3-ipc\2\0\0\0\3\0\0\0", 14) + "[]";
    struct Row {
        const char* name;
        QByteArray reply;
        bool accepted;
    };
    const Row rows[] = {
        {"whole reply", whole, true},
        {"payload cut short", whole.left(15), false},
        {"header cut short", whole.left(9), false},
        {"another type", QByteArray("i3-ipc\2\0\0\0\4\0\0\0", 14) + "[]", false},
        {"bad magic", QByteArray("i3-ipX\2\0\0\0\3\0\0\0", 14) + "[]", false},
        {"length beyond the bytes", QByteArray("i3-ipc\xff\xff\xff\xff\3\0\0\0", 14), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto payload = Screen::I3Payload(row.reply, Screen::kI3GetOutputs);
        EXPECT_EQ(payload.has_value(), row.accepted);
        if (payload) {
            EXPECT_EQ(*payload, "[]");
        }
    }
}
