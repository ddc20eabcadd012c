#include "linereader.h"

LineReader::LineReader(const QByteArray &content)
    : m_content(content)
{
    if (m_content.startsWith("\xEF\xBB\xBF"))
        m_position = 3;
}

int LineReader::lineEnd() const
{
    const int newline = m_content.indexOf('\n', m_position);
    return newline < 0 ? m_content.size() : newline + 1;
}

bool LineReader::peekLine(QByteArray &line) const
{
    if (m_position >= m_content.size())
        return false;
    line = m_content.mid(m_position, lineEnd() - m_position);
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}

bool LineReader::readLine(QByteArray &line)
{
    if (!peekLine(line))
        return false;
    m_position = lineEnd();
    ++m_lineNumber;
    return true;
}
