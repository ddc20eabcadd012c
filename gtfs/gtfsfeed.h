#pragma once

#include "textrules.h"

#include <QByteArray>
#include <QMultiHash>
#include <QString>
#include <QStringList>

struct zip;

// A GTFS feed: a zip archive of comma-separated tables, read in place without extracting it.
// The tables are looked for at the top of the archive and in one folder, as feeds zipped
// together with their folder keep them.
class GtfsFeed
{
public:
    GtfsFeed() = default;
    ~GtfsFeed();
    GtfsFeed(const GtfsFeed &) = delete;
    GtfsFeed &operator=(const GtfsFeed &) = delete;

    // Opens the archive at path; false with error set when it is missing or no zip archive, or
    // names a file outside its folder.
    bool open(const QString &path, QString &error);
    // True when the archive holds the table fileName ("stops.txt").
    bool hasFile(const char *fileName) const;
    // The language of the feed's texts (an IETF tag such as "ru" or "en-US"), which tells how a
    // table that is not UTF-8 is read: Windows-1251 for the languages of the former Soviet
    // Union written in Cyrillic, Windows-1252 for any other.
    void setLanguage(const QString &language);
    // What reading the tables found worth telling the user, one line each.
    QStringList warnings() const { return m_warnings; }

private:
    friend class GtfsTable;

    bool indexTables(QString &error);
    // The archive index of the table fileName; -1 with error set when the feed has none, or
    // more than one.
    qint64 tableIndex(const char *fileName, QString &error) const;
    QString memberName(qint64 index) const;

    zip *m_archive = nullptr;
    // Archive indexes by table name; a name met twice stays twice, to be refused when read.
    QMultiHash<QByteArray, qint64> m_tables;
    CodePage m_legacyCodePage = CodePage::Windows1252;
    QStringList m_warnings;
};
