// All lines of a feed at once, each into a folder of its own, with the feed read once.

#include "gtfsdepot.h"

#include "gtfsfeed.h"
#include "gtfsline.h"
#include "gtfsstops.h"
#include "gtfstrips.h"
#include "routedata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

// Longer names are cut: a path of the unit's file system holds 255 bytes at most, and a name
// in Cyrillic takes two bytes a letter.
const int folderNameLength = 100;

// A name Windows keeps for a device, whatever follows a dot: "CON", "com1.txt".
bool isDeviceName(const QString &name)
{
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

QString safeFolderName(const QString &name)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    for (const QChar character : name.left(folderNameLength))
        safe += character.unicode() < 0x20 || character.unicode() == 0x7f || refused.contains(character)
            ? QChar(QLatin1Char('_'))
            : character;
    // Windows drops trailing dots and blanks, which would make "12." the folder "12".
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    safe = safe.trimmed();
    if (safe.isEmpty() || isDeviceName(safe))
        safe += QLatin1Char('_');
    return safe;
}

// The lines that have a stop pattern, in natural order of their names; a line with trips but
// no stop times is noted and left out.
QList<GtfsRouteSummary> linesToImport(const QList<GtfsRouteSummary> &routes, const QList<GtfsPatterns> &patterns,
                                      QStringList &notes)
{
    QList<GtfsRouteSummary> lines;
    for (int index = 0; index < routes.size(); ++index) {
        const GtfsRouteSummary &route = routes.at(index);
        if (!patterns.at(index).isEmpty())
            lines.append(route);
        else if (route.trips[0] + route.trips[1] > 0)
            notes.append(QCoreApplication::translate("GtfsImport",
                                                     "The trips of route %1 have no stop times: it is "
                                                     "left out")
                             .arg(gtfsRouteName(route)));
    }
    sortGtfsRoutes(lines);
    return lines;
}

// Anything of a name the import would write, a dangling link included.
QStringList clashes(const QString &depot, const QStringList &names)
{
    QStringList found;
    for (const QString &name : names) {
        const QFileInfo info(QDir(depot).filePath(name));
        if (info.exists() || info.isSymLink())
            found.append(name);
    }
    return found;
}

// What a feed holds for a depot: its lines in natural order of their names, their stop patterns
// by route_id, the stops they serve, and the language of its texts.
struct DepotLines
{
    QList<GtfsRouteSummary> lines;
    QHash<QString, GtfsPatterns> patterns;
    QHash<QByteArray, GtfsStop> stops;
    QString language;
};

// Reads every table once for all lines; result gets the notes on the feed and the rows read.
bool readDepotLines(const QString &feedPath, const GtfsImportOptions &options, DepotLines &depot,
                    GtfsDepotImport &result, const GtfsDepotProgressHandler &progress)
{
    GtfsFeed feed;
    QList<GtfsRouteSummary> routes;
    QList<GtfsPatterns> patterns;
    const auto rowsRead = [&](qint64 rows) {
        result.rowsRead = rows;
        if (progress)
            progress({rows, 0, 0});
    };
    if (!openGtfsFeed(feedPath, options.language, feed, depot.language, result.error)
        || !readGtfsRouteTable(feed, routes, result.error)
        || !readGtfsRoutePatterns(feed, routes, options, patterns, result.error, rowsRead))
        return false;
    QStringList leftOut;
    depot.lines = linesToImport(routes, patterns, leftOut);
    if (depot.lines.isEmpty()) {
        result.error = QCoreApplication::translate("GtfsImport", "The feed has no route with trips");
        return false;
    }
    QList<QByteArray> stopIds;
    for (int index = 0; index < routes.size(); ++index) {
        depot.patterns.insert(routes.at(index).id, patterns.at(index));
        for (const QList<QByteArray> &direction : patterns.at(index))
            stopIds += direction;
    }
    if (!readGtfsStops(feed, stopIds, options.secondLanguage, depot.stops, result.error))
        return false;
    result.notes = feed.warnings() + leftOut;
    const QString languageNote = gtfsLanguageNote(depot.language);
    if (!languageNote.isEmpty())
        result.notes.append(languageNote);
    return true;
}

} // namespace

QStringList depotFolderNames(const QStringList &routeNames)
{
    QStringList names;
    QSet<QString> taken;
    for (const QString &routeName : routeNames) {
        const QString base = safeFolderName(routeName);
        QString name = base;
        for (int number = 2; taken.contains(name.toLower()); ++number)
            name = base + QLatin1Char('_') + QString::number(number);
        taken.insert(name.toLower());
        names.append(name);
    }
    return names;
}

GtfsImportResult importGtfsDepot(const QString &feedPath, const GtfsImportOptions &options, const QString &depot,
                                 GtfsDepotImport &result, const GtfsDepotProgressHandler &progress)
{
    DepotLines lines;
    if (!readDepotLines(feedPath, options, lines, result, progress))
        return GtfsImportResult::FeedRefused;
    QStringList lineNames;
    for (const GtfsRouteSummary &line : lines.lines)
        lineNames.append(gtfsRouteName(line));
    const QStringList names = depotFolderNames(lineNames);
    const QStringList taken = clashes(depot, names);
    if (!taken.isEmpty()) {
        result.error = QCoreApplication::translate("GtfsImport", "%1 already holds %2; nothing was written")
                           .arg(depot, taken.join(QLatin1String(", ")));
        return GtfsImportResult::NotWritten;
    }
    for (int index = 0; index < lines.lines.size(); ++index) {
        const GtfsRouteSummary &line = lines.lines.at(index);
        GtfsDepotRoute written{line.id, lineNames.at(index), QDir(depot).filePath(names.at(index)), {}};
        RouteData route;
        route.createNew(written.folder);
        fillGtfsRoute(route, lines.language, options, line, lines.patterns.value(line.id), lines.stops, written.notes);
        if (!QDir().mkpath(written.folder) || !route.save()) {
            result.error
                = QCoreApplication::translate("GtfsImport", "Cannot write the route files into %1").arg(written.folder);
            return GtfsImportResult::NotWritten;
        }
        result.routes.append(written);
        if (progress)
            progress({result.rowsRead, index + 1, int(lines.lines.size())});
    }
    return GtfsImportResult::Imported;
}
