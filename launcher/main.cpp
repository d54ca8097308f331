// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonOwnPath.h"
#include "control/VendraskClientText.h"
#include "control/VendraskControlClient.h"

#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

// The launcher's library: beside the program in the build tree, in the
// library folder once installed.
void* LoadLauncher() {
    std::string folder = KelvoOwnPath();
    if (folder.empty())
        return nullptr;
    folder.resize(folder.rfind('/') + 1);
    for (const char* relative : {"", VENDRASK_LAUNCHER_LIBRARY_FOLDER}) {
        const std::string path = folder + relative + "libVendraskLauncher.so";
        // Lazy: binding all of Qt's symbols up front cost 2 ms of start-up.
        if (::access(path.c_str(), R_OK) == 0)
            return ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    // A verb talks to the running launcher and ends, without loading Qt.
    const int verbResult = CVendraskControlClient::Run(argc, argv);
    if (verbResult >= 0)
        return verbResult;
    void* launcher = LoadLauncher();
    using Entry = int (*)(int, char**);
    const auto entry = launcher != nullptr
                           ? reinterpret_cast<Entry>(::dlsym(launcher, "VendraskLauncherMain"))
                           : nullptr;
    if (entry == nullptr) {
        const char* why = ::dlerror();
        const std::string text = CVendraskClientText::Fill(
            "cannot load the launcher: %s",
            {why != nullptr ? why : CVendraskClientText::Text("libVendraskLauncher.so not found")});
        std::fprintf(stderr, "vendrask: %s\n", text.c_str());
        return 1;
    }
    return entry(argc, argv);
}
