#pragma once

#include "KelvoCommonExport.h"

#include <QLoggingCategory>

// Debug lines of the library; silent unless "kelvo.common.debug=true".
KELVOCOMMON_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcKelvoCommon)
