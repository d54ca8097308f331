// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <string>

// The per-user folder the single-instance lock and the control socket use
// when $XDG_RUNTIME_DIR is unset. Qt-free: the command-line client looks
// for the socket before anything of Qt is loaded.

// Whether the folder is a folder (not a link to one) of this user's that no
// one else may enter.
KELVOCOMMON_EXPORT bool KelvoIsPrivateFolder(const std::string& folder);

// vendrask-UID in $TMPDIR (or /tmp, its links resolved), made 0700 when
// missing. Empty when it is not a private folder of this user's: another
// user must neither block our lock nor reach our socket.
KELVOCOMMON_EXPORT std::string KelvoUserTempFolder();
