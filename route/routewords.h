#pragma once

#include <QString>

// The words a new route speaks and shows in one language: the stop and next-stop words of its
// announcements, and the default texts of the interior board's route and temperature lines.
struct RouteWords
{
    QString stop;
    QString next;
    QString routeText;
    QString outsideTempText;
    QString salonTempText;
};

// The words of language, an IETF tag ("de", "en-GB"); for a language without words of its own
// the English ones, and false.
bool routeWordsFor(const QString &language, RouteWords &words);
// The primary language tag ("de") whose stop word is word, compared without regard to letter
// case; empty when no language has it.
QString languageOfStopWord(const QString &word);
// The primary language of an IETF language tag, in lower case: "en" of "en-US".
QString primaryLanguage(const QString &tag);
