#pragma once

#include <QByteArray>

// Splits the raw bytes of a route-folder file into lines. A UTF-8 byte order mark at the
// start is skipped; each line loses one trailing LF and then one trailing CR, so files with
// LF-only line ends read the same as the CR LF files the program writes.
class LineReader
{
public:
    explicit LineReader(const QByteArray &content);

    // Takes the next line; false at the end of the content.
    bool readLine(QByteArray &line);
    // Looks at the next line without taking it; false at the end of the content.
    bool peekLine(QByteArray &line) const;
    // The number of the line taken last, counting from 1.
    int lineNumber() const { return m_lineNumber; }

private:
    int lineEnd() const;

    QByteArray m_content;
    int m_position = 0;
    int m_lineNumber = 0;
};

// True for the lines that continue the entry above them: those starting with two blanks.
inline bool isIndentedLine(const QByteArray &line)
{
    return line.startsWith("  ");
}
