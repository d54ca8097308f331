// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonRuntimeFolder.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As QDir::tempPath() gives it.
std::string TempFolder() {
    const char* variable = std::getenv("TMPDIR");
    std::string temp = variable != nullptr && *variable != '\0' ? variable : "/tmp";
    char resolved[PATH_MAX];
    if (::realpath(temp.c_str(), resolved) != nullptr)
        return resolved;
    while (temp.size() > 1 && temp.back() == '/')
        temp.pop_back();
    return temp;
}

} // namespace

bool KelvoIsPrivateFolder(const std::string& folder) {
    struct stat info{};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

std::string KelvoUserTempFolder() {
    const std::string folder = TempFolder() + "/vendrask-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    return KelvoIsPrivateFolder(folder) ? folder : std::string();
}
