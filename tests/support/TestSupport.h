// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vendrask::test {

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir final {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path File(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// A path as the Qt side of the program takes it.
QString PathText(const std::filesystem::path& path);

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// UTF-16LE bytes (no byte-order mark) of a UTF-8 text.
std::string Utf16LeBytes(std::string_view utf8);

// What a command-line tool's entry point answered to a command line.
struct ToolResult {
    int code;
    std::string out;
    std::string err;
};
using ToolEntry = int (*)(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err);
// args without the program name, which comes first as argv[0] would.
ToolResult RunToolEntry(ToolEntry entry, const char* program, std::vector<std::string> args);

// Sets a variable (or, given nothing, removes it) for one scope and puts the
// old state back.
class ScopedVariable final {
public:
    ScopedVariable(const char* name, const std::optional<QByteArray>& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// Polls the condition every 20 ms; false when it still fails after the time.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000);

} // namespace vendrask::test
