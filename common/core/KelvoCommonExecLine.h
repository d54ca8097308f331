// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A desktop entry's Exec value, both ways. Qt-free: the autostart verb
// writes one before anything of Qt is loaded.

// The Exec value (its key-file escapes included) that runs these words: each
// quoted when it holds a reserved character, '%' doubled. Empty when a word
// holds a control character no entry can carry.
std::string KelvoExecValue(const std::vector<std::string>& words);

// A key-file string value with its escapes (\s \n \t \r \\) undone and every
// other backslash kept: Exec quotes with \" and \$, which newer GLib refuses
// in g_key_file_get_string.
std::string KelvoUnescapeValue(std::string_view raw);

// The words of an Exec value whose key-file escapes are undone: split and
// unquoted as g_shell_parse_argv() does (double quotes, in which a backslash
// escapes ", `, $ and itself), then the field codes (%f, %U, %i ...) taken
// out and "%%" read as "%". nullopt for unbalanced quotes or a line that
// names no program.
std::optional<std::vector<std::string>> KelvoSplitExec(std::string_view exec);
