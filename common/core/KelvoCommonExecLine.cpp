// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonExecLine.h"

namespace {

// One argument of an Exec line: quoted when it holds a reserved character,
// then with the string escapes every value has.
bool AppendArgument(std::string& value, const std::string& argument) {
    static constexpr std::string_view kReserved = " \t\"'\\><~|&;$*?#()`";
    bool quote = argument.empty();
    for (const char c : argument) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
        quote = quote || kReserved.find(c) != std::string_view::npos;
    }
    std::string quoted;
    for (const char c : argument) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
            quoted += '\\';
        quoted += c;
        // Field codes start with '%'; a literal one is doubled.
        if (c == '%')
            quoted += '%';
    }
    if (quote)
        quoted = '"' + quoted + '"';
    if (!value.empty())
        value += ' ';
    for (const char c : quoted) {
        if (c == '\\')
            value += '\\';
        value += c;
    }
    return true;
}

// The words of a command line with their quotes still on, as GLib's
// tokenizer cuts them: blanks and newlines part words, a '#' that starts one
// comments out the rest of its line, a backslash-newline outside quotes goes.
bool Tokenize(std::string_view line, std::vector<std::string>& words) {
    std::string word;
    bool inWord = false;
    const auto append = [&](char c) {
        inWord = true;
        word += c;
    };
    const auto delimit = [&] {
        if (inWord)
            words.push_back(std::move(word));
        word.clear();
        inWord = false;
    };
    char quote = '\0';    // '\'', '"', '\\' (escaping the next character) or '#'
    bool escaped = false; // an odd run of backslashes ends just before
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote == '\\') {
            if (c != '\n') {
                append('\\');
                append(c);
            }
            quote = '\0';
        } else if (quote == '#') {
            while (i < line.size() && line[i] != '\n')
                ++i;
            quote = '\0';
            if (i == line.size())
                break;
        } else if (quote != '\0') {
            if (c == quote && !(quote == '"' && escaped))
                quote = '\0';
            append(c);
        } else if (c == '\n' || c == ' ' || c == '\t') {
            delimit();
        } else if (c == '\'' || c == '"') {
            append(c);
            quote = c;
        } else if (c == '\\') {
            quote = c;
        } else if (c == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\n')) {
            quote = c;
        } else {
            append(c);
        }
        escaped = line[i] == '\\' && !escaped;
    }
    delimit();
    return quote == '\0' && !words.empty();
}

std::optional<std::string> Unquote(std::string_view word) {
    std::string out;
    std::size_t i = 0;
    while (i < word.size()) {
        const char c = word[i++];
        if (c == '\\') {
            if (i < word.size()) {
                if (word[i] != '\n')
                    out += word[i];
                ++i;
            }
        } else if (c == '\'') {
            const std::size_t end = word.find('\'', i);
            if (end == std::string_view::npos)
                return std::nullopt;
            out += word.substr(i, end - i);
            i = end + 1;
        } else if (c == '"') {
            for (;;) {
                if (i == word.size())
                    return std::nullopt;
                const char d = word[i++];
                if (d == '"')
                    break;
                if (d != '\\') {
                    out += d;
                } else if (i < word.size() &&
                           std::string_view("\"\\`$\n").find(word[i]) != std::string_view::npos) {
                    out += word[i++];
                } else {
                    out += '\\';
                }
            }
        } else {
            out += c;
        }
    }
    return out;
}

// Takes the field codes out of one argument; false when nothing remains of
// an argument that was only a field code. A code is one character, which in
// UTF-8 may take several bytes.
bool StripFieldCodes(std::string_view argument, std::string& out) {
    out.clear();
    bool hadCode = false;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        if (argument[i] != '%' || i + 1 >= argument.size()) {
            out += argument[i];
            continue;
        }
        if (argument[++i] == '%') {
            out += '%';
            continue;
        }
        hadCode = true;
        while (i + 1 < argument.size() &&
               (static_cast<unsigned char>(argument[i + 1]) & 0xC0) == 0x80)
            ++i;
    }
    return !(hadCode && out.empty());
}

} // namespace

std::string KelvoExecValue(const std::vector<std::string>& words) {
    std::string value;
    for (const std::string& word : words) {
        if (!AppendArgument(value, word))
            return {};
    }
    return value;
}

std::string KelvoUnescapeValue(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char next = i + 1 < raw.size() && raw[i] == '\\' ? raw[i + 1] : '\0';
        const char plain = next == 's'    ? ' '
                           : next == 'n'  ? '\n'
                           : next == 't'  ? '\t'
                           : next == 'r'  ? '\r'
                           : next == '\\' ? '\\'
                                          : '\0';
        if (plain == '\0') {
            out += raw[i];
            continue;
        }
        out += plain;
        ++i;
    }
    return out;
}

std::optional<std::vector<std::string>> KelvoSplitExec(std::string_view exec) {
    // GLib reads a C string.
    exec = exec.substr(0, exec.find('\0'));
    std::vector<std::string> tokens;
    if (!Tokenize(exec, tokens))
        return std::nullopt;
    std::vector<std::string> words;
    std::string word;
    for (const std::string& token : tokens) {
        const std::optional<std::string> plain = Unquote(token);
        if (!plain)
            return std::nullopt;
        if (StripFieldCodes(*plain, word))
            words.push_back(word);
    }
    if (words.empty() || words.front().empty())
        return std::nullopt;
    return words;
}
