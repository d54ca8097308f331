// SPDX-License-Identifier: MIT
#include "tools/profile/ProfileTool.h"

#include "common/core/KelvoCommonProfile.h"

#include <charconv>
#include <ostream>

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFile = 1;
constexpr int kExitUsage = 2;

void PrintUsage(std::ostream& err) {
    err << "usage: vendrask-profile get FILE SECTION KEY [DEFAULT]\n"
           "       vendrask-profile getint FILE SECTION KEY DEFAULT\n"
           "       vendrask-profile set FILE SECTION KEY VALUE\n";
}

int UsageError(std::ostream& err, const std::string& why) {
    err << "vendrask-profile: " << why << '\n';
    PrintUsage(err);
    return kExitUsage;
}

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool LoadExisting(CKelvoCommonProfile& profile, std::ostream& err) {
    if (profile.Load())
        return true;
    err << "vendrask-profile: ";
    if (profile.LastError().empty())
        err << "cannot read " << profile.Path().string();
    else
        err << profile.LastError();
    err << '\n';
    return false;
}

} // namespace

int RunProfileTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
        PrintUsage(out);
        return kExitDone;
    }
    if (args.size() < 2)
        return UsageError(err, "missing command");

    const std::string& command = args[1];
    const std::size_t operands = args.size() - 2;
    if (command == "get") {
        if (operands != 3 && operands != 4)
            return UsageError(err, "get takes FILE SECTION KEY [DEFAULT]");
        CKelvoCommonProfile profile(args[2]);
        if (!LoadExisting(profile, err))
            return kExitFile;
        const std::u16string fallback = operands == 4 ? KelvoUtf8ToUtf16(args[5]) : u"";
        out << KelvoUtf16ToUtf8(profile.Document().GetString(KelvoUtf8ToUtf16(args[3]),
                                                             KelvoUtf8ToUtf16(args[4]), fallback))
            << '\n';
        return kExitDone;
    }
    if (command == "getint") {
        if (operands != 4)
            return UsageError(err, "getint takes FILE SECTION KEY DEFAULT");
        int fallback = 0;
        if (!ParseInt(args[5], fallback))
            return UsageError(err, "DEFAULT must be a whole number: " + args[5]);
        CKelvoCommonProfile profile(args[2]);
        if (!LoadExisting(profile, err))
            return kExitFile;
        out << profile.Document().GetInt(KelvoUtf8ToUtf16(args[3]), KelvoUtf8ToUtf16(args[4]),
                                         fallback)
            << '\n';
        return kExitDone;
    }
    if (command == "set") {
        if (operands != 4)
            return UsageError(err, "set takes FILE SECTION KEY VALUE");
        const std::u16string section = KelvoUtf8ToUtf16(args[3]);
        const std::u16string key = KelvoUtf8ToUtf16(args[4]);
        if (!CKelvoCommonProfileDocument::CanStore(section, key)) {
            err << "vendrask-profile: a settings file cannot hold the key \"" << args[4]
                << "\" in section [" << args[3] << "]\n";
            return kExitFile;
        }
        CKelvoCommonProfile profile(args[2]);
        // A new file starts the way the launcher starts one: FF FE.
        if (!profile.Exists() && !profile.CreateNew()) {
            err << "vendrask-profile: " << profile.LastError() << '\n';
            return kExitFile;
        }
        if (!profile.WriteString(section, key, KelvoUtf8ToUtf16(args[5]))) {
            err << "vendrask-profile: " << profile.LastError() << '\n';
            return kExitFile;
        }
        return kExitDone;
    }
    return UsageError(err, "unknown command: " + command);
}
