#include "coordinatetext.h"

QByteArray formatDegrees(double degrees)
{
    QByteArray text = QByteArray::number(degrees, 'f', 5);
    // A value that rounds to zero from below prints as "-0.00000", which reads back as zero and
    // then prints without the sign; dropping it at once keeps every later save equal to the first.
    if (text == "-0.00000")
        text.remove(0, 1);
    return text;
}

QString formatCoordinate(const QGeoCoordinate &coordinate)
{
    if (!coordinate.isValid())
        return QString();
    return QString::fromLatin1(formatDegrees(coordinate.latitude()) + ' ' + formatDegrees(coordinate.longitude()));
}

namespace {

// Any decimal digit, so that a position typed with another script's digits is still found.
bool isDigit(QChar character)
{
    return (character >= QLatin1Char('0') && character <= QLatin1Char('9'))
        || (character.unicode() > 0x7F && character.category() == QChar::Number_DecimalDigit);
}

bool isMinus(QChar character)
{
    return character == QLatin1Char('-') || character == QChar(0x2212);
}

bool isDecimalSeparator(QChar character)
{
    return character == QLatin1Char('.') || character == QLatin1Char(',');
}

} // namespace

double readNumber(const QString &text, int &position, bool &ok)
{
    ok = false;
    while (position < text.size() && !isDigit(text.at(position)))
        ++position;
    if (position >= text.size())
        return 0;
    const bool negative = position > 0 && isMinus(text.at(position - 1));
    QString number;
    bool separated = false;
    for (; position < text.size(); ++position) {
        const QChar character = text.at(position);
        if (isDigit(character)) {
            number += character;
            continue;
        }
        // One point or comma, and only between digits.
        const bool digitFollows = position + 1 < text.size() && isDigit(text.at(position + 1));
        if (separated || !isDecimalSeparator(character) || !digitFollows)
            break;
        number += QLatin1Char('.');
        separated = true;
    }
    const double value = number.toDouble(&ok);
    return negative ? -value : value;
}

QGeoCoordinate parseCoordinate(const QString &text)
{
    int position = 0;
    bool ok = false;
    const double latitude = readNumber(text, position, ok);
    if (!ok)
        return QGeoCoordinate();
    const double longitude = readNumber(text, position, ok);
    const QGeoCoordinate coordinate(latitude, longitude);
    return ok && coordinate.isValid() ? coordinate : QGeoCoordinate();
}
