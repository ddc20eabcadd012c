#include "gtfsfeed.h"

#include <QCoreApplication>
#include <QFile>

#include <zip.h>

namespace {

QString archiveErrorText(int code)
{
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&zipError));
    zip_error_fini(&zipError);
    return text;
}

// Feeds zipped together with their folder keep the tables one level down; ZIP_FL_NODIR finds
// them there as well.
zip_int64_t fileIndex(zip *archive, const char *fileName)
{
    return zip_name_locate(archive, fileName, ZIP_FL_NODIR);
}

} // namespace

GtfsFeed::~GtfsFeed()
{
    // The archive is only read: discarding it skips the write-back that zip_close would try.
    if (m_archive)
        zip_discard(m_archive);
}

bool GtfsFeed::open(const QString &path, QString &error)
{
    int code = 0;
    m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!m_archive)
        error = QCoreApplication::translate("GtfsImport", "Cannot open the feed %1: %2")
                    .arg(path, archiveErrorText(code));
    return m_archive;
}

bool GtfsFeed::hasFile(const char *fileName) const
{
    return fileIndex(m_archive, fileName) >= 0;
}

GtfsTable::~GtfsTable()
{
    if (m_file)
        zip_fclose(m_file);
}

bool GtfsTable::open(GtfsFeed &feed, const char *fileName, QString &error)
{
    m_fileName = QString::fromLatin1(fileName);
    const zip_int64_t index = fileIndex(feed.m_archive, fileName);
    if (index < 0) {
        error = QCoreApplication::translate("GtfsImport", "The feed has no %1").arg(m_fileName);
        return false;
    }
    m_file = zip_fopen_index(feed.m_archive, zip_uint64_t(index), 0);
    if (!m_file) {
        error = QCoreApplication::translate("GtfsImport", "Cannot read %1 of the feed: %2")
                    .arg(m_fileName, QString::fromLocal8Bit(zip_strerror(feed.m_archive)));
        return false;
    }
    zip_file *file = m_file;
    m_reader = std::make_unique<CsvReader>(
        [file](char *data, qint64 maxSize) { return qint64(zip_fread(file, data, zip_uint64_t(maxSize))); });
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

bool GtfsTable::finish(QString &error) const
{
    if (!m_reader->hasError())
        return true;
    error = QCoreApplication::translate("GtfsImport", "Cannot read %1 of the feed: %2")
                .arg(m_fileName, QString::fromLocal8Bit(zip_file_strerror(m_file)));
    return false;
}
