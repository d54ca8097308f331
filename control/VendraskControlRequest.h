// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One request to the running launcher, as one line of words: the verb and
// its arguments. Qt-free, as the command-line client uses it before Qt is
// loaded; the launcher reads what any local program sends with it.
class CVendraskControlRequest final {
public:
    enum class Verb { None, Toggle, Show, Hide, Configure, Start, Pause, Resume, Quit, Status };

    // Longest request line, its end of line not counted.
    static constexpr std::size_t kMaxLineBytes = 256;
    // Longest activation token carried along.
    static constexpr std::size_t kMaxTokenBytes = 200;

    // Reads one line (without its '\n'). On any fault the verb is None and
    // error says why; nothing else is filled in then.
    static CVendraskControlRequest Parse(std::string_view line);
    // The verb's word, "" for None.
    static std::string_view VerbName(Verb verb);
    // Whether the word names a verb sent to the launcher.
    static bool IsVerb(std::string_view word);

    bool IsValid() const { return verb != Verb::None; }

    Verb verb = Verb::None;
    // show: 0-9, or -1 for the usual group. start: the group.
    int group = -1;
    // start: 0-25 for A-Z.
    int slot = -1;
    // The activation token the client was started with (toggle, show,
    // configure), empty when none.
    std::string token;
    std::string error;
};
