// SPDX-License-Identifier: MIT
#include "tools/cpu/CpuTool.h"

#include "common/system/KelvoCommonCpuUsage.h"

#include <QString>
#include <charconv>
#include <ostream>

namespace {

constexpr int kExitDone = 0;
constexpr int kExitNothing = 1;
constexpr int kExitUsage = 2;
constexpr std::chrono::milliseconds kInterval{1000};

void PrintUsage(std::ostream& out) {
    out << "usage: kelvo-cpu [--process NAME] [--count N]\n"
           "Prints the load of all processors once a second (0-100 %), or with\n"
           "--process the processor time of the process named NAME (ignoring case)\n"
           "in percent of one processor. --count stops after N lines.\n";
}

int UsageError(std::ostream& err, const std::string& why) {
    err << "kelvo-cpu: " << why << '\n';
    PrintUsage(err);
    return kExitUsage;
}

struct Options {
    std::string process;
    long long count = -1; // until interrupted
};

bool ParseCount(const std::string& text, long long& count) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, count);
    return ec == std::errc() && ptr == end && count > 0;
}

} // namespace

int RunCpuTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const CKelvoCommonCpuSource& source, const KelvoCpuToolSleep& sleep) {
    Options options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            PrintUsage(out);
            return kExitDone;
        }
        const bool hasValue = i + 1 < args.size();
        if (arg == "--process") {
            if (!hasValue || args[i + 1].empty())
                return UsageError(err, "--process needs a NAME");
            options.process = args[++i];
        } else if (arg == "--count") {
            if (!hasValue || !ParseCount(args[i + 1], options.count))
                return UsageError(err, "--count needs a positive whole number");
            ++i;
        } else {
            return UsageError(err, "unknown argument: " + arg);
        }
    }

    const QString name = QString::fromStdString(options.process);
    const bool byProcess = !name.isEmpty();
    CKelvoCommonCpuUsage usage(source);
    // One measurement; false when there is nothing to measure.
    auto measure = [&](int& load) {
        if (byProcess) {
            if (!KelvoFindProcess(source, name)) {
                err << "kelvo-cpu: no process named " << options.process << '\n';
                return false;
            }
            load = usage.GetCpuUsage(name);
            return true;
        }
        load = usage.GetCpuUsage();
        if (load < 0) {
            err << "kelvo-cpu: cannot read /proc/stat\n";
            return false;
        }
        return true;
    };

    int load = 0;
    if (!measure(load)) // the baseline
        return kExitNothing;
    const std::string label = byProcess ? options.process : std::string("total");
    for (long long line = 0; options.count < 0 || line < options.count; ++line) {
        sleep(kInterval);
        if (!measure(load))
            return kExitNothing;
        out << label << ' ' << load << "%" << std::endl;
    }
    return kExitDone;
}
