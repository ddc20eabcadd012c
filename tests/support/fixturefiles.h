#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <map>

// File access for tests that work on whole route folders: every function reports whether it
// succeeded, so that a missing file fails the test instead of comparing as empty.
namespace FixtureFiles {

// The fixture at relative under the fixtures folder of the tests.
inline QString fixture(const QString &relative)
{
    return QStringLiteral(FIXTURES_DIR "/") + relative;
}

inline bool readFile(const QString &path, QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    content = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Writes content to path, creating the folders on the way.
inline bool writeFile(const QString &path, const QByteArray &content)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The files below folder, as sorted paths relative to it.
inline QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// Every file below folder with its content, by relative path; a file that cannot be read is
// said so and compares as empty.
using Files = std::map<QString, QByteArray>;
inline Files filesOf(const QString &folder)
{
    Files files;
    for (const QString &file : filesBelow(folder)) {
        if (!readFile(folder + QLatin1Char('/') + file, files[file]))
            qWarning("cannot read %s", qPrintable(file));
    }
    return files;
}

// Copies every file below from to the same place below to.
inline bool copyFolder(const QString &from, const QString &to)
{
    if (!QFileInfo(from).isDir())
        return false;
    for (const QString &file : filesBelow(from)) {
        QByteArray content;
        if (!readFile(from + QLatin1Char('/') + file, content) || !writeFile(to + QLatin1Char('/') + file, content))
            return false;
    }
    return true;
}

} // namespace FixtureFiles
