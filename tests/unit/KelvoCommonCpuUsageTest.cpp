// SPDX-License-Identifier: MIT
#include "common/system/KelvoCommonCpuUsage.h"

#include "tests/support/TestSupport.h"
#include "tools/cpu/CpuTool.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <ctime>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

using vendrask::test::ReadBytes;

namespace {

constexpr std::int64_t kSecond = 10'000'000; // in 100-ns units

std::string Sample(const std::string& name) {
    return ReadBytes(std::string(VENDRASK_TEST_DATA_DIR) + "/proc/" + name);
}

// /proc as a map of files, with a clock the test moves.
class FakeProc final : public CKelvoCommonCpuSource {
public:
    std::optional<std::string> ReadText(const std::string& path) const override {
        const auto it = files.find(path);
        if (it == files.end())
            return std::nullopt;
        return it->second;
    }
    std::vector<int> ProcessIds() const override { return pids; }
    std::int64_t Now100ns() const override { return now; }
    std::int64_t TicksPerSecond() const override { return 100; }

    void SetProcess(int pid, const std::string& stat) {
        files["/proc/" + std::to_string(pid) + "/stat"] = stat;
        if (std::find(pids.begin(), pids.end(), pid) == pids.end()) {
            pids.push_back(pid);
            std::sort(pids.begin(), pids.end());
        }
    }
    void RemoveProcess(int pid) {
        files.erase("/proc/" + std::to_string(pid) + "/stat");
        std::erase(pids, pid);
    }

    std::map<std::string, std::string> files;
    std::vector<int> pids;
    std::int64_t now = 1234 * kSecond;
};

std::string PidStat(int pid, const std::string& comm, int utime, int stime) {
    return std::to_string(pid) + " (" + comm + ") R 1 1 1 0 -1 0 0 0 0 0 " + std::to_string(utime) +
           " " + std::to_string(stime) + " 0 0 20 0 1 0 100 0 0\n";
}

} // namespace

