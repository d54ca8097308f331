// SPDX-License-Identifier: MIT
// libFuzzer target for the control request line: any bytes give a request
// or a refusal, never both, and what is accepted stays in range.
#include "control/VendraskControlRequest.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_control: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const CVendraskControlRequest request = CVendraskControlRequest::Parse(line);
    using Verb = CVendraskControlRequest::Verb;
    Check(request.IsValid() == request.error.empty(), "a verb and an error, or neither");
    if (!request.IsValid())
        return 0;
    Check(size <= CVendraskControlRequest::kMaxLineBytes, "too long a line accepted");
    Check(request.group >= -1 && request.group <= 9, "group out of range");
    Check(request.verb != Verb::Start || (request.group >= 0 && request.slot >= 0),
          "start without an item");
    Check(request.slot >= -1 && request.slot <= 25, "slot out of range");
    Check(request.token.size() <= CVendraskControlRequest::kMaxTokenBytes, "token too long");
    for (const char c : request.token)
        Check(c > 0x20 && c < 0x7F, "token with a blank or control byte");
    Check(!CVendraskControlRequest::VerbName(request.verb).empty(), "verb without a name");
    return 0;
}
