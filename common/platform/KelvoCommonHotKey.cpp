// SPDX-License-Identifier: MIT
#include "KelvoCommonHotKey.h"

CKelvoCommonHotKey::CKelvoCommonHotKey(QObject* parent) : QObject(parent) {}
