// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonHotKey.h"

CKelvoCommonHotKey::CKelvoCommonHotKey(QObject* parent) : QObject(parent) {}
