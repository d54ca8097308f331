// SPDX-License-Identifier: MIT
#include "control/VendraskControlRequest.h"

#include <array>
#include <utility>
#include <vector>

namespace {

using Verb = CVendraskControlRequest::Verb;

constexpr std::array<std::pair<std::string_view, Verb>, 9> kVerbs{{
    {"toggle", Verb::Toggle},
    {"show", Verb::Show},
    {"hide", Verb::Hide},
    {"configure", Verb::Configure},
    {"start", Verb::Start},
    {"pause", Verb::Pause},
    {"resume", Verb::Resume},
    {"quit", Verb::Quit},
    {"status", Verb::Status},
}};

CVendraskControlRequest Fault(std::string text) {
    CVendraskControlRequest request;
    request.error = std::move(text);
    return request;
}

bool IsGraphic(unsigned char c) {
    return c > 0x20 && c < 0x7F;
}

// A single digit 0-9, or -1.
int GroupOf(std::string_view word) {
    if (word.size() != 1 || word[0] < '0' || word[0] > '9')
        return -1;
    return word[0] - '0';
}

// A single letter, either case, as slot 0-25; or -1.
int SlotOf(std::string_view word) {
    if (word.size() != 1)
        return -1;
    const char c = word[0];
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    return -1;
}

bool TakesToken(Verb verb) {
    return verb == Verb::Toggle || verb == Verb::Show || verb == Verb::Configure;
}

} // namespace

std::string_view CVendraskControlRequest::VerbName(Verb verb) {
    for (const auto& [name, value] : kVerbs) {
        if (value == verb)
            return name;
    }
    return {};
}

bool CVendraskControlRequest::IsVerb(std::string_view word) {
    for (const auto& entry : kVerbs) {
        if (entry.first == word)
            return true;
    }
    return false;
}

CVendraskControlRequest CVendraskControlRequest::Parse(std::string_view line) {
    if (line.size() > kMaxLineBytes)
        return Fault("request too long");
    // Words of printable ASCII between single spaces or tabs; anything else
    // (control bytes, NUL, bytes above 0x7E) refuses the whole line.
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size() || line[i] == ' ' || line[i] == '\t';
        if (!end && !IsGraphic(static_cast<unsigned char>(line[i])))
            return Fault("bad byte in request");
        if (end) {
            if (i > start)
                words.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    if (words.empty())
        return Fault("empty request");

    CVendraskControlRequest request;
    for (const auto& [name, value] : kVerbs) {
        if (name == words[0])
            request.verb = value;
    }
    if (request.verb == Verb::None)
        return Fault("unknown verb");

    std::size_t next = 1;
    if (request.verb == Verb::Start) {
        if (words.size() < 3)
            return Fault("start needs a group and a letter");
        request.group = GroupOf(words[1]);
        if (request.group < 0)
            return Fault("group must be 0-9");
        request.slot = SlotOf(words[2]);
        if (request.slot < 0)
            return Fault("letter must be A-Z");
        next = 3;
    }
    while (next < words.size()) {
        const std::string_view option = words[next];
        if (next + 1 >= words.size())
            return Fault("unexpected argument");
        const std::string_view value = words[next + 1];
        if (option == "--group" && request.verb == Verb::Show && request.group < 0) {
            request.group = GroupOf(value);
            if (request.group < 0)
                return Fault("group must be 0-9");
        } else if (option == "--token" && TakesToken(request.verb) && request.token.empty()) {
            if (value.size() > kMaxTokenBytes)
                return Fault("token too long");
            request.token = std::string(value);
        } else {
            return Fault("unexpected argument");
        }
        next += 2;
    }
    return request;
}
