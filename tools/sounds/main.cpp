// SPDX-License-Identifier: MIT
#include "tools/sounds/SoundsTool.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    return RunSoundsTool(args, std::cerr);
}
