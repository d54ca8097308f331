// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class CKelvoCommonCpuSource;

// kelvo-cpu: prints the processor load once per interval, of all processors
// or of one process by name. args[0] is the program name; text is UTF-8.
// Exit codes: 0 done, 1 nothing to measure, 2 bad usage.
using KelvoCpuToolSleep = std::function<void(std::chrono::milliseconds)>;
int RunCpuTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const CKelvoCommonCpuSource& source, const KelvoCpuToolSleep& sleep);
