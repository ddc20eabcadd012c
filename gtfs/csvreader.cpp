#include "csvreader.h"

#include <QIODevice>

#include <cstring>

namespace {

// Large enough that a refill, which moves the unfinished row to the front, costs little.
const int chunkSize = 64 * 1024;

bool endsField(char byte)
{
    return byte == ',' || byte == '\n' || byte == '\r';
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
    m_buffer.resize(kept + chunkSize);
    const qint64 count = m_source(m_buffer.data() + kept, chunkSize);
    m_buffer.resize(kept + int(qMax(count, qint64(0))));
    m_error = count < 0;
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
    const int start = column == 0 ? 0 : m_fieldEnds[column - 1];
    return QByteArray(m_row.data() + start, m_fieldEnds[column] - start);
}

bool CsvReader::readRow()
{
    while (true) {
        if (m_position == m_buffer.size()) {
            if (!fillBuffer())
                return false;
            continue;
        }
        const char first = m_buffer.at(m_position);
        if (first == '\n' || first == '\r') {
            ++m_position;
            continue;
        }
        const int next = parseRow(m_position);
        if (next >= 0) {
            m_position = next;
            return true;
        }
        // The row goes on past the buffer: read more and parse it again from its start.
        fillBuffer();
    }
}

// The position after the quoted part of a field that starts at position, its text appended to
// the row; -1 when the buffer ends before the closing quote can be told from a doubled one.
int CsvReader::parseQuoted(int position)
{
    const char *data = m_buffer.constData();
    const int end = m_buffer.size();
    while (true) {
        const auto *quote = static_cast<const char *>(std::memchr(data + position, '"', end - position));
        if (!quote) {
            if (!m_atEnd)
                return -1;
            // An unclosed quote at the end of the input keeps the rest as its text.
            m_row.append(data + position, end - position);
            return end;
        }
        m_row.append(data + position, quote - data - position);
        position = int(quote - data) + 1;
        if (position == end && !m_atEnd)
            return -1;
        if (position == end || data[position] != '"')
            return position;
        m_row.push_back('"');
        ++position;
    }
}

// Parses the row that starts at position into m_row and m_fieldEnds; the position after its line
// end, or -1 when the buffer ends before the row does.
int CsvReader::parseRow(int position)
{
    m_row.clear();
    m_fieldEnds.clear();
    const char *data = m_buffer.constData();
    const int end = m_buffer.size();
    while (true) {
        if (position < end && data[position] == '"') {
            position = parseQuoted(position + 1);
            if (position < 0)
                return -1;
        }
        // Text after a closing quote, or a quote inside an unquoted field, is kept as it stands.
        const int start = position;
        while (position < end && !endsField(data[position]))
            ++position;
        m_row.append(data + start, position - start);
        if (position == end && !m_atEnd)
            return -1;
        m_fieldEnds.push_back(int(m_row.size()));
        if (position == end)
            return end;
        const char separator = data[position++];
        if (separator == ',')
            continue;
        if (separator == '\r') {
            if (position == end && !m_atEnd)
                return -1;
            if (position < end && data[position] == '\n')
                ++position;
        }
        return position;
    }
}
