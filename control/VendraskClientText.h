// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// The verbs' messages in the desktop's language, from a table built into
// the program: the client runs before anything of Qt and loads no files.
// Only messages go through it; what scripts read (the `status` lines, the
// autostart entry) stays English.
class CVendraskClientText final {
public:
    static constexpr std::array<const char*, 7> kLanguages{"de", "fr", "es",   "pt_BR",
                                                           "ru", "ja", "zh_CN"};
    struct Row {
        const char* english;
        // In the order of kLanguages, UTF-8.
        std::array<const char*, kLanguages.size()> translations;
    };
    static std::span<const Row> Table();

    // The column of kLanguages for these values of LANGUAGE, LC_ALL,
    // LC_MESSAGES and LANG (null when unset), or -1 for English. As the
    // launcher's own translations choose: LANGUAGE's list when set, else
    // the first of the others set; English coming first wins.
    static int Language(const char* language, const char* lcAll, const char* lcMessages,
                        const char* lang);

    // english in the environment's language, or english itself when the
    // table has no row for it.
    static const char* Text(const char* english);
    // Text(english) with each "%s" in turn replaced by the next value.
    static std::string Fill(const char* english, std::initializer_list<std::string_view> values);
};
