// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The running program's own file (/proc/self/exe), for starting the launcher
// again, finding its library and naming it in the autostart entry. Empty when
// the system cannot tell. Qt-free.
std::string KelvoOwnPath();
