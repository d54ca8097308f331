// SPDX-License-Identifier: MIT
#include "launcher/VendraskStartup.h"

// What the small `vendrask` program calls once it has loaded this library:
// everything of the launcher that needs Qt lives on this side.
extern "C" __attribute__((visibility("default"))) int VendraskLauncherMain(int argc, char** argv) {
    return RunVendrask(argc, argv);
}
