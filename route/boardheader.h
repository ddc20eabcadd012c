#pragma once

#include "station.h"

#include <QByteArray>
#include <QString>

class LineReader;

// The first lines of ost.txt, sidetab.txt and backtab.txt: route number, starting point,
// destination with the mode suffix, the ";"-separated items, and the optional
// second-language line.
struct BoardHeader
{
    // Which items a file carries on writing.
    enum Items { BoardItems, SideBoardItems };

    QString number;
    TextPair startingPoint;
    TextPair destination;
    int mode = 0;
    int font = 0;
    bool hasFontItem = false;
    int nameTimeout = 4;
    int stationCount = 5;
    int sValue = 3;
    QString separator;
    int numberColor = 0;
    int startColor = 0;
    int destColor = 0;

    // Starts from the colours of another board, as side and back boards do.
    void takeColors(const BoardHeader &other);
    // Reads the header line, the second-language line and any further indented lines before
    // the first entry. Fields the file does not mention keep their values.
    void read(LineReader &reader);
    // The header line and, when it has a text, the second-language line, each ended by CR LF.
    QByteArray lines(Items items) const;

private:
    void readFirstLine(const QByteArray &line);
    void readItem(const QByteArray &item);
};

// The mode bits of a trailing "_S", "_N", "_V", "_C", "_M" sequence; removes it, together
// with surrounding ASCII blanks and suffixes of unknown letters, from bytes.
int parseModeSuffix(QByteArray &bytes);
// The suffix the writer puts after the destination for the mode bits.
QByteArray modeSuffix(int mode);

// Reads up to three colours separated by ","; a missing one repeats the one before it.
void parseColorList(const QByteArray &list, int &number, int &start, int &destination);
// The shortest colour list that reads back as the three colours.
QByteArray colorList(int number, int start, int destination);
