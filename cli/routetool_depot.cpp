// The commands over the route folders of a depot: every line of a feed imported at once, two
// versions of a route compared, and a stop renamed in every route that serves it.

#include "routetool.h"

#include "folderargument.h"
#include "gtfsdepot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

// Progress goes to a terminal only, on a line that rewrites itself; scripts read stderr for the
// messages alone.
bool RouteTool::showsProgress() const
{
    const auto *file = qobject_cast<const QFile *>(&m_err);
    return file && isatty(file->handle());
}

void RouteTool::showDepotProgress(const GtfsDepotProgress &progress)
{
    QString text = tr("%1 stop times read").arg(progress.rowsRead);
    if (progress.routeCount > 0)
        text += tr(", %1 of %2 routes written").arg(progress.routesWritten).arg(progress.routeCount);
    // "\033[K" clears what a longer line before left.
    m_err.write((QLatin1Char('\r') + text + QLatin1String("\033[K")).toUtf8());
}

// Every folder is finished as a single import finishes its folder, with editor.ini and the
// counts of the check; the routes written before a folder that failed are finished too.
int RouteTool::importDepot(const QString &feed, const GtfsImportOptions &options, const QString &depot)
{
    GtfsDepotImport result;
    GtfsDepotProgressHandler progress;
    if (showsProgress())
        progress = [this](const GtfsDepotProgress &step) { showDepotProgress(step); };
    const GtfsImportResult imported = importGtfsDepot(feed, options, routePath(depot), result, progress);
    if (progress)
        m_err.write("\r\033[K");
    if (imported == GtfsImportResult::FeedRefused)
        return refuse(result.error + QLatin1Char('.'));
    QByteArray text;
    for (const QString &note : result.notes)
        text += (depot + QLatin1String(": ") + note + QLatin1Char('\n')).toUtf8();
    for (const GtfsDepotRoute &route : result.routes) {
        const QString folder = depot + QLatin1Char('/') + QFileInfo(route.folder).fileName();
        for (const QString &note : route.notes)
            text += (folder + QLatin1String(": ") + note + QLatin1Char('\n')).toUtf8();
        text += importCheckCounts(folder, finishImport(route.folder));
    }
    if (!result.routes.isEmpty())
        text += tr("%1: %n route(s) imported, %2 stop times read", nullptr, result.routes.size())
                    .arg(depot)
                    .arg(result.rowsRead)
                    .toUtf8()
            + '\n';
    m_out.write(text);
    if (imported == GtfsImportResult::NotWritten)
        return fail(result.error + QLatin1Char('.'));
    return Success;
}
