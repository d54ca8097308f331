// SPDX-License-Identifier: MIT
#include "app/VendraskLog.h"

Q_LOGGING_CATEGORY(lcVendrask, "vendrask", QtInfoMsg)
Q_LOGGING_CATEGORY(lcVendraskTiming, "vendrask.timing", QtWarningMsg)
