// SPDX-License-Identifier: MIT
#include "common/system/KelvoCommonCpuUsage.h"

#include "common/KelvoCommonLog.h"

#include <QString>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::int64_t k100nsPerSecond = 10'000'000;
// The kernel keeps command names in 16 bytes, terminator included.
constexpr std::size_t kCommLength = 15;
constexpr qsizetype kMaxInstanceName = 255;

class CKelvoCommonProcSource final : public CKelvoCommonCpuSource {
public:
    std::optional<std::string> ReadText(const std::string& path) const override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return std::nullopt;
        // /proc files report size 0: read until the end.
        std::string text;
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                text.append(buffer, static_cast<std::size_t>(got));
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            ::close(fd);
            if (got < 0)
                return std::nullopt;
            return text;
        }
    }

    std::vector<int> ProcessIds() const override {
        std::vector<int> ids;
        DIR* dir = ::opendir("/proc");
        if (!dir)
            return ids;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name(entry->d_name);
            int pid = 0;
            const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), pid);
            if (ec == std::errc() && end == name.data() + name.size() && pid > 0)
                ids.push_back(pid);
        }
        ::closedir(dir);
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    std::int64_t Now100ns() const override {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<std::int64_t>(now.tv_sec) * k100nsPerSecond + now.tv_nsec / 100;
    }

    std::int64_t TicksPerSecond() const override {
        const long ticks = ::sysconf(_SC_CLK_TCK);
        return ticks > 0 ? ticks : 100;
    }
};

bool ParseCount(std::string_view token, std::int64_t& value) {
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    return ec == std::errc() && end == token.data() + token.size() && value >= 0;
}

// Blank-separated tokens of one line.
std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < line.size()) {
        pos = line.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos)
            break;
        std::size_t end = line.find_first_of(" \t", pos);
        if (end == std::string_view::npos)
            end = line.size();
        tokens.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return tokens;
}

int ClampToInt(double value) {
    if (!(value > 0.0))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

QString BaseNameOfFirstArgument(std::string_view cmdline) {
    const std::string_view first = cmdline.substr(0, cmdline.find('\0'));
    const std::size_t slash = first.rfind('/');
    const std::string_view base = slash == std::string_view::npos ? first : first.substr(slash + 1);
    return QString::fromUtf8(base.data(), static_cast<qsizetype>(base.size()));
}

bool NameMatches(const CKelvoCommonCpuSource& source, int pid, const std::string& comm,
                 QStringView name) {
    const QString command = QString::fromUtf8(comm.data(), static_cast<qsizetype>(comm.size()));
    if (name.compare(command, Qt::CaseInsensitive) == 0)
        return true;
    // A longer name was cut to 15 bytes; the program's own name completes it.
    if (comm.size() != kCommLength || name.toUtf8().size() <= static_cast<qsizetype>(kCommLength))
        return false;
    const auto cmdline = source.ReadText("/proc/" + std::to_string(pid) + "/cmdline");
    if (!cmdline)
        return false;
    const QString program = BaseNameOfFirstArgument(*cmdline);
    return name.compare(program, Qt::CaseInsensitive) == 0 &&
           program.startsWith(command, Qt::CaseInsensitive);
}

} // namespace

CKelvoCommonCpuSource::~CKelvoCommonCpuSource() = default;

const CKelvoCommonCpuSource& CKelvoCommonCpuSource::System() {
    static const CKelvoCommonProcSource source;
    return source;
}

std::optional<KelvoProcStat> KelvoParseProcStat(std::string_view text) {
    std::optional<KelvoProcStat> result;
    int processors = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.starts_with("cpu"))
            continue;
        const std::vector<std::string_view> tokens = Tokens(line);
        if (tokens.empty())
            continue;
        if (tokens[0] != "cpu") {
            std::int64_t index = 0;
            if (ParseCount(tokens[0].substr(3), index))
                ++processors;
            continue;
        }
        // user nice system idle [iowait ...]: time waiting for I/O is idle.
        std::int64_t idle = 0;
        std::int64_t iowait = 0;
        if (tokens.size() < 5 || !ParseCount(tokens[4], idle))
            return std::nullopt;
        if (tokens.size() > 5 && !ParseCount(tokens[5], iowait))
            return std::nullopt;
        result = KelvoProcStat{idle + iowait, 0};
    }
    if (result)
        result->processors = std::max(processors, 1);
    return result;
}

