#pragma once

#include "fixturefiles.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QtEndian>

#include <zip.h>

// GTFS feeds for the tests: the hand-made feed kept as plain tables under the fixtures, zipped
// at run time, so that no archive is kept in the sources.

using FeedFiles = QMap<QString, QByteArray>;

// The tables of the hand-made feed, by file name.
inline FeedFiles fixtureFeed()
{
    FeedFiles files;
    const QDir folder(FixtureFiles::fixture(QStringLiteral("gtfs/feed")));
    for (const QString &name : folder.entryList(QDir::Files)) {
        QByteArray content;
        if (FixtureFiles::readFile(folder.filePath(name), content))
            files.insert(name, content);
    }
    return files;
}

// Zips files into a new archive at path; the contents must live until the archive is closed.
inline bool writeFeed(const QString &path, const FeedFiles &files)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return false;
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        zip_source_t *source
            = zip_source_buffer(archive, file.value().constData(), zip_uint64_t(file.value().size()), 0);
        if (!source || zip_file_add(archive, file.key().toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

// Sets the size that the archive at path claims for member, in the central directory and in the
// member's own header, as a forged archive may.
inline bool claimSize(const QString &path, const QByteArray &member, quint32 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const auto field = [&bytes](int offset) { return reinterpret_cast<uchar *>(bytes.data() + offset); };
    for (int entry = bytes.indexOf("PK\x01\x02"); entry >= 0; entry = bytes.indexOf("PK\x01\x02", entry + 4)) {
        if (bytes.mid(entry + 46, qFromLittleEndian<quint16>(field(entry + 28))) != member)
            continue;
        qToLittleEndian(size, field(entry + 24));
        qToLittleEndian(size, field(int(qFromLittleEndian<quint32>(field(entry + 42))) + 22));
        return file.seek(0) && file.write(bytes) == bytes.size();
    }
    return false;
}

// A feed that the import has to refuse, made from the hand-made one, and the start of what it
// reports.
struct HostileFeed
{
    const char *name;
    bool (*write)(const QString &path);
    const char *message;
};

namespace HostileFeeds {

inline QByteArray repeated(const QByteArray &unit, int count)
{
    QByteArray bytes;
    for (int index = 0; index < count; ++index)
        bytes += unit;
    return bytes;
}

// The hand-made feed with text replaced in one of its tables.
inline bool replaced(const QString &path, const QString &table, const QByteArray &from, const QByteArray &to)
{
    FeedFiles files = fixtureFeed();
    if (!files.value(table).contains(from))
        return false;
    files[table].replace(from, to);
    return writeFeed(path, files);
}

inline bool appended(const QString &path, const QString &table, const QByteArray &rows)
{
    FeedFiles files = fixtureFeed();
    files[table] += rows;
    return writeFeed(path, files);
}

} // namespace HostileFeeds

inline const QList<HostileFeed> &hostileFeeds()
{
    using namespace HostileFeeds;
    static const QList<HostileFeed> feeds{
        {"repeated stop_sequence",
         [](const QString &path) {
             return appended(path, QStringLiteral("stop_times.txt"),
                             repeated("T12_X,06:09:00,06:09:00,SHK,10,0,0\n", 3));
         },
         "stop_times.txt, line 32: trip T12_X has stop_sequence 10 twice"},
        {"trip of more stops than a vehicle serves",
         [](const QString &path) {
             QByteArray rows;
             for (int sequence = 100; sequence < 1100; ++sequence)
                 rows += "T12_X,06:09:00,06:09:00,SHK," + QByteArray::number(sequence) + ",0,0\n";
             return appended(path, QStringLiteral("stop_times.txt"), rows);
         },
         "stop_times.txt, line 1029: trip T12_X has more than 1000 stops (see --max-stops)"},
        {"long stop name",
         [](const QString &path) {
             return replaced(path, QStringLiteral("stops.txt"), "Школа № 5", repeated("Школа ", 200));
         },
         "stops.txt, line 7, column stop_name: a name of more than 1000 characters"},
        {"long field",
         [](const QString &path) {
             return appended(path, QStringLiteral("stops.txt"), "Склад,SKL," + repeated("x", 20000) + ",,,0,,\n");
         },
         "stops.txt, line 11, column stop_desc: a field of more than 10000 bytes"},
        {"unclosed quote",
         [](const QString &path) {
             return replaced(path, QStringLiteral("stops.txt"), "\"Рынок, главный вход\"", "\"Рынок, главный вход");
         },
         "stops.txt, line 5, column stop_name: the quote that opens the field is not closed"},
        {"quote open to the end",
         [](const QString &path) { return replaced(path, QStringLiteral("stops.txt"), "Депо,DEPO", "\"Депо,DEPO"); },
         "stops.txt, line 10, column stop_name: the quote that opens the field is not closed"},
        {"row of many fields",
         [](const QString &path) { return appended(path, QStringLiteral("trips.txt"), repeated(",", 2000) + '\n'); },
         "trips.txt, line 9: a row of more than 1000 fields"},
        {"member claiming a huge size",
         [](const QString &path) {
             return writeFeed(path, fixtureFeed()) && claimSize(path, "stop_times.txt", 0xFFFFFFF0u);
         },
         "stop_times.txt claims to unpack to 4294967280 bytes, more than its"},
        {"path out of the folder",
         [](const QString &path) {
             FeedFiles files = fixtureFeed();
             files.insert(QStringLiteral("../x"), "x");
             return writeFeed(path, files);
         },
         "The feed names a file outside its folder: ../x"},
        {"tables deep in folders",
         [](const QString &path) {
             FeedFiles files;
             const FeedFiles tables = fixtureFeed();
             for (auto table = tables.cbegin(); table != tables.cend(); ++table)
                 files.insert(QString::fromLatin1(repeated("a/", 100)) + table.key(), table.value());
             return writeFeed(path, files);
         },
         "The feed has no routes.txt"},
        {"table twice",
         [](const QString &path) {
             FeedFiles files = fixtureFeed();
             files.insert(QStringLiteral("old/stops.txt"), files.value(QStringLiteral("stops.txt")));
             return writeFeed(path, files);
         },
         "The feed holds stops.txt twice: old/stops.txt and stops.txt"},
    };
    return feeds;
}
