// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonShell.h"

#include <algorithm>

namespace {

constexpr QChar kQuote = u'"';

} // namespace

QStringList CKelvoCommonShell::SplitArguments(const QString& parameters) {
    QStringList arguments;
    QString word;
    bool inWord = false; // also for a word of quotes only, so "" is an argument
    bool grouped = false;
    const qsizetype length = parameters.size();
    for (qsizetype i = 0; i < length;) {
        if (parameters[i] == kQuote) {
            qsizetype run = 0;
            for (; i < length && parameters[i] == kQuote; ++i)
                ++run;
            word.append(QString(run / 3, kQuote));
            if (run % 3 == 1)
                grouped = !grouped;
            inWord = true;
            continue;
        }
        const QChar ch = parameters[i++];
        if (!grouped && ch.isSpace()) {
            if (inWord)
                arguments.append(word);
            word.clear();
            inWord = false;
            continue;
        }
        word.append(ch);
        inWord = true;
    }
    if (inWord)
        arguments.append(word);
    return arguments;
}

QString CKelvoCommonShell::JoinArguments(const QStringList& arguments) {
    // Each quote becomes a run of three. A word with a blank, or an empty
    // one, is grouped: its opening and closing quotes leave one over in the
    // first and last runs, and the runs between are whole threes.
    QStringList words;
    words.reserve(arguments.size());
    for (const QString& argument : arguments) {
        QString word = argument;
        word.replace(kQuote, QStringLiteral("\"\"\""));
        const bool group = argument.isEmpty() || std::any_of(argument.cbegin(), argument.cend(),
                                                             [](QChar ch) { return ch.isSpace(); });
        words.append(group ? kQuote + word + kQuote : word);
    }
    return words.join(QLatin1Char(' '));
}
