#include "gtfsfeed.h"

#include "routewords.h"

#include <QCoreApplication>
#include <QFile>

#include <zip.h>

#include <algorithm>

namespace {

QString archiveErrorText(int code)
{
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&zipError));
    zip_error_fini(&zipError);
    return text;
}

// Archives made on Windows may separate folders with backslashes.
QByteArrayList pathParts(const QByteArray &name)
{
    QByteArray path = name;
    return path.replace('\\', '/').split('/');
}

// A name that would lead out of the folder the archive is unpacked in, as "../x" or "/etc/x".
bool leavesFolder(const QByteArrayList &parts)
{
    return parts.first().isEmpty() || parts.contains("..");
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
    if (!m_archive) {
        error = QCoreApplication::translate("GtfsImport", "Cannot open the feed %1: %2")
                    .arg(path, archiveErrorText(code));
        return false;
    }
    setLanguage(QString());
    return indexTables(error);
}

QString GtfsFeed::memberName(qint64 index) const
{
    return QString::fromUtf8(zip_get_name(m_archive, zip_uint64_t(index), ZIP_FL_ENC_RAW));
}

// Nothing is unpacked, but a feed that names files outside its folder was made to harm, and is
// refused whole. Tables deeper than one folder are no part of the feed.
bool GtfsFeed::indexTables(QString &error)
{
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const QByteArray name = zip_get_name(m_archive, zip_uint64_t(index), ZIP_FL_ENC_RAW);
        const QByteArrayList parts = pathParts(name);
        if (leavesFolder(parts)) {
            error = QCoreApplication::translate("GtfsImport", "The feed names a file outside its folder: %1")
                        .arg(memberName(index));
            return false;
        }
        if (parts.size() <= 2 && !parts.last().isEmpty())
            m_tables.insert(parts.last(), index);
    }
    return true;
}

bool GtfsFeed::hasFile(const char *fileName) const
{
    return m_tables.contains(fileName);
}

qint64 GtfsFeed::tableIndex(const char *fileName, QString &error) const
{
    QList<qint64> indexes = m_tables.values(fileName);
    if (indexes.isEmpty()) {
        error = QCoreApplication::translate("GtfsImport", "The feed has no %1").arg(QString::fromLatin1(fileName));
        return -1;
    }
    if (indexes.size() > 1) {
        std::sort(indexes.begin(), indexes.end());
        error = QCoreApplication::translate("GtfsImport", "The feed holds %1 twice: %2 and %3")
                    .arg(QString::fromLatin1(fileName), memberName(indexes.at(0)), memberName(indexes.at(1)));
        return -1;
    }
    return indexes.first();
}

void GtfsFeed::setLanguage(const QString &language)
{
    static const QStringList cyrillic{QStringLiteral("ru"), QStringLiteral("uk"), QStringLiteral("kk"),
                                      QStringLiteral("tt")};
    m_legacyCodePage = cyrillic.contains(primaryLanguage(language)) ? CodePage::Windows1251 : CodePage::Windows1252;
}
