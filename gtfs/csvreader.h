#pragma once

#include <QByteArray>
#include <QList>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;

// Reads comma-separated tables row by row as RFC 4180 writes them: fields in double quotes may
// hold commas, line breaks and doubled quotes; rows end in CR LF, LF or a lone CR. Only one
// buffer of input and the current row are held, so tables far larger than memory read fine,
// and a field or row beyond the bounds of GtfsLimits ends the reading with an error instead of
// growing the buffer. A UTF-8 byte order mark at the start is skipped and blank lines are
// passed over.
class CsvReader
{
public:
    // Gives at most maxSize bytes at data; the number given, 0 at the end, -1 when reading failed.
    using Source = std::function<qint64(char *data, qint64 maxSize)>;

    // Why the rows ended before the end of the input.
    enum class Error {
        None,
        Source, // the source failed
        UnclosedQuote, // a quoted field runs to the end of the input or past the field size
        LongField, // an unquoted field longer than the field size
        ManyFields, // a row of more fields than a row may have
    };

    explicit CsvReader(Source source);
    // Reads from the open device, which must outlive the reader.
    explicit CsvReader(QIODevice *device);

    // Takes the first row as the column names, trimmed; false when there is none. Call it first.
    bool readHeader();
    // The number of the column with the given name, or -1 when the header has none.
    int column(const QByteArray &name) const;
    // The name of column in the header; empty past its end.
    QByteArray columnName(int column) const { return m_header.value(column); }

    // Takes the next row; false at the end of the input or on an error.
    bool readRow();
    // The number of fields in the current row.
    int fieldCount() const { return int(m_fieldEnds.size()); }
    // The field of the current row in column; empty when the row has no such column.
    QByteArray field(int column) const;
    // The same field without a copy, for looking it up: valid only until the next row is read.
    std::string_view fieldView(int column) const;
    // The line of the input on which the current row begins, the header's being line 1.
    int line() const { return m_rowLine; }

    // Why the rows ended early, and where: the line on which the faulty field (or row) begins
    // and the column of the field.
    Error error() const { return m_error; }
    int errorLine() const { return m_errorLine; }
    int errorColumn() const { return m_errorColumn; }

private:
    // What parsePlainRow gives for a row it leaves to parseRow.
    static constexpr int notPlain = -2;

    bool fillBuffer();
    void skipByteOrderMark();
    int parsePlainRow(int position);
    int parseRow(int position);
    int parseQuoted(int position, int fieldStart, int fieldLine);
    int fail(Error error, int line, int column);

    Source m_source;
    QByteArray m_buffer;
    int m_position = 0;
    bool m_atEnd = false;
    // Whether the byte before m_position is a CR, whose LF then ends no further line.
    bool m_afterCarriageReturn = false;
    // The line at m_position, that of the current row, and the line ends met in the row parsed.
    int m_nextLine = 1;
    int m_rowLine = 0;
    int m_parsedLines = 0;
    Error m_error = Error::None;
    int m_errorLine = 0;
    int m_errorColumn = -1;
    // The current row's fields unquoted, with one separator byte after each, and where each one
    // ends.
    std::string m_row;
    std::vector<int> m_fieldEnds;
    QList<QByteArray> m_header;
};
