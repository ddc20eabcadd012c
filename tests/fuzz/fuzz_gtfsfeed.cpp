// A GTFS feed as the fuzzer makes it, its tables stored or packed in a zip archive: listing its
// routes and importing them never crashes, a refused feed always says why, and an imported route
// keeps within the limits of GtfsLimits.

#include "gtfsimport.h"
#include "routedata.h"
#include "routefuzz.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// The first few routes are enough: each one reads the same tables.
const int routesImported = 3;

void checkRoute(const GtfsRouteSummary &summary, const QString &feedPath, const QString &folder)
{
    GtfsImportOptions options;
    options.route = summary.shortName.isEmpty() ? summary.id : summary.shortName;
    options.cleanNames = true;
    RouteData route;
    QStringList notes;
    QString error;
    if (!importGtfsRoute(feedPath, options, folder, route, notes, error)) {
        if (error.isEmpty())
            RouteFuzz::fail(QStringLiteral("the import of route %1 failed without a message").arg(options.route));
        return;
    }
    if (route.stationCount() == 0 || route.stationCount() > 2 * options.maxStops)
        RouteFuzz::fail(QStringLiteral("route %1 has %2 stops").arg(options.route).arg(route.stationCount()));
    for (int index = 0; index < route.stationCount(); ++index) {
        if (route.stationAt(index)->sideName[0].size() > GtfsLimits::nameLength)
            RouteFuzz::fail(QStringLiteral("stop %1 of route %2 has a longer name than a name may be")
                                .arg(index + 1)
                                .arg(options.route));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QFile file(feedPath);
    const QByteArray input = fuzzInput(data, size);
    if (!file.open(QIODevice::WriteOnly) || file.write(input) != input.size() || !file.flush())
        RouteFuzz::fail(QStringLiteral("cannot write ") + feedPath);
    file.close();
    QList<GtfsRouteSummary> routes;
    QString error;
    if (!listGtfsRoutes(feedPath, routes, error, GtfsRouteFilter::All)) {
        if (error.isEmpty())
            RouteFuzz::fail(QStringLiteral("the list of routes failed without a message"));
        return 0;
    }
    for (const GtfsRouteSummary &summary : routes.mid(0, routesImported))
        checkRoute(summary, feedPath, dir.filePath(QStringLiteral("route")));
    return 0;
}
