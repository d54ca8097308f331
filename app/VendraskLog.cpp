#include "VendraskLog.h"

Q_LOGGING_CATEGORY(lcVendrask, "vendrask", QtInfoMsg)
