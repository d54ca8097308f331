// SPDX-License-Identifier: MIT
// libFuzzer target for the shell link reader: any bytes are read or refused
// without a read out of bounds; a refused input changes nothing; what reads
// survives our writer and a second read; the caller's buffers are never
// overrun.
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
    std::fprintf(stderr, "fuzz_lnk: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what) {
    if (!condition)
        Fail(what);
}

constexpr std::size_t kBufferLength = 260;

// Copies into a buffer with guard cells after it, as the launcher's 260-
// character buffers are filled.
void CheckCopy(const std::u16string& text) {
    constexpr char16_t kGuard = 0xBEEF;
    std::vector<char16_t> memory(kBufferLength + 16, kGuard);
    KelvoCopyToBuffer(text, memory.data(), kBufferLength);
    const auto end = std::find(memory.begin(), memory.begin() + kBufferLength, u'\0');
    Check(end != memory.begin() + kBufferLength, "the buffer is not terminated");
    const auto length = static_cast<std::size_t>(end - memory.begin());
    Check(length == std::min(text.size(), kBufferLength - 1) ||
              length + 1 == std::min(text.size(), kBufferLength - 1),
          "the copy has the wrong length");
    Check(std::u16string_view(memory.data(), length) == std::u16string_view(text).substr(0, length),
          "the copy differs from the text");
    Check(std::all_of(memory.begin() + kBufferLength, memory.end(),
                      [](char16_t c) { return c == kGuard; }),
          "the copy ran past the buffer");
}

bool HasNul(const std::u16string& text) {
    return text.find(u'\0') != std::u16string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    KelvoShellLink link;
    link.arguments = u"untouched";
    if (KelvoParseShellLink(bytes, link) != KelvoShellLinkParse::Ok) {
        Check(link.arguments == u"untouched" && link.linkFlags == 0,
              "a refused link changed the output");
        return 0;
    }

    const std::u16string* texts[] = {
        &link.linkInfoPath, &link.environmentTarget, &link.idListPath, &link.name,
        &link.relativePath, &link.workingDirectory,  &link.arguments,  &link.iconLocation};
    for (const std::u16string* text : texts) {
        Check(!HasNul(*text), "a text holds a NUL");
        // LinkInfo's base and suffix may share bytes: each is read once.
        Check(text->size() <= 2 * size + 1, "a text is longer than its sources");
    }

    const std::u16string target = KelvoShellLinkStoredTarget(link);
    CheckCopy(target);
    CheckCopy(link.arguments);
    CheckCopy(link.workingDirectory);

    // What we read, we can write, and it reads back the same.
    KelvoShellLinkFields fields;
    fields.target = target;
    fields.arguments = link.arguments;
    fields.workingDirectory = link.workingDirectory;
    fields.relativePath = link.relativePath;
    const std::optional<std::string> written = KelvoBuildShellLink(fields);
    Check(written.has_value(), "texts read from a link must fit a written one");
    KelvoShellLink again;
    Check(KelvoParseShellLink(*written, again) == KelvoShellLinkParse::Ok,
          "our own link does not read");
    Check(KelvoShellLinkStoredTarget(again) == target, "the target changed in a round trip");
    Check(again.arguments == link.arguments, "the arguments changed in a round trip");
    Check(again.workingDirectory == link.workingDirectory,
          "the working directory changed in a round trip");
    Check(again.relativePath == link.relativePath, "the relative path changed in a round trip");
    return 0;
}
