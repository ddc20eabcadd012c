#pragma once

#include <QByteArray>
#include <QList>

#include <functional>
#include <string>
#include <vector>

class QIODevice;

// Reads comma-separated tables row by row as RFC 4180 writes them: fields in double quotes may
// hold commas, line breaks and doubled quotes; rows end in CR LF, LF or a lone CR. Only one
// buffer of input and the current row are held, so tables far larger than memory read fine.
// A UTF-8 byte order mark at the start is skipped and blank lines are passed over.
class CsvReader
{
public:
    // Gives at most maxSize bytes at data; the number given, 0 at the end, -1 when reading failed.
    using Source = std::function<qint64(char *data, qint64 maxSize)>;

    explicit CsvReader(Source source);
    // Reads from the open device, which must outlive the reader.
    explicit CsvReader(QIODevice *device);

    // Takes the first row as the column names, trimmed; false when there is none. Call it first.
    bool readHeader();
    // The number of the column with the given name, or -1 when the header has none.
    int column(const QByteArray &name) const;

    // Takes the next row; false at the end of the input or when the source failed.
    bool readRow();
    // The number of fields in the current row.
    int fieldCount() const { return int(m_fieldEnds.size()); }
    // The field of the current row in column; empty when the row has no such column.
    QByteArray field(int column) const;
    // True when the source reported a failure, which ends the rows early.
    bool hasError() const { return m_error; }

private:
    bool fillBuffer();
    void skipByteOrderMark();
    int parseRow(int position);
    int parseQuoted(int position);

    Source m_source;
    QByteArray m_buffer;
    int m_position = 0;
    bool m_atEnd = false;
    bool m_error = false;
    // The current row's fields unquoted and back to back, with where each one ends.
    std::string m_row;
    std::vector<int> m_fieldEnds;
    QList<QByteArray> m_header;
};
