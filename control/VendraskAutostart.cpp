// SPDX-License-Identifier: MIT
#include "control/VendraskAutostart.h"

#include "common/core/KelvoCommonExecLine.h"
#include "common/core/KelvoCommonFile.h"
#include "common/core/KelvoCommonOwnPath.h"
#include "control/VendraskClientText.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using ClientText = CVendraskClientText;

int Fail(int code, const std::string& text) {
    std::fprintf(stderr, "vendrask: %s\n", text.c_str());
    return code;
}

std::string Absolute(const std::string& path) {
    if (path.empty() || path[0] == '/')
        return path;
    char here[PATH_MAX];
    return ::getcwd(here, sizeof(here)) != nullptr ? std::string(here) + "/" + path : path;
}

} // namespace

std::string CVendraskAutostart::EntryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != nullptr && config[0] == '/') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/')
            return {};
        folder = std::string(home) + "/.config";
    }
    return folder + "/autostart/vendrask.desktop";
}

std::string CVendraskAutostart::ExecValue(const std::string& program, const std::string& ini) {
    return ini.empty() ? KelvoExecValue({program}) : KelvoExecValue({program, "--ini", ini});
}

int CVendraskAutostart::Run(int argc, char** argv) {
    const std::string usage =
        ClientText::Text("usage: vendrask autostart on [--ini FILE] | off | status");
    if (argc < 3)
        return Fail(2, usage);
    const std::string action = argv[2];
    std::string ini;
    if (action == "on" && argc == 5 && std::strcmp(argv[3], "--ini") == 0)
        ini = Absolute(argv[4]);
    else if (argc != 3 || (action != "on" && action != "off" && action != "status"))
        return Fail(2, usage);

    const std::string path = EntryPath();
    if (path.empty())
        return Fail(1, ClientText::Text("neither XDG_CONFIG_HOME nor HOME is set"));
    struct stat info{};
    if (action == "status") {
        // English in every language, like the entry itself: scripts read it.
        const bool on = ::stat(path.c_str(), &info) == 0;
        std::printf("autostart: %s\n", on ? ("on (" + path + ")").c_str() : "off");
        return 0;
    }
    if (action == "off") {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            return Fail(1, path + ": " + std::strerror(errno));
        return 0;
    }

    const std::string self = KelvoOwnPath();
    if (self.empty())
        return Fail(1, ClientText::Text("cannot tell where this program lies"));
    const std::string exec = ExecValue(self, ini);
    if (exec.empty())
        return Fail(1, ClientText::Text(
                           "a path holds a control character; no autostart entry can name it"));
    // Its folders as the base directory rules want them: private when new.
    const std::string autostart = path.substr(0, path.rfind('/'));
    ::mkdir(autostart.substr(0, autostart.rfind('/')).c_str(), 0700);
    if (::mkdir(autostart.c_str(), 0700) != 0 && errno != EEXIST)
        return Fail(1, autostart + ": " + std::strerror(errno));
    const std::string text = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Vendrask\n"
                             "Comment=Start programs, documents and folders from a themed menu\n"
                             "Exec=" +
                             exec +
                             "\n"
                             "Icon=vendrask\n"
                             "Terminal=false\n"
                             "X-GNOME-Autostart-enabled=true\n";
    std::string why;
    if (KelvoReplaceFile(path, text, why) == KelvoFileWrite::Failed)
        return Fail(1, path + ": " + why);
    return 0;
}
