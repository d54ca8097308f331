// SPDX-License-Identifier: MIT
#include "tools/shortcut/ShortcutTool.h"

#include "common/core/KelvoCommonProfile.h"
#include "common/system/KelvoCommonShortcutFile.h"

#include <ostream>

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFile = 1;
constexpr int kExitUsage = 2;

void PrintUsage(std::ostream& stream) {
    stream << "usage: vendrask-shortcut read FILE\n"
              "       vendrask-shortcut write FILE TARGET ARGS WORKDIR\n";
}

int UsageError(std::ostream& err, const std::string& why) {
    err << "vendrask-shortcut: " << why << '\n';
    PrintUsage(err);
    return kExitUsage;
}

int FileError(std::ostream& err, const std::string& why) {
    err << "vendrask-shortcut: " << why << '\n';
    return kExitFile;
}

// What a shell link is tried first: its header tells it apart from the text
// of an Internet shortcut, whatever the file is called.
int Read(const std::string& file, std::ostream& out, std::ostream& err) {
    KelvoLnkInformation link;
    std::string detail;
    const KelvoShortcutStatus status = CKelvoCommonShortcutFile::ReadLnk(file, link, &detail);
    if (status == KelvoShortcutStatus::Ok) {
        out << KelvoUtf16ToUtf8(link.target) << '\n'
            << KelvoUtf16ToUtf8(link.arguments) << '\n'
            << KelvoUtf16ToUtf8(link.workingFolder) << '\n';
        return kExitDone;
    }
    if (status != KelvoShortcutStatus::NotShellLink)
        return FileError(err, detail);
    std::u16string url;
    switch (CKelvoCommonShortcutFile::ReadUrl(file, url, &detail)) {
    case KelvoShortcutStatus::Ok:
        out << KelvoUtf16ToUtf8(url) << '\n';
        return kExitDone;
    case KelvoShortcutStatus::NoAddress:
        return FileError(err, '"' + file + "\" is not a shortcut");
    default:
        return FileError(err, detail);
    }
}

} // namespace

int RunShortcutTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
        PrintUsage(out);
        return kExitDone;
    }
    if (args.size() < 2)
        return UsageError(err, "missing command");

    const std::string& command = args[1];
    const std::size_t operands = args.size() - 2;
    if (command == "read") {
        if (operands != 1)
            return UsageError(err, "read takes FILE");
        return Read(args[2], out, err);
    }
    if (command == "write") {
        if (operands != 4)
            return UsageError(err, "write takes FILE TARGET ARGS WORKDIR");
        std::string detail;
        if (CKelvoCommonShortcutFile::WriteLnk(args[2], KelvoUtf8ToUtf16(args[3]),
                                               KelvoUtf8ToUtf16(args[4]), KelvoUtf8ToUtf16(args[5]),
                                               &detail) != KelvoShortcutStatus::Ok)
            return FileError(err, detail);
        return kExitDone;
    }
    return UsageError(err, "unknown command: " + command);
}