TEST(KelvoCommonCpuUsage, ParsesProcStat) {
    struct Row {
        const char* name;
        std::string text;
        std::optional<std::int64_t> idle;
        int processors;
    };
    const Row rows[] = {
        {"recorded sample: idle plus iowait", Sample("stat-base.txt"), 121514 + 439, 2},
        {"kernel without iowait", "cpu 1 2 3 40\ncpu0 1 2 3 40\n", 40, 1},
        {"no per-processor lines counts one", "cpu 1 2 3 40 5\n", 45, 1},
        {"no cpu line", "intr 1 2 3\nctxt 4\n", std::nullopt, 0},
        {"cpu line too short", "cpu 1 2 3\n", std::nullopt, 0},
        {"garbage in the idle field", "cpu 1 2 3 x 5\n", std::nullopt, 0},
        {"empty", "", std::nullopt, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto stat = KelvoParseProcStat(row.text);
        ASSERT_EQ(stat.has_value(), row.idle.has_value());
        if (stat) {
            EXPECT_EQ(stat->idleTicks, *row.idle);
            EXPECT_EQ(stat->processors, row.processors);
        }
    }
}

TEST(KelvoCommonCpuUsage, ParsesProcPidStat) {
    struct Row {
        const char* name;
        std::string text;
        std::optional<std::string> comm;
        std::int64_t ticks;
    };
    const Row rows[] = {
        {"recorded sample", Sample("pid-base.txt"), "KelvoBusy", 1500},
        {"name with blanks and parentheses", Sample("pid-odd-name.txt"), "my (odd) prog", 49},
        {"cut before stime", "12 (a) R 1 1 1 0 -1 0 0 0 0 0 5\n", std::nullopt, 0},
        {"no name", "12 a R 1 1 1 0 -1 0 0 0 0 0 5 6 0 0\n", std::nullopt, 0},
        {"empty", "", std::nullopt, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto stat = KelvoParseProcPidStat(row.text);
        ASSERT_EQ(stat.has_value(), row.comm.has_value());
        if (stat) {
            EXPECT_EQ(stat->comm, *row.comm);
            EXPECT_EQ(stat->cpuTicks, row.ticks);
        }
    }
}

TEST(KelvoCommonCpuUsage, Arithmetic) {
    EXPECT_EQ(KelvoTicksTo100ns(100, 100), kSecond);
    EXPECT_EQ(KelvoTicksTo100ns(200, 100, 2), kSecond);
    EXPECT_EQ(KelvoTicksTo100ns(1, 3), kSecond / 3);
    // A year of ticks on 1024 processors at 1000 Hz stays exact.
    const std::int64_t year = 365LL * 24 * 3600;
    EXPECT_EQ(KelvoTicksTo100ns(year * 1000 * 1024, 1000, 1024), year * kSecond);

    struct Row {
        const char* name;
        std::int64_t delta;
        std::int64_t time;
        int total;
        int process;
    };
    const Row rows[] = {
        {"nothing counted", 0, kSecond, 100, 0},
        {"a whole second counted", kSecond, kSecond, 0, 100},
        {"0.694 rounds: total 30.6 -> 31, process truncates", 6'940'000, kSecond, 31, 69},
        {"0.696: total 30.4 -> 30", 6'960'000, kSecond, 30, 69},
        {"counter ahead of the clock", kSecond + 1000, kSecond, 0, 100},
        {"two processors' worth", 2 * kSecond, kSecond, 0, 200},
        {"counter went back", -kSecond / 2, kSecond, 100, 0},
        {"no time passed", kSecond, 0, 0, 0},
        {"clock went back", kSecond, -kSecond, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(KelvoTotalLoad(row.delta, row.time), row.total);
        EXPECT_EQ(KelvoProcessLoad(row.delta, row.time), row.process);
    }
}

TEST(KelvoCommonCpuUsage, TotalOverRecordedIntervals) {
    struct Row {
        const char* name;
        const char* after;
        int load;
    };
    const Row rows[] = {
        {"fully idle", "stat-idle.txt", 0},
        {"fully busy", "stat-busy.txt", 100},
        {"one busy, one waiting for the disk", "stat-half-iowait.txt", 50},
        {"nothing changed", "stat-base.txt", 100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeProc proc;
        proc.files["/proc/stat"] = Sample("stat-base.txt");
        CKelvoCommonCpuUsage usage(proc);
        EXPECT_EQ(usage.GetCpuUsage(), 0) << "first call takes the baseline";
        proc.files["/proc/stat"] = Sample(row.after);
        proc.now += kSecond;
        EXPECT_EQ(usage.GetCpuUsage(), row.load);
    }
}

TEST(KelvoCommonCpuUsage, TotalMeasuresSincePreviousCall) {
    FakeProc proc;
    proc.files["/proc/stat"] = Sample("stat-base.txt");
    CKelvoCommonCpuUsage usage(proc);
    usage.GetCpuUsage();
    proc.files["/proc/stat"] = Sample("stat-busy.txt");
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(), 100);
    CKelvoCommonCpuUsage copy(usage);
    // Nothing more counted as idle in the next second: still all busy.
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(), 100);
    EXPECT_EQ(copy.GetCpuUsage(), 100) << "a copy keeps the baseline";
    // The same instant again answers 0 and keeps the baseline.
    EXPECT_EQ(usage.GetCpuUsage(), 0);
}

TEST(KelvoCommonCpuUsage, TotalWithoutProcStat) {
    FakeProc proc;
    CKelvoCommonCpuUsage usage(proc);
    EXPECT_EQ(usage.GetCpuUsage(), -1);
    proc.files["/proc/stat"] = "not a stat file\n";
    EXPECT_EQ(usage.GetCpuUsage(), -1);
    // Once readable, the first good reading is the baseline.
    proc.files["/proc/stat"] = Sample("stat-base.txt");
    EXPECT_EQ(usage.GetCpuUsage(), 0);
    proc.files["/proc/stat"] = Sample("stat-busy.txt");
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(), 100);
}

TEST(KelvoCommonCpuUsage, ProcessOverRecordedIntervals) {
    struct Row {
        const char* name;
        const char* after;
        const char16_t* query;
        int load;
    };
    const Row rows[] = {
        {"one processor busy", "pid-one.txt", u"KelvoBusy", 100},
        {"two processors: not divided", "pid-two.txt", u"KelvoBusy", 200},
        {"idle", "pid-base.txt", u"KelvoBusy", 0},
        {"name ignores case", "pid-one.txt", u"KELVObusy", 100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeProc proc;
        proc.SetProcess(1, PidStat(1, "init", 500, 500));
        proc.SetProcess(6798, Sample("pid-base.txt"));
        CKelvoCommonCpuUsage usage(proc);
        EXPECT_EQ(usage.GetCpuUsage(row.query), 0) << "first call takes the baseline";
        proc.SetProcess(6798, Sample(row.after));
        proc.now += kSecond;
        EXPECT_EQ(usage.GetCpuUsage(row.query), row.load);
    }
}

TEST(KelvoCommonCpuUsage, ProcessChoiceAndDisappearance) {
    FakeProc proc;
    proc.SetProcess(30, PidStat(30, "worker", 0, 0));
    proc.SetProcess(20, PidStat(20, "worker", 1000, 0));
    CKelvoCommonCpuUsage usage(proc);
    const auto first = KelvoFindProcess(proc, u"worker");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->pid, 20) << "lowest id first";
    EXPECT_EQ(usage.GetCpuUsage(u"worker"), 0);
    proc.SetProcess(20, PidStat(20, "worker", 1050, 0));
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(u"worker"), 50);

    // The measured process ends; another of the same name is not compared
    // with its counter but takes a fresh baseline.
    proc.RemoveProcess(20);
    proc.SetProcess(30, PidStat(30, "worker", 5, 0));
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(u"worker"), 0);
    proc.SetProcess(30, PidStat(30, "worker", 30, 0));
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(u"worker"), 25);

    // No such process at all: 0, and it starts afresh when it comes back.
    proc.RemoveProcess(30);
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(u"worker"), 0);
    proc.SetProcess(30, PidStat(30, "worker", 900, 0));
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(u"worker"), 0);
    proc.SetProcess(30, PidStat(30, "worker", 1000, 0));
    proc.now += kSecond;
    EXPECT_EQ(usage.GetCpuUsage(u"worker"), 100);
}

