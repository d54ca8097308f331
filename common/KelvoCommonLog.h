// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// Debug lines of the library; silent unless "kelvo.common.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcKelvoCommon)
