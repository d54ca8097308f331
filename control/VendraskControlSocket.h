// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Where the launcher listens for requests, and the few socket calls the
// client and the launcher share. Qt-free: the command-line client runs it
// before anything of Qt is loaded.
class CVendraskControlSocket final {
public:
    // $XDG_RUNTIME_DIR/vendrask, or, without a runtime folder, "vendrask"
    // in the per-user folder the single-instance lock falls back to
    // ($TMPDIR or /tmp, then vendrask-UID). Empty when there is none.
    static std::string Folder();
    static std::string SocketPath();

    // Makes the folder (0700) and checks it is ours and closed to others;
    // tightens its mode when it is ours but open. False with the reason.
    static bool PrepareFolder(const std::string& folder, std::string& error);
    // Whether the folder is ours and closed to others (client side: never
    // talk to a server another user set up).
    static bool IsPrivateFolder(const std::string& folder);

    // Connected stream socket to path, or -1 with errno set.
    static int Connect(const std::string& path);
    // A non-blocking listening socket at path, replacing a stale one; -1
    // with the reason. Only the instance holding the single-instance lock
    // calls this, so whatever socket lies there is stale.
    static int Listen(const std::string& path, std::string& error);
};
