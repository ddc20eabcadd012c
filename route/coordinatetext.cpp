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
