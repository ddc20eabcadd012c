#pragma once

#include <QByteArray>

// The line grammar that script.txt and coord.txt share: header lines of "KEY:value" items,
// then station lines led by the number of the stop.

// True for a header line: one that does not start with a decimal digit, as station lines do.
bool isHeaderLine(const QByteArray &line);

// The stop number of a station line, counted from 1: the decimal number before the first
// blank, or 0 when there is none.
int stationLineNumber(const QByteArray &line);

// Reads the item at or after position in line into key and value and moves position past it.
// False, with an empty key, when the line holds no further item.
bool readKeyToken(const QByteArray &line, int &position, QByteArray &key, QByteArray &value);

// value in double quotes, every double quote in it preceded by a backslash: the form in which
// readKeyToken gives back values with blanks.
QByteArray quotedTokenValue(const QByteArray &value);
