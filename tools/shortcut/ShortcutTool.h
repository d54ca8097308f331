// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// vendrask-shortcut: reads a ".lnk" or ".url" shortcut and writes ".lnk"
// files with the library's own reader and writer. args[0] is the program
// name; text is UTF-8.
//   read FILE                          a shell link: target, arguments and
//                                      working folder, one line each; an
//                                      Internet shortcut: its address
//   write FILE TARGET ARGS WORKDIR     writes a shell link
// Exit codes: 0 done, 1 the file could not be read or written or is not a
// shortcut, 2 bad usage.
int RunShortcutTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
