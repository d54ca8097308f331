// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonPlatform.h"

// In-memory fakes; the caller may downcast to the fake types to inspect them.
CKelvoCommonPlatformServices KelvoCreateFakePlatformServices();
