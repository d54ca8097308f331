// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// vendrask-profile: reads and writes one key of a settings file with the
// launcher's own engine. args[0] is the program name; text is UTF-8.
// Exit codes: 0 done, 1 the file could not be read or written, 2 bad usage.
int RunProfileTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
