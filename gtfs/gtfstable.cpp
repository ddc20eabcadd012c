#include "gtfstable.h"

#include "gtfsfeed.h"
#include "gtfslimits.h"
#include "textrules.h"

#include <QCoreApplication>

#include <zip.h>

#include <limits>

GtfsTable::~GtfsTable()
{
    if (m_file)
        zip_fclose(m_file);
}

// Opens the table's member of the archive. The tables are streamed, so a false size costs nothing
// by itself; but the claim bounds how much is unpacked, and a claim beyond what the packed bytes
// can hold is a lie.
bool GtfsTable::openMember(QString &error)
{
    const zip_int64_t index = m_feed->tableIndex(m_fileName.toLatin1().constData(), error);
    zip_stat_t stat;
    if (index < 0 || zip_stat_index(m_feed->m_archive, zip_uint64_t(index), 0, &stat) < 0)
        return false;
    m_claimedSize = qint64(qMin(stat.size, zip_uint64_t(std::numeric_limits<qint64>::max())));
    const bool stored = stat.comp_method == ZIP_CM_STORE;
    const bool deflated = stat.comp_method == ZIP_CM_DEFLATE;
    if ((stored && stat.size != stat.comp_size)
        || (deflated && stat.size / GtfsLimits::deflateRatio > stat.comp_size)) {
        error = QCoreApplication::translate("GtfsImport",
                                            "%1 claims to unpack to %2 bytes, more than its %3 packed bytes can hold")
                    .arg(m_fileName)
                    .arg(stat.size)
                    .arg(stat.comp_size);
        return false;
    }
    m_file = zip_fopen_index(m_feed->m_archive, zip_uint64_t(index), 0);
    if (!m_file) {
        error = QCoreApplication::translate("GtfsImport", "Cannot read %1 of the feed: %2")
                    .arg(m_fileName, QString::fromLocal8Bit(zip_strerror(m_feed->m_archive)));
        return false;
    }
    return true;
}

bool GtfsTable::open(GtfsFeed &feed, const char *fileName, QString &error)
{
    m_feed = &feed;
    m_fileName = QString::fromLatin1(fileName);
    if (!openMember(error))
        return false;
    m_reader = std::make_unique<CsvReader>([this](char *data, qint64 maxSize) {
        const zip_int64_t count = zip_fread(m_file, data, zip_uint64_t(maxSize));
        m_readSize += qMax(count, zip_int64_t(0));
        // A table that unpacks to more than it claims may go on for ever.
        return m_readSize > m_claimedSize ? qint64(-1) : qint64(count);
    });
    // An empty table reads as one without columns, which the column check then names.
    m_reader->readHeader();
    return finish(error);
}

bool GtfsTable::findColumns(std::initializer_list<std::pair<const char *, int *>> columns, QString &error) const
{
    for (const auto &[name, number] : columns) {
        *number = column(name);
        if (*number < 0) {
            error = QCoreApplication::translate("GtfsImport", "%1 has no column %2")
                        .arg(m_fileName, QString::fromLatin1(name));
            return false;
        }
    }
    return true;
}

QString GtfsTable::text(int column)
{
    const QByteArray bytes = field(column);
    if (!m_legacyEncoding) {
        if (isUtf8(bytes))
            return QString::fromUtf8(bytes).trimmed();
        m_legacyEncoding = true;
        // A table read twice, as stops.txt is for parent stations, is told of once.
        const QString warning
            = QCoreApplication::translate("GtfsImport", "%1 is not UTF-8 from line %2 on: it is read as %3")
                  .arg(m_fileName)
                  .arg(m_reader->line())
                  .arg(codePageName(m_feed->m_legacyCodePage));
        if (!m_feed->m_warnings.contains(warning))
            m_feed->m_warnings.append(warning);
    }
    return decodeCodePage(bytes, m_feed->m_legacyCodePage).trimmed();
}

bool GtfsTable::name(int column, QString &name)
{
    name = text(column);
    return name.size() <= GtfsLimits::nameLength
        || fail(QCoreApplication::translate("GtfsImport", "a name of more than %1 characters")
                    .arg(GtfsLimits::nameLength),
                column);
}

bool GtfsTable::fail(const QString &message, int column)
{
    m_error = located(m_reader->line(), column, message);
    return false;
}

// "stops.txt, line 4, column stop_name: message", the column's number where the header has no
// name.
QString GtfsTable::located(int line, int column, const QString &message) const
{
    QString text = QCoreApplication::translate("GtfsImport", "%1, line %2").arg(m_fileName).arg(line);
    if (column >= 0) {
        const QByteArray name = m_reader->columnName(column);
        text += QCoreApplication::translate("GtfsImport", ", column %1")
                    .arg(name.isEmpty() ? QString::number(column + 1) : QString::fromUtf8(name));
    }
    return text + QLatin1String(": ") + message;
}

QString GtfsTable::readerError() const
{
    const int line = m_reader->errorLine();
    const int column = m_reader->errorColumn();
    switch (m_reader->error()) {
    case CsvReader::Error::None:
        return QString();
    case CsvReader::Error::Source:
        if (m_readSize > m_claimedSize)
            return QCoreApplication::translate("GtfsImport", "%1 unpacks to more than the %2 bytes it claims")
                .arg(m_fileName)
                .arg(m_claimedSize);
        return QCoreApplication::translate("GtfsImport", "Cannot read %1 of the feed: %2")
            .arg(m_fileName, QString::fromLocal8Bit(zip_file_strerror(m_file)));
    case CsvReader::Error::UnclosedQuote:
        return located(line, column,
                       QCoreApplication::translate("GtfsImport", "the quote that opens the field is not closed"));
    case CsvReader::Error::LongField:
        return located(
            line, column,
            QCoreApplication::translate("GtfsImport", "a field of more than %1 bytes").arg(GtfsLimits::fieldSize));
    case CsvReader::Error::ManyFields:
        return located(
            line, -1,
            QCoreApplication::translate("GtfsImport", "a row of more than %1 fields").arg(GtfsLimits::rowFields));
    }
    return QString();
}

bool GtfsTable::finish(QString &error) const
{
    const QString failure = m_error.isEmpty() ? readerError() : m_error;
    if (failure.isEmpty())
        return true;
    error = failure;
    return false;
}
