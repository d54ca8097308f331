#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <string>

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

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// UTF-16LE bytes (no byte-order mark) of a UTF-8 text.
std::string Utf16LeBytes(std::string_view utf8);

} // namespace vendrask::test
