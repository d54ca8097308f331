// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <cstddef>
#include <string>
#include <string_view>

// Text conversions for code outside Qt (the settings engine, the shortcut
// formats, tools, fuzzers).

// UTF-8 <-> UTF-16. Invalid input becomes U+FFFD: each maximal invalid
// UTF-8 subpart, each unpaired surrogate.
KELVOCOMMON_EXPORT std::u16string KelvoUtf8ToUtf16(std::string_view text);
KELVOCOMMON_EXPORT std::string KelvoUtf16ToUtf8(std::u16string_view text);
// The same, appending to out.
void KelvoAppendUtf8AsUtf16(std::string_view bytes, std::u16string& out);
void KelvoAppendUtf16AsUtf8(std::u16string_view text, std::string& out);

// The text with its first %NAME% pair replaced by the variable's value in
// this process. Unchanged when there is no pair, the variable is unset or
// empty, or the value or the result would be longer than maxLength (the
// text is never cut). Later pairs stay as written.
KELVOCOMMON_EXPORT std::u16string KelvoExpandFirstVariable(std::u16string_view text,
                                                           std::size_t maxLength);
