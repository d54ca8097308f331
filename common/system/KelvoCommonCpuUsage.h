// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QStringView>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the probe reads its counters: the /proc file system and a monotonic
// clock. Tests hand in recorded samples instead of the live system.
class KELVOCOMMON_EXPORT CKelvoCommonCpuSource {
public:
    CKelvoCommonCpuSource() = default;
    virtual ~CKelvoCommonCpuSource();
    CKelvoCommonCpuSource(const CKelvoCommonCpuSource&) = delete;
    CKelvoCommonCpuSource& operator=(const CKelvoCommonCpuSource&) = delete;

    // The whole text of a file such as "/proc/stat"; nullopt when unreadable.
    virtual std::optional<std::string> ReadText(const std::string& path) const = 0;
    // The process ids listed in /proc, ascending.
    virtual std::vector<int> ProcessIds() const = 0;
    // Monotonic time in 100-ns units.
    virtual std::int64_t Now100ns() const = 0;
    // Clock ticks per second of the /proc counters (USER_HZ).
    virtual std::int64_t TicksPerSecond() const = 0;

    // The live system; lives as long as the process.
    static const CKelvoCommonCpuSource& System();
};

// Processor load since the previous call on the same object, in percent.
// The first call on an object takes the baseline and answers 0. Both forms
// share the baseline, so use one object per kind of measurement.
class KELVOCOMMON_EXPORT CKelvoCommonCpuUsage {
public:
    CKelvoCommonCpuUsage();
    // The source must outlive the object.
    explicit CKelvoCommonCpuUsage(const CKelvoCommonCpuSource& source);
    virtual ~CKelvoCommonCpuUsage();
    CKelvoCommonCpuUsage(const CKelvoCommonCpuUsage&) = default;
    CKelvoCommonCpuUsage& operator=(const CKelvoCommonCpuUsage&) = default;

    // The kernel's counters are always on: nothing to switch, answers 1.
    int EnablePerformaceCounters(int enable);
    // Load of all processors together, rounded, 0 to 100; -1 when /proc/stat
    // cannot be read.
    int GetCpuUsage();
    // Processor time of the first process (lowest id) whose command name is
    // processName, ignoring case, in percent of one processor, truncated; a
    // process busy on several processors exceeds 100. No such process, or
    // another process than last time: 0, and that call takes a fresh baseline.
    int GetCpuUsage(QStringView processName);

protected:
    bool m_flagFirstCall = true;
    std::int64_t m_lastValue = 0;
    std::int64_t m_lastTime = 0;

private:
    const CKelvoCommonCpuSource* m_source;
    int m_lastProcessId = 0;
};

// The "cpu" line of /proc/stat: idle ticks (idle + iowait) of all processors
// and the number of "cpuN" lines.
struct KelvoProcStat {
    std::int64_t idleTicks = 0;
    int processors = 0;
};
std::optional<KelvoProcStat> KelvoParseProcStat(std::string_view text);

// /proc/<pid>/stat: the command name and utime + stime in ticks.
struct KelvoProcPidStat {
    std::string comm;
    std::int64_t cpuTicks = 0;
};
std::optional<KelvoProcPidStat> KelvoParseProcPidStat(std::string_view text);

// Ticks shared by `share` processors, as 100-ns units of one processor.
std::int64_t KelvoTicksTo100ns(std::int64_t ticks, std::int64_t ticksPerSecond, int share = 1);
// Load from the idle counter's growth over the elapsed time: rounded,
// clamped to 0..100; 0 when no time has passed.
int KelvoTotalLoad(std::int64_t idleDelta, std::int64_t timeDelta);
// Load from a process's processor time over the elapsed time: truncated,
// never negative; 0 when no time has passed.
int KelvoProcessLoad(std::int64_t cpuDelta, std::int64_t timeDelta);

// The process CKelvoCommonCpuUsage measures for a name.
struct KelvoProcessMatch {
    int pid = 0;
    std::int64_t cpuTicks = 0;
};
KELVOCOMMON_EXPORT std::optional<KelvoProcessMatch>
KelvoFindProcess(const CKelvoCommonCpuSource& source, QStringView name);
