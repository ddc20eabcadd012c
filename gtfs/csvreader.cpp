#include "csvreader.h"

#include "gtfslimits.h"

#include <QIODevice>

#include <cstring>

namespace {

// The least a refill reads. It reads as much as the buffer already holds, so that a long row,
// parsed again from its start after every refill, is parsed only a few times as it grows.
const int chunkSize = 64 * 1024;

bool endsField(char byte)
{
    return byte == ',' || byte == '\n' || byte == '\r';
}

// The bytes a plain row stops at: those that end a field, and the quote. One look-up a byte, as
// every byte of a large table passes here.
struct PlainBytes
{
    bool stops[256] = {};

    PlainBytes()
    {
        for (const unsigned char byte : {',', '\n', '\r', '"'})
            stops[byte] = true;
    }
};

const PlainBytes plainBytes;

// The line ends in data from from up to to: each CR, and each LF that does not follow one.
int lineEnds(const char *data, int from, int to)
{
    int count = 0;
    for (int index = from; index < to; ++index) {
        if (data[index] == '\r' || (data[index] == '\n' && (index == 0 || data[index - 1] != '\r')))
            ++count;
    }
    return count;
}

} // namespace

CsvReader::CsvReader(Source source)
    : m_source(std::move(source))
{
}

CsvReader::CsvReader(QIODevice *device)
    : CsvReader([device](char *data, qint64 maxSize) { return device->read(data, maxSize); })
{
}

bool CsvReader::fillBuffer()
{
    if (m_atEnd)
        return false;
    m_buffer.remove(0, m_position);
    m_position = 0;
    const int kept = m_buffer.size();
    const int wanted = qMax(chunkSize, kept);
    m_buffer.resize(kept + wanted);
    const qint64 count = m_source(m_buffer.data() + kept, wanted);
    m_buffer.resize(kept + int(qMax(count, qint64(0))));
    if (count < 0)
        fail(Error::Source, m_nextLine, -1);
    m_atEnd = count <= 0;
    return true;
}

void CsvReader::skipByteOrderMark()
{
    while (m_buffer.size() < 3 && fillBuffer()) { }
    if (m_buffer.startsWith("\xEF\xBB\xBF"))
        m_position = 3;
}

bool CsvReader::readHeader()
{
    skipByteOrderMark();
    if (!readRow())
        return false;
    m_header.clear();
    for (int index = 0; index < fieldCount(); ++index)
        m_header.append(field(index).trimmed());
    return true;
}

int CsvReader::column(const QByteArray &name) const
{
    return m_header.indexOf(name);
}

QByteArray CsvReader::field(int column) const
{
    if (column < 0 || column >= fieldCount())
        return QByteArray();
    const std::string_view view = fieldView(column);
    return QByteArray(view.data(), int(view.size()));
}

std::string_view CsvReader::fieldView(int column) const
{
    if (column < 0 || column >= fieldCount())
        return {};
    // One separator byte stands between two fields of the row.
    const int start = column == 0 ? 0 : m_fieldEnds[column - 1] + 1;
    return std::string_view(m_row.data() + start, size_t(m_fieldEnds[column] - start));
}

bool CsvReader::readRow()
{
    while (m_error == Error::None) {
        if (m_position == m_buffer.size()) {
            if (!fillBuffer())
                return false;
            continue;
        }
        const char first = m_buffer.at(m_position);
        if (first == '\n' || first == '\r') {
            if (first == '\r' || !m_afterCarriageReturn)
                ++m_nextLine;
            m_afterCarriageReturn = first == '\r';
            ++m_position;
            continue;
        }
        int next = parsePlainRow(m_position);
        if (next == notPlain)
            next = parseRow(m_position);
        if (next >= 0) {
            m_position = next;
            m_rowLine = m_nextLine;
            m_nextLine += m_parsedLines;
            m_afterCarriageReturn = false;
            return true;
        }
        // The row goes on past the buffer: read more and parse it again from its start.
        if (m_error == Error::None)
            fillBuffer();
    }
    return false;
}

int CsvReader::fail(Error error, int line, int column)
{
    m_error = error;
    m_errorLine = line;
    m_errorColumn = column;
    return -1;
}

