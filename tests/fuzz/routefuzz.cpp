#include "routefuzz.h"

#include "routecheck.h"
#include "routedata.h"
#include "routediff.h"
#include "stationlistfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace RouteFuzz {

namespace {

using Snapshot = std::map<QString, QByteArray>;

// A route with a return direction, both languages, files and a next-stop text on each stop,
// so that the side board, script and coordinates files have stops to address.
const char baseStationList[] = "\xEF\xBB\xBF"
                               "12\\\\Вокзал\\\\Парк_S_C\\\\R4;#ff0000,00ff00;\r\n"
                               "  Station\\\\Park\r\n"
                               "1 Остановка Вокзал.\\\\Следующая Рынок.\r\n"
                               "  Station.\\\\Next Market.\r\n"
                               "  01.wav, \"a b.txt\"\r\n"
                               "2 Остановка Рынок.\\\\Следующая Парк.\r\n"
                               "  .wav\r\n"
                               "3 STOP Остановка Парк.\\\\Следующая Вокзал.\r\n"
                               "  03.mp3\r\n"
                               "4 Остановка Вокзал.\r\n"
                               "  04.wav\r\n"
                               "5 END\r\n";

QString parentFolder()
{
    static QTemporaryDir root;
    if (!root.isValid())
        fail(QStringLiteral("no temporary folder"));
    return root.filePath(QStringLiteral("parent"));
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        fail(QStringLiteral("cannot write ") + path);
}

void prepareFolder(const QString &parent, const QByteArray &input, const QString &inputPath)
{
    QDir(parent).removeRecursively();
    if (!QDir().mkpath(parent + QLatin1String("/route")) || !QDir().mkpath(parent + QLatin1String("/Reklama")))
        fail(QStringLiteral("cannot create ") + parent);
    writeFile(parent + QLatin1String("/route/ost.txt"), baseStationList);
    writeFile(parent + QLatin1Char('/') + inputPath, input);
}

Snapshot snapshot(const QString &parent)
{
    Snapshot files;
    QDirIterator it(parent, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read ") + file.fileName());
        files[file.fileName()] = file.readAll();
    }
    return files;
}

// A hostile script.txt must not lead the save out of the folders the route lives in.
void checkAdFolderInside(const RouteData &route, const QString &parent)
{
    const QString adFolder = QDir::cleanPath(route.adFolder());
    if (adFolder != parent && !adFolder.startsWith(parent + QLatin1Char('/')))
        fail(QStringLiteral("advertising folder outside the parent folder: ") + route.adFolder());
}

QString printable(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toPercentEncoding(" "));
}

// Names the first line in which the two saves differ.
void failOnDifference(const QString &path, const QByteArray &first, const QByteArray &second)
{
    const QList<QByteArray> firstLines = first.split('\n');
    const QList<QByteArray> secondLines = second.split('\n');
    int line = 0;
    while (line < firstLines.size() && line < secondLines.size() && firstLines.at(line) == secondLines.at(line))
        ++line;
    fail(QStringLiteral("the second save changed line %1 of %2\nfirst:  %3\nsecond: %4")
             .arg(QString::number(line + 1), path, printable(firstLines.value(line)),
                  printable(secondLines.value(line))));
}

void compare(const Snapshot &first, const Snapshot &second)
{
    for (const auto &[path, content] : first) {
        const auto other = second.find(path);
        if (other == second.end())
            fail(QStringLiteral("the second save removed ") + path);
        if (other->second != content)
            failOnDifference(path, content, other->second);
    }
    if (second.size() != first.size())
        fail(QStringLiteral("the second save wrote a file the first did not write"));
}

// The board and stop files separate fields by two backslashes and split at the first pair, so
// a text that ends in a backslash and is followed by a separator gives its backslash to the
// next field.
bool endsInBackslash(const QString &text)
{
    return text.endsWith(QLatin1Char('\\'));
}

// The reader takes a trailing "_" and one byte of the first-language starting point or
// destination as a mode letter, so a text that ends that way loses its end.
bool endsLikeModeSuffix(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return bytes.size() >= 2 && bytes.at(bytes.size() - 2) == '_';
}

bool headerUnwritable(const QString &number, const TextPair &start, const TextPair &destination, int mode)
{
    return endsInBackslash(number) || endsInBackslash(start[0]) || (mode == 0 && endsInBackslash(destination[0]))
        || (endsInBackslash(start[1]) && !destination[1].isEmpty()) || endsLikeModeSuffix(start[0])
        || endsLikeModeSuffix(destination[0]);
}

bool boardTextsUnwritable(const RouteData &route)
{
    const TextPair front{route.frontStartingPoint(0), route.frontStartingPoint(1)};
    const TextPair frontDestination{route.frontDestination(0), route.frontDestination(1)};
    const TextPair side{route.sideStartingPoint(0), route.sideStartingPoint(1)};
    const TextPair sideDestination{route.sideDestination(0), route.sideDestination(1)};
    const TextPair back{route.backStartingPoint(0), route.backStartingPoint(1)};
    const TextPair backDestination{route.backDestination(0), route.backDestination(1)};
    return headerUnwritable(route.frontNumber(), front, frontDestination, route.frontMode())
        || headerUnwritable(route.sideNumber(), side, sideDestination, route.sideMode())
        || headerUnwritable(route.backNumber(), back, backDestination, route.backMode());
}

