// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonOwnPath.h"

#include <climits>
#include <unistd.h>

std::string KelvoOwnPath() {
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof(self) - 1);
    if (length <= 0)
        return {};
    return std::string(self, static_cast<std::size_t>(length));
}
