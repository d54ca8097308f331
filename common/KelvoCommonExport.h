// SPDX-License-Identifier: MIT
#pragma once

// Symbols of libKelvoCommon are hidden unless marked. Mark what the launcher
// and the tools call, nothing more: the tests and benchmarks link the static
// form of the library and reach everything. The same mark serves building and
// using the library on ELF.
#define KELVOCOMMON_EXPORT __attribute__((visibility("default")))
