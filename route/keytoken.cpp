#include "keytoken.h"

#include "textrules.h"

namespace {

// Blanks, control bytes and every byte from 0x80 up separate the items of a header line.
bool isItemSeparator(char byte)
{
    return static_cast<signed char>(byte) <= 0x20;
}

// The value after an opening quote at position. A backslash right before a double quote makes
// that quote part of the value; without a closing quote the value runs to the end of the line.
QByteArray readQuotedValue(const QByteArray &line, int &position)
{
    QByteArray value;
    for (; position < line.size(); ++position) {
        const char byte = line.at(position);
        if (byte != '"') {
            value += byte;
        } else if (value.endsWith('\\')) {
            value[value.size() - 1] = '"';
        } else {
            ++position;
            break;
        }
    }
    return value;
}

} // namespace

bool isHeaderLine(const QByteArray &line)
{
    return line.isEmpty() || line.at(0) < '0' || line.at(0) > '9';
}

int stationLineNumber(const QByteArray &line)
{
    const int blank = line.indexOf(' ');
    return parseDecimal(blank < 0 ? line : line.left(blank));
}

bool readKeyToken(const QByteArray &line, int &position, QByteArray &key, QByteArray &value)
{
    key.clear();
    value.clear();
    const int size = line.size();
    while (position < size && isItemSeparator(line.at(position)))
        ++position;
    int end = position;
    while (end < size && line.at(end) != ':' && line.at(end) != ' ')
        ++end;
    key = line.mid(position, end - position);
    if (key.isEmpty())
        return false;
    if (end >= size || line.at(end) != ':') {
        position = qMin(end + 1, size);
        return true;
    }
    position = end + 1;
    if (position < size && line.at(position) == '"') {
        ++position;
        value = readQuotedValue(line, position);
        return true;
    }
    end = line.indexOf(' ', position);
    if (end < 0)
        end = size;
    value = line.mid(position, end - position);
    position = end;
    return true;
}

QByteArray quotedTokenValue(const QByteArray &value)
{
    QByteArray quoted = value;
    quoted.replace('"', "\\\"");
    return quoted.prepend('"').append('"');
}
