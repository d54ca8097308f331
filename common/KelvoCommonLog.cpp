// SPDX-License-Identifier: MIT
#include "KelvoCommonLog.h"

Q_LOGGING_CATEGORY(lcKelvoCommon, "kelvo.common", QtWarningMsg)
