#include "boardheader.h"

#include "linereader.h"
#include "routedefaults.h"
#include "textrules.h"

#include <algorithm>
#include <cstring>

namespace {

const char fieldSeparator[] = "\\\\";
const char modeLetters[] = "SNVCM";

QString fieldText(const QByteArray &bytes)
{
    return decodeFileText(bytes).trimmed();
}

// Splits off the text before the next field separator; without one the whole rest is taken.
QByteArray takeField(QByteArray &rest)
{
    const int separator = rest.indexOf(fieldSeparator);
    const QByteArray field = separator < 0 ? rest : rest.left(separator);
    rest = separator < 0 ? QByteArray() : rest.mid(separator + 2);
    return field;
}

QByteArray textOrBlank(const QString &text)
{
    return text.isEmpty() ? QByteArray(" ") : text.toUtf8();
}

} // namespace

int parseModeSuffix(QByteArray &bytes)
{
    bytes = bytes.trimmed();
    int mode = 0;
    while (bytes.size() >= 2 && bytes.at(bytes.size() - 2) == '_') {
        const char *letter = std::strchr(modeLetters, bytes.at(bytes.size() - 1));
        if (letter && *letter)
            mode |= 1 << (letter - modeLetters);
        bytes.chop(2);
    }
    return mode;
}

QByteArray modeSuffix(int mode)
{
    QByteArray suffix;
    for (int bit = 0; modeLetters[bit]; ++bit) {
        if (mode & (1 << bit))
            suffix += '_' + QByteArray(1, modeLetters[bit]);
    }
    return suffix;
}

void parseColorList(const QByteArray &list, int &number, int &start, int &destination)
{
    QList<QByteArray> colors;
    forEachField(list, ',', [&colors](const QByteArray &field) {
        colors.append(field);
        return colors.size() < 3;
    });
    auto color = [&colors](int index, int missing) {
        if (index >= colors.size())
            return missing;
        QByteArray digits = colors.at(index);
        if (index > 0 && digits.startsWith('#'))
            digits.remove(0, 1);
        return parseHexColor(digits);
    };
    number = color(0, 0);
    start = color(1, number);
    destination = color(2, start);
}

QByteArray colorList(int number, int start, int destination)
{
    QByteArray list = formatHexColor(number);
    if (start != number || destination != number) {
        list += ',' + formatHexColor(start);
        if (destination != start)
            list += ',' + formatHexColor(destination);
    }
    return list;
}

void BoardHeader::takeColors(const BoardHeader &other)
{
    numberColor = other.numberColor;
    startColor = other.startColor;
    destColor = other.destColor;
}

void BoardHeader::read(LineReader &reader)
{
    QByteArray line;
    if (!reader.readLine(line))
        return;
    readFirstLine(line);
    if (reader.peekLine(line) && isIndentedLine(line)) {
        QByteArray rest = line;
        startingPoint[1] = fieldText(takeField(rest));
        destination[1] = fieldText(rest);
    }
    while (reader.peekLine(line) && isIndentedLine(line))
        reader.readLine(line);
}

void BoardHeader::readFirstLine(const QByteArray &line)
{
    QByteArray rest = line;
    number = fieldText(takeField(rest));
    QByteArray start = takeField(rest);
    QByteArray dest = takeField(rest);
    mode = parseModeSuffix(start);
    if (mode == 0)
        mode = parseModeSuffix(dest);
    startingPoint[0] = fieldText(start);
    destination[0] = fieldText(dest);
    forEachField(rest, ';', [this](const QByteArray &item) {
        readItem(item);
        return true;
    });
}

void BoardHeader::readItem(const QByteArray &item)
{
    if (item.isEmpty())
        return;
    const QByteArray value = item.mid(1);
    switch (item.at(0)) {
    case 'F':
        hasFontItem = true;
        readFontDigits(value, font);
        break;
    case 'R':
        nameTimeout = std::clamp(parseDecimal(value), 0, 16);
        break;
    case 'N':
        stationCount = parseDecimal(value);
        break;
    case 'S':
        sValue = std::clamp(parseDecimal(value), 1, 16);
        break;
    case 'T':
        if (item.size() > 2) {
            separator = fieldText(item.mid(2));
            if (separator.isEmpty())
                separator = defaultSideSeparator();
        }
        break;
    case '#':
        parseColorList(value, numberColor, startColor, destColor);
        break;
    default:
        break;
    }
}

QByteArray BoardHeader::lines(Items items) const
{
    QByteArray header = textOrBlank(number) + fieldSeparator + textOrBlank(startingPoint[0])
        + fieldSeparator + textOrBlank(destination[0]) + modeSuffix(mode) + fieldSeparator;
    header += 'F' + QByteArray(font & 1 ? "0" : "1") + QByteArray(font & 2 ? "0" : "1") + ';';
    header += 'R' + QByteArray::number(nameTimeout) + ';';
    if (items == SideBoardItems) {
        header += 'N' + QByteArray::number(stationCount) + ';';
        header += 'S' + QByteArray::number(sValue) + ';';
        if (!separator.isEmpty())
            header += "T " + separator.toUtf8() + ';';
    }
    header += '#' + colorList(numberColor, startColor, destColor) + ";\r\n";
    if (!startingPoint[1].isEmpty() || !destination[1].isEmpty()) {
        header += "  " + textOrBlank(startingPoint[1]);
        if (!destination[1].isEmpty())
            header += fieldSeparator + destination[1].toUtf8();
        header += "\r\n";
    }
    return header;
}
