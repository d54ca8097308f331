// SPDX-License-Identifier: MIT
#include "tools/profile/ProfileTool.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    return RunProfileTool(args, std::cout, std::cerr);
}
