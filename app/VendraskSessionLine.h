// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonSession.h"

#include <QString>

// The start-up line of a Wayland session: what works here and what does
// not. platformName is Qt's ("xcb" through XWayland, "wayland").
QString VendraskSessionLine(const CKelvoCommonSession& session, const QString& platformName,
                            bool hotKey, bool edges, bool tray);
