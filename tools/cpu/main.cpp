// SPDX-License-Identifier: MIT
#include "common/system/KelvoCommonCpuUsage.h"
#include "tools/cpu/CpuTool.h"

#include <iostream>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    return RunCpuTool(args, std::cout, std::cerr, CKelvoCommonCpuSource::System(),
                      [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); });
}
