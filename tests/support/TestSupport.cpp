// SPDX-License-Identifier: MIT
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace vendrask::test {

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vendrask-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::string Utf16LeBytes(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()) * 2);
    for (const QChar ch : text) {
        bytes.push_back(static_cast<char>(ch.unicode() & 0xFF));
        bytes.push_back(static_cast<char>(ch.unicode() >> 8));
    }
    return bytes;
}

ToolResult RunToolEntry(ToolEntry entry, const char* program, std::vector<std::string> args) {
    args.insert(args.begin(), program);
    std::ostringstream out;
    std::ostringstream err;
    const int code = entry(args, out, err);
    return {code, out.str(), err.str()};
}

ScopedVariable::ScopedVariable(const char* name, const std::optional<QByteArray>& value)
    : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

ScopedVariable::~ScopedVariable() {
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace vendrask::test