std::optional<KelvoProcPidStat> KelvoParseProcPidStat(std::string_view text) {
    // "pid (comm) state ppid ...": the name may hold blanks and ')'.
    const std::size_t open = text.find('(');
    const std::size_t close = text.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return std::nullopt;
    const std::vector<std::string_view> fields = Tokens(text.substr(close + 1));
    // Counted from the state (field 3): utime is field 14, stime field 15.
    constexpr std::size_t kUtime = 14 - 3;
    constexpr std::size_t kStime = 15 - 3;
    std::int64_t utime = 0;
    std::int64_t stime = 0;
    if (fields.size() <= kStime || !ParseCount(fields[kUtime], utime) ||
        !ParseCount(fields[kStime], stime))
        return std::nullopt;
    return KelvoProcPidStat{std::string(text.substr(open + 1, close - open - 1)), utime + stime};
}

std::int64_t KelvoTicksTo100ns(std::int64_t ticks, std::int64_t ticksPerSecond, int share) {
    const std::int64_t divisor = std::max<std::int64_t>(ticksPerSecond, 1) * std::max(share, 1);
    // Split so that years of ticks on many processors cannot overflow.
    return ticks / divisor * k100nsPerSecond + ticks % divisor * k100nsPerSecond / divisor;
}

int KelvoTotalLoad(std::int64_t idleDelta, std::int64_t timeDelta) {
    if (timeDelta <= 0)
        return 0;
    const double idle = static_cast<double>(idleDelta) / static_cast<double>(timeDelta);
    // The idle count may lag the clock by a tick or run ahead of it (iowait
    // can shrink): keep the answer within 0..100.
    return std::min(ClampToInt(std::trunc((1.0 - idle) * 100.0 + 0.5)), 100);
}

int KelvoProcessLoad(std::int64_t cpuDelta, std::int64_t timeDelta) {
    if (timeDelta <= 0)
        return 0;
    return ClampToInt(
        std::trunc(static_cast<double>(cpuDelta) / static_cast<double>(timeDelta) * 100.0));
}

std::optional<KelvoProcessMatch> KelvoFindProcess(const CKelvoCommonCpuSource& source,
                                                  QStringView name) {
    if (name.isEmpty())
        return std::nullopt;
    for (const int pid : source.ProcessIds()) {
        const auto text = source.ReadText("/proc/" + std::to_string(pid) + "/stat");
        if (!text)
            continue; // ended meanwhile
        const auto stat = KelvoParseProcPidStat(*text);
        if (stat && NameMatches(source, pid, stat->comm, name))
            return KelvoProcessMatch{pid, stat->cpuTicks};
    }
    return std::nullopt;
}

CKelvoCommonCpuUsage::CKelvoCommonCpuUsage()
    : CKelvoCommonCpuUsage(CKelvoCommonCpuSource::System()) {}

CKelvoCommonCpuUsage::CKelvoCommonCpuUsage(const CKelvoCommonCpuSource& source)
    : m_source(&source) {}

CKelvoCommonCpuUsage::~CKelvoCommonCpuUsage() = default;

int CKelvoCommonCpuUsage::EnablePerformaceCounters(int /*enable*/) {
    return 1;
}

int CKelvoCommonCpuUsage::GetCpuUsage() {
    if (m_flagFirstCall)
        EnablePerformaceCounters(1);
    const auto text = m_source->ReadText("/proc/stat");
    const auto stat = text ? KelvoParseProcStat(*text) : std::nullopt;
    if (!stat) {
        qCDebug(lcKelvoCommon) << "CpuUsage: /proc/stat unreadable";
        return -1;
    }
    const std::int64_t value =
        KelvoTicksTo100ns(stat->idleTicks, m_source->TicksPerSecond(), stat->processors);
    const std::int64_t time = m_source->Now100ns();
    if (m_flagFirstCall) {
        m_flagFirstCall = false;
        m_lastValue = value;
        m_lastTime = time;
        return 0;
    }
    const int load = KelvoTotalLoad(value - m_lastValue, time - m_lastTime);
    if (time > m_lastTime) {
        m_lastValue = value;
        m_lastTime = time;
    }
    return load;
}

int CKelvoCommonCpuUsage::GetCpuUsage(QStringView processName) {
    if (m_flagFirstCall)
        EnablePerformaceCounters(1);
    const auto match = KelvoFindProcess(*m_source, processName.left(kMaxInstanceName));
    if (!match) {
        // Nothing to measure; a process of that name started later must not
        // be compared with this one's counter.
        qCDebug(lcKelvoCommon) << "CpuUsage: no process" << processName;
        m_flagFirstCall = true;
        return 0;
    }
    const std::int64_t value = KelvoTicksTo100ns(match->cpuTicks, m_source->TicksPerSecond());
    const std::int64_t time = m_source->Now100ns();
    if (m_flagFirstCall || match->pid != m_lastProcessId) {
        m_lastProcessId = match->pid;
        m_flagFirstCall = false;
        m_lastValue = value;
        m_lastTime = time;
        return 0;
    }
    const int load = KelvoProcessLoad(value - m_lastValue, time - m_lastTime);
    if (time > m_lastTime) {
        m_lastValue = value;
        m_lastTime = time;
    }
    return load;
}