// A stop line whose name begins with "END" ends the list, and one that begins with "STOP"
// marks the return direction; the writer does not escape either.
bool nameIsKeyword(const RouteData &route, int index)
{
    const QString name = route.stationAt(index)->name[0];
    return name.startsWith(QLatin1String("END"))
        || (name.startsWith(QLatin1String("STOP")) && index != route.backStationIndex());
}

// An indented line under a stop is a files line as soon as it names one sound or text file,
// so a second-language text that holds a file name comes back as a file.
bool secondNameLooksLikeFiles(const Station &station)
{
    if (station.name[1].isEmpty())
        return false;
    QByteArray line = "  " + station.name[1].toUtf8();
    if (!station.nextName[1].isEmpty())
        line += "\\\\" + station.nextName[1].toUtf8();
    Station files;
    return parseFileList(line, files) > 0;
}

bool stationTextsUnwritable(const RouteData &route)
{
    for (int index = 0; index < route.stationCount(); ++index) {
        const Station &station = *route.stationAt(index);
        if (nameIsKeyword(route, index) || secondNameLooksLikeFiles(station))
            return true;
        for (int language = 0; language < 2; ++language) {
            if (endsInBackslash(station.name[language]) && !station.nextName[language].isEmpty())
                return true;
        }
    }
    return false;
}

// script.txt writes texts in double quotes and escapes a double quote inside with a backslash,
// but not a backslash itself: a text that ends in a backslash escapes its closing quote. The
// order is quoted only when it holds a blank or a double quote.
bool scriptTextsUnwritable(const RouteData &route)
{
    const QByteArray order = route.salonTabloOrder();
    if ((order.contains(' ') || order.contains('"')) && order.endsWith('\\'))
        return true;
    QStringList texts{route.salonTimeText()};
    for (int language = 0; language < 2; ++language) {
        texts << route.routeText(language) << route.outsideTempText(language) << route.salonTempText(language)
              << route.stationWord(language) << route.nextWord(language);
    }
    return std::any_of(texts.cbegin(), texts.cend(), endsInBackslash);
}

// rscript.txt is written without a byte order mark and read with one accepted, so a first
// name that begins with the mark's character loses it.
bool adListUnwritable(const RouteData &route)
{
    return route.adTextFiles().value(0).startsWith(QChar(QChar::ByteOrderMark));
}

QString describe(const QList<RouteChange> &changes)
{
    QStringList lines;
    for (const RouteChange &change : changes)
        lines.append(QStringLiteral("%1 %2 (stop %3): \"%4\" -> \"%5\"")
                         .arg(change.kind, change.field)
                         .arg(change.oldStop)
                         .arg(printable(change.oldValue.toUtf8()), printable(change.newValue.toUtf8())));
    return lines.join(QLatin1Char('\n'));
}

// The route check and the route read back agree on what a save keeps: where the check finds no
// loss, the route read back is the route saved, and where it finds one, it is not.
void checkLosses(const RouteData &saved, const RouteData &read)
{
    const QList<RouteProblem> losses = checkSavedTexts(saved, saved.looksAlternating());
    const bool same = sameRoute(saved, read);
    if (losses.isEmpty() && !same)
        fail(QStringLiteral("the check finds no loss, yet the route reads back changed:\n")
             + describe(diffRoutes(saved, read)));
    if (!losses.isEmpty() && same)
        fail(QStringLiteral("the route reads back the same, yet the check reports: ") + losses.first().message);
}

} // namespace

void fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    std::abort();
}

void checkRoundTrip(const QByteArray &input, const QString &inputPath)
{
    const QString parent = parentFolder();
    const QString routeFolder = parent + QLatin1String("/route");
    prepareFolder(parent, input, inputPath);
    RouteData first;
    if (!first.load(routeFolder))
        fail(QStringLiteral("the route does not load"));
    checkAdFolderInside(first, parent);
    // A save may fail on a hostile folder (an advertising folder named after a file); then
    // there is nothing to compare.
    if (!first.save())
        return;
    const Snapshot saved = snapshot(parent);
    RouteData second;
    if (!second.load(routeFolder))
        fail(QStringLiteral("the saved route does not load"));
    checkLosses(first, second);
    if (hasUnwritableContent(first))
        return;
    if (!second.save())
        fail(QStringLiteral("the saved route does not save"));
    compare(saved, snapshot(parent));
}

bool hasUnwritableContent(const RouteData &route)
{
    return boardTextsUnwritable(route) || stationTextsUnwritable(route) || scriptTextsUnwritable(route)
        || adListUnwritable(route);
}

} // namespace RouteFuzz
