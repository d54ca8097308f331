// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// The launcher's own lines; debug lines are silent unless "vendrask.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcVendrask)
// Start-up and call-up times for the benchmarks: "vendrask.timing.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcVendraskTiming)
