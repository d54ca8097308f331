// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// `vendrask VERB ...`: sends one request to the running launcher and prints
// the reply. Plain POSIX, run before anything of Qt.
class CVendraskControlClient final {
public:
    // Exit codes besides 0 (done) and 1 (refused or failed).
    static constexpr int kUsage = 2;
    static constexpr int kNotRunning = 3;
    // How long a launcher started for toggle or show may take to answer.
    static constexpr int kStartWaitMs = 15000;
    static constexpr int kReplyWaitMs = 5000;

    // The exit code, or -1 when argv[1] is no verb (the launcher runs).
    static int Run(int argc, char** argv);

    // The reply line's words as `status` prints them.
    static std::string StatusText(const std::string& reply);
};
