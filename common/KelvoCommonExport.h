// SPDX-License-Identifier: MIT
#pragma once

// Symbols of libKelvoCommon are hidden unless marked. Mark what the launcher
// and the tools call, nothing more: the tests and benchmarks link the static
// form of the library and reach everything. The same mark serves building and
// using the library on ELF. KELVOCOMMON_STATIC compiles the sources straight
// into another target (fuzzers).
#if defined(KELVOCOMMON_STATIC)
#define KELVOCOMMON_EXPORT
#else
#define KELVOCOMMON_EXPORT __attribute__((visibility("default")))
#endif
