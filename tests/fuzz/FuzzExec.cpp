// SPDX-License-Identifier: MIT
// libFuzzer target for a desktop entry's Exec value, read as dropped files
// hand it over: any bytes split or fail cleanly, and words that can be
// written read back the same.
#include "common/core/KelvoCommonExecLine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_exec: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::vector<std::string>> words = KelvoSplitExec(KelvoUnescapeValue(bytes));
    if (!words)
        return 0;
    Check(!words->empty(), "a line without a program");
    const std::string value = KelvoExecValue(*words);
    if (value.empty())
        return 0; // a control character no entry can carry
    Check(KelvoSplitExec(KelvoUnescapeValue(value)) == words,
          "the written words read back changed");
    return 0;
}
