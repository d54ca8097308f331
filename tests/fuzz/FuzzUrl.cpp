// SPDX-License-Identifier: MIT
// libFuzzer target for the Internet shortcut reader: any bytes give an
// address or none, the address agrees with the settings engine's own lookup,
// and copying it never overruns the caller's buffer.
#include "common/core/KelvoCommonProfile.h"
#include "common/core/KelvoCommonShortcutFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_url: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what) {
    if (!condition)
        Fail(what);
}

constexpr std::size_t kBufferLength = 260;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::optional<std::u16string> url = KelvoParseInternetShortcut(bytes);
    const CKelvoCommonProfileDocument document = CKelvoCommonProfileDocument::Parse(bytes);
    const std::optional<std::u16string> raw = document.FindRaw(u"InternetShortcut", u"URL");
    if (!url) {
        const std::u16string value = document.GetString(u"InternetShortcut", u"URL", u"");
        Check(!raw || value.empty() || value.front() == u'\0', "an address was missed");
        return 0;
    }
    Check(raw.has_value(), "an address without a URL key");
    Check(!url->empty(), "an empty address");
    Check(url->find(u'\0') == std::u16string::npos, "the address holds a NUL");
    Check(raw->find(*url) != std::u16string::npos, "the address is not in the stored value");

    constexpr char16_t kGuard = 0xBEEF;
    std::vector<char16_t> memory(kBufferLength + 16, kGuard);
    KelvoCopyToBuffer(*url, memory.data(), kBufferLength);
    const auto end = std::find(memory.begin(), memory.begin() + kBufferLength, u'\0');
    Check(end != memory.begin() + kBufferLength, "the buffer is not terminated");
    const auto length = static_cast<std::size_t>(end - memory.begin());
    Check(length + 1 >= std::min(url->size(), kBufferLength - 1), "the address was cut short");
    Check(std::u16string_view(memory.data(), length) == std::u16string_view(*url).substr(0, length),
          "the copy differs from the address");
    Check(std::all_of(memory.begin() + kBufferLength, memory.end(),
                      [](char16_t c) { return c == kGuard; }),
          "the copy ran past the buffer");
    return 0;
}