TEST(KelvoCommonCpuUsage, FindsProcessByName) {
    FakeProc proc;
    proc.SetProcess(7, PidStat(7, "vendrask-profil", 1, 1));
    proc.files["/proc/7/cmdline"] = std::string("/opt/v/vendrask-profile\0--help\0", 31);
    proc.SetProcess(8, PidStat(8, "my (odd) prog", 1, 1));
    proc.SetProcess(9, PidStat(9, "averyveryverylo", 1, 1));
    proc.files["/proc/9/cmdline"] = std::string("/bin/other-program\0", 19);

    struct Row {
        const char* name;
        const char16_t* query;
        int pid; // 0: none
    };
    const Row rows[] = {
        {"blanks and parentheses", u"MY (ODD) PROG", 8},
        {"name cut by the kernel, completed from the program", u"Vendrask-Profile", 7},
        {"the cut name itself", u"vendrask-profil", 7},
        {"cut name of another program", u"averyveryverylong", 0},
        {"a prefix is not a match", u"my (odd)", 0},
        {"empty name", u"", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto match = KelvoFindProcess(proc, row.query);
        EXPECT_EQ(match ? match->pid : 0, row.pid);
    }
}

TEST(KelvoCommonCpuUsage, CountersNeedNoSwitch) {
    FakeProc proc;
    CKelvoCommonCpuUsage usage(proc);
    EXPECT_EQ(usage.EnablePerformaceCounters(1), 1);
    EXPECT_EQ(usage.EnablePerformaceCounters(0), 1);
}

namespace {

// A child that spins on one processor under a name of its own until killed.
class BusyChild final {
public:
    explicit BusyChild(const std::string& name) {
        m_pid = ::fork();
        if (m_pid == 0) {
            ::prctl(PR_SET_NAME, name.c_str(), 0, 0, 0);
            timespec start{};
            ::clock_gettime(CLOCK_MONOTONIC, &start);
            for (;;) { // clock_gettime stays in user space: pure spinning
                timespec now{};
                ::clock_gettime(CLOCK_MONOTONIC, &now);
                if (now.tv_sec - start.tv_sec > 20) // never outlive a lost parent
                    ::_exit(0);
            }
        }
    }
    ~BusyChild() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    BusyChild(const BusyChild&) = delete;
    BusyChild& operator=(const BusyChild&) = delete;
    pid_t Pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
};

} // namespace

TEST(KelvoCommonCpuUsage, LiveBusyChildReadsOneProcessor) {
    const std::string name = "kcbusy" + std::to_string(::getpid() % 100000);
    BusyChild child(name);
    ASSERT_GT(child.Pid(), 0);
    const QString query = QString::fromStdString(name).toUpper();
    const auto& system = CKelvoCommonCpuSource::System();
    for (int wait = 0; wait < 200 && !KelvoFindProcess(system, query); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const auto found = KelvoFindProcess(system, query);
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(found->pid, child.Pid());

    // On an idle machine the child takes one whole processor; on a shared one
    // it gets what the scheduler leaves it. Its own processor-time clock says
    // how much that was over the same second, and the reading must agree.
    clockid_t childClock{};
    ASSERT_EQ(::clock_getcpuclockid(child.Pid(), &childClock), 0);
    auto seconds = [](clockid_t clock) {
        timespec now{};
        ::clock_gettime(clock, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    };
    CKelvoCommonCpuUsage usage;
    EXPECT_EQ(usage.GetCpuUsage(query), 0);
    const double cpuStart = seconds(childClock);
    const double wallStart = seconds(CLOCK_MONOTONIC);
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    const int load = usage.GetCpuUsage(query);
    const double cpuEnd = seconds(childClock);
    const double wallEnd = seconds(CLOCK_MONOTONIC);
    const double expected = (cpuEnd - cpuStart) / (wallEnd - wallStart) * 100.0;
    EXPECT_GT(expected, 5.0) << "the child hardly ran";
    EXPECT_NEAR(load, expected, 10.0);
    EXPECT_LE(load, 110) << "one thread stays within one processor";

    CKelvoCommonCpuUsage total;
    EXPECT_EQ(total.GetCpuUsage(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const int totalLoad = total.GetCpuUsage();
    EXPECT_GE(totalLoad, 0);
    EXPECT_LE(totalLoad, 100);
}

namespace {

struct ToolResult {
    int code;
    std::string out;
    std::string err;
};

// Runs kelvo-cpu on the fake; each pause advances the clock by a second and
// hands /proc the next of the given stat files.
ToolResult RunTool(FakeProc& proc, std::vector<std::string> args,
                   std::vector<std::string> statFiles) {
    args.insert(args.begin(), "kelvo-cpu");
    std::ostringstream out;
    std::ostringstream err;
    std::size_t next = 0;
    const int code = RunCpuTool(args, out, err, proc, [&](std::chrono::milliseconds pause) {
        EXPECT_EQ(pause, std::chrono::milliseconds(1000));
        proc.now += kSecond;
        if (next < statFiles.size())
            proc.files["/proc/stat"] = Sample(statFiles[next++]);
    });
    return {code, out.str(), err.str()};
}

} // namespace

TEST(KelvoCommonCpuUsage, Tool) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string out;
    };
    const Row rows[] = {
        {"total, two lines", {"--count", "2"}, 0, "total 100%\ntotal 0%\n"},
        {"one process", {"--process", "kelvobusy", "--count", "1"}, 0, "kelvobusy 0%\n"},
        {"no such process", {"--process", "nobody"}, 1, ""},
        {"process without a name", {"--process"}, 2, ""},
        {"count not a number", {"--count", "two"}, 2, ""},
        {"count zero", {"--count", "0"}, 2, ""},
        {"unknown argument", {"--interval", "5"}, 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeProc proc;
        proc.files["/proc/stat"] = Sample("stat-base.txt");
        proc.SetProcess(6798, Sample("pid-base.txt"));
        const ToolResult result = RunTool(proc, row.args, {"stat-busy.txt", "stat-idle.txt"});
        EXPECT_EQ(result.code, row.code) << result.err;
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err.empty(), row.code == 0) << result.err;
    }

    FakeProc noProc;
    const ToolResult unreadable = RunTool(noProc, {"--count", "1"}, {});
    EXPECT_EQ(unreadable.code, 1);
    EXPECT_NE(unreadable.err.find("/proc/stat"), std::string::npos);
}
