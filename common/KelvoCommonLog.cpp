// SPDX-License-Identifier: MIT
#include "common/KelvoCommonLog.h"

Q_LOGGING_CATEGORY(lcKelvoCommon, "kelvo.common", QtWarningMsg)
