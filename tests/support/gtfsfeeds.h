#pragma once

#include "fixturefiles.h"

#include <QDir>
#include <QFile>
#include <QMap>

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
