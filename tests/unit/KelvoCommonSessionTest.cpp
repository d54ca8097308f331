// SPDX-License-Identifier: MIT
// Which session the variables a session manager sets describe.
#include "common/platform/KelvoCommonSession.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

using Type = CKelvoCommonSession::Type;

struct SessionCase {
    const char* name;
    std::map<std::string, QByteArray> environment;
    Type type;
    bool xwayland;
    const char* desktop;
};

TEST(KelvoCommonSession, TheVariablesNameTheSession) {
    const SessionCase cases[] = {
        {"NoDisplayAtAll", {}, Type::None, false, ""},
        {"PlainX11", {{"DISPLAY", ":0"}}, Type::X11, false, ""},
        {"X11SessionDespiteAStrayWaylandSocket",
         {{"XDG_SESSION_TYPE", "x11"}, {"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}},
         Type::X11,
         false,
         ""},
        {"WaylandOnly", {{"WAYLAND_DISPLAY", "wayland-1"}}, Type::Wayland, false, ""},
        {"WaylandWithXWayland",
         {{"XDG_SESSION_TYPE", "wayland"},
          {"WAYLAND_DISPLAY", "wayland-0"},
          {"DISPLAY", ":1"},
          {"XDG_CURRENT_DESKTOP", "KDE"}},
         Type::Wayland,
         true,
         "kde"},
        {"NoSessionTypeButBothDisplays",
         {{"WAYLAND_DISPLAY", "wayland-0"},
          {"DISPLAY", ":0"},
          {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}},
         Type::Wayland,
         true,
         "ubuntu"},
        {"TtySessionTypeWithADisplay",
         {{"XDG_SESSION_TYPE", "tty"}, {"DISPLAY", ":5"}},
         Type::X11,
         false,
         ""},
        {"ForcedX11InAWaylandSession",
         {{"XDG_SESSION_TYPE", "wayland"},
          {"WAYLAND_DISPLAY", "wayland-0"},
          {"DISPLAY", ":1"},
          {"VENDRASK_SESSION", "x11"}},
         Type::X11,
         false,
         ""},
        {"ForcedWaylandInAnX11Session",
         {{"XDG_SESSION_TYPE", "x11"},
          {"WAYLAND_DISPLAY", "wayland-0"},
          {"DISPLAY", ":0"},
          {"VENDRASK_SESSION", "Wayland"}},
         Type::Wayland,
         true,
         ""},
        {"ForcedSessionWithoutItsDisplayIsIgnored",
         {{"DISPLAY", ":0"}, {"VENDRASK_SESSION", "wayland"}},
         Type::X11,
         false,
         ""},
        {"WaylandTypeWithNothingToTalkTo",
         {{"XDG_SESSION_TYPE", "wayland"}},
         Type::None,
         false,
         ""},
    };
    for (const SessionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto session = CKelvoCommonSession::Detect([&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QByteArray() : found->second;
        });
        EXPECT_EQ(session.type, c.type);
        EXPECT_EQ(session.xwayland, c.xwayland);
        EXPECT_EQ(session.desktop, QString::fromLatin1(c.desktop));
    }
}

} // namespace