// The position after the quoted part of a field that starts at position, its text appended to
// the row; -1 when the buffer ends before the closing quote can be told from a doubled one, or
// on an error. fieldStart is where the field's text begins in the row.
int CsvReader::parseQuoted(int position, int fieldStart, int fieldLine)
{
    const char *data = m_buffer.constData();
    const int end = m_buffer.size();
    const int column = int(m_fieldEnds.size());
    while (true) {
        const auto *quote = static_cast<const char *>(std::memchr(data + position, '"', end - position));
        const int stop = quote ? int(quote - data) : end;
        m_row.append(data + position, stop - position);
        m_parsedLines += lineEnds(data, position, stop);
        // A quote left open swallows the rest of the table, which would then be blamed for
        // whatever it lacks; the field size limits how far it gets.
        if (int(m_row.size()) - fieldStart > GtfsLimits::fieldSize || (!quote && m_atEnd))
            return fail(Error::UnclosedQuote, fieldLine, column);
        if (!quote)
            return -1;
        position = stop + 1;
        if (position == end && !m_atEnd)
            return -1;
        if (position == end || data[position] != '"')
            return position;
        m_row.push_back('"');
        ++position;
    }
}

// Most rows hold no quote and end within the buffer: they are split where they stand and copied
// whole, separators and all. The position after the row's line end, or notPlain for a row that
// parseRow has to take apart: one with a quote, past the buffer or the bounds of GtfsLimits.
int CsvReader::parsePlainRow(int position)
{
    const char *data = m_buffer.constData();
    const int end = m_buffer.size();
    m_fieldEnds.clear();
    int fieldStart = position;
    for (int index = position; index < end; ++index) {
        const char byte = data[index];
        if (!plainBytes.stops[static_cast<unsigned char>(byte)])
            continue;
        if (byte == '"')
            return notPlain;
        if (index - fieldStart > GtfsLimits::fieldSize || int(m_fieldEnds.size()) == GtfsLimits::rowFields)
            return notPlain;
        m_fieldEnds.push_back(index - position);
        fieldStart = index + 1;
        if (byte == ',')
            continue;
        // A CR at the end of the buffer may have its LF in the next part.
        if (byte == '\r' && index + 1 == end && !m_atEnd)
            return notPlain;
        m_row.assign(data + position, size_t(index - position));
        m_parsedLines = 1;
        return byte == '\r' && index + 1 < end && data[index + 1] == '\n' ? index + 2 : index + 1;
    }
    return notPlain;
}

// Parses the row that starts at position into m_row and m_fieldEnds, counting its line ends in
// m_parsedLines; the position after its line end, or -1 when the buffer ends before the row does
// or on an error.
int CsvReader::parseRow(int position)
{
    m_row.clear();
    m_fieldEnds.clear();
    m_parsedLines = 0;
    const char *data = m_buffer.constData();
    const int end = m_buffer.size();
    while (true) {
        const int column = int(m_fieldEnds.size());
        const int fieldLine = m_nextLine + m_parsedLines;
        if (column == GtfsLimits::rowFields)
            return fail(Error::ManyFields, fieldLine, column);
        const int fieldStart = int(m_row.size());
        if (position < end && data[position] == '"') {
            position = parseQuoted(position + 1, fieldStart, fieldLine);
            if (position < 0)
                return -1;
            // A quote left open takes in lines up to the next quote, after which the field goes
            // on where it should have ended.
            if (fieldLine != m_nextLine + m_parsedLines && position < end && !endsField(data[position]))
                return fail(Error::UnclosedQuote, fieldLine, column);
        }
        // Text after a closing quote, or a quote inside an unquoted field, is kept as it stands.
        const int start = position;
        while (position < end && !endsField(data[position]))
            ++position;
        m_row.append(data + start, position - start);
        if (int(m_row.size()) - fieldStart > GtfsLimits::fieldSize)
            return fail(Error::LongField, fieldLine, column);
        if (position == end && !m_atEnd)
            return -1;
        m_fieldEnds.push_back(int(m_row.size()));
        m_row.push_back(',');
        if (position == end)
            return end;
        const char separator = data[position++];
        if (separator == ',')
            continue;
        ++m_parsedLines;
        if (separator == '\r') {
            if (position == end && !m_atEnd)
                return -1;
            if (position < end && data[position] == '\n')
                ++position;
        }
        return position;
    }
}
