// SPDX-License-Identifier: MIT
#include "tools/shortcut/ShortcutTool.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    return RunShortcutTool(args, std::cout, std::cerr);
}
