#pragma once

#include "fixturefiles.h"

#include <QStringList>
#include <QTemporaryDir>

// Route folders for the tests of the route page, written into temporary folders.
namespace TestRoutes {

// A copy of the bundled example route in dir: two languages, a return direction, files.
inline QString copyExample(const QTemporaryDir &dir)
{
    const QString target = dir.filePath(QStringLiteral("route-12"));
    return FixtureFiles::copyFolder(QStringLiteral(EXAMPLES_DIR "/route-12"), target) ? target : QString();
}

// A route folder "route" in dir whose ost.txt lists stops (each the text after the stop
// number: "name\\next", optionally followed by "\r\n  " and a second-language or file line),
// with the return direction starting at stop back (none when negative), and a script.txt
// with the announcement words "Остановка" and "Следующая остановка".
inline QString writeRoute(const QTemporaryDir &dir, const QStringList &stops, int back = -1)
{
    const QString folder = dir.filePath(QStringLiteral("route"));
    QByteArray list = "\xEF\xBB\xBF"
                      "12\\\\A\\\\B\\\\F11;R4;#080400;\r\n";
    for (int index = 0; index < stops.size(); ++index)
        list += QByteArray::number(index + 1) + (index == back ? " STOP " : " ") + stops.at(index).toUtf8() + "\r\n";
    list += QByteArray::number(stops.size() + 1) + " END\r\n";
    const QByteArray script = " WORD_ST:\"Остановка\" WORD_NEXT_ST:\"Следующая остановка\"\r\n";
    const bool written = FixtureFiles::writeFile(folder + QLatin1String("/ost.txt"), list)
        && FixtureFiles::writeFile(folder + QLatin1String("/script.txt"), script);
    return written ? folder : QString();
}

} // namespace TestRoutes
