// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reads and durable writes, for every file the library keeps or
// reads for the user (the settings file, shortcut files). Qt-free, so that
// fuzzers can take it. `why` receives the reason of a failure
// ("Permission denied"), without the file's name.

enum class KelvoFileRead : std::uint8_t { Read, Missing, Failed };

// Reads a whole regular file of at most maxBytes. A FIFO or device never
// blocks us: the file is opened non-blocking and refused by its type. A file
// that grows past the cap while it is read is refused too.
KELVOCOMMON_EXPORT KelvoFileRead KelvoReadSmallFile(const std::filesystem::path& file,
                                                    std::uintmax_t maxBytes, std::string& bytes,
                                                    std::string& why);

enum class KelvoFileWrite : std::uint8_t {
    Written,
    Failed,    // the file is as it was (or, for a create, absent)
    NotSynced, // the new text is in place, but its folder could not be flushed
};

// Replaces the file's text atomically and durably: a temporary file in the
// same folder takes the text and the old file's mode and owner (a new file
// gets the mode the umask gives), is flushed and renamed over; then the
// folder is flushed. A symbolic link is followed: its target is replaced and
// the link stays. A crash or a full disk leaves the old or the new file,
// whole.
KelvoFileWrite KelvoReplaceFile(const std::filesystem::path& file, std::string_view bytes,
                                std::string& why);

// Creates the file with these bytes, flushed with its folder; fails when it
// exists. A failed write leaves no file behind.
KELVOCOMMON_EXPORT KelvoFileWrite KelvoCreateFile(const std::filesystem::path& file,
                                                  std::string_view bytes, std::string& why);

// The path a write to `file` replaces: its symbolic links followed.
std::filesystem::path KelvoResolveLinks(const std::filesystem::path& file);
