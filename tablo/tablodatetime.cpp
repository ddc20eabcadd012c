#include "tablodatetime.h"

namespace {

const QLatin1Char quote('\'');

int sameLetterRun(const QString &format, int from)
{
    int end = from + 1;
    while (end < format.size() && format.at(end) == format.at(from))
        ++end;
    return end - from;
}

// How many template characters the field starting at `from` takes, or 0 when the character
// there is no field letter. A run longer than the longest form is split, so "yyy" reads as
// "yy" then "y" and "hhh" as "hh" then "h".
int fieldLength(const QString &format, int from)
{
    const int run = sameLetterRun(format, from);
    switch (format.at(from).unicode()) {
    case 'd':
    case 'M':
    case 'h':
    case 'm':
        return qMin(run, 2);
    case 'y':
        return run >= 4 ? 4 : qMin(run, 2);
    default:
        return 0;
    }
}

QString number(int value, bool twoDigits)
{
    return twoDigits ? QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')) : QString::number(value);
}

QString fieldText(QChar letter, int length, const QDateTime &moment)
{
    const bool twoDigits = length == 2;
    switch (letter.unicode()) {
    case 'd':
        return number(moment.date().day(), twoDigits);
    case 'M':
        return number(moment.date().month(), twoDigits);
    case 'h':
        return number(moment.time().hour(), twoDigits);
    case 'm':
        return number(moment.time().minute(), twoDigits);
    default:
        // Only 'y' is left. The unit writes a short year unpadded (2005 gives "5"), and the
        // preview has to show what the board will.
        return QString::number(length == 4 ? moment.date().year() : moment.date().year() % 100);
    }
}

} // namespace

QString formatTabloDateTime(const QString &format)
{
    return formatTabloDateTime(format, QDateTime::currentDateTime());
}

QString formatTabloDateTime(const QString &format, const QDateTime &moment)
{
    QString text;
    bool literal = false;
    int i = 0;
    while (i < format.size()) {
        const QChar character = format.at(i);
        if (character == quote) {
            literal = !literal;
            ++i;
            continue;
        }
        const int length = literal ? 0 : fieldLength(format, i);
        if (length == 0) {
            text += character;
            ++i;
        } else {
            text += fieldText(character, length, moment);
            i += length;
        }
    }
    return text;
}
