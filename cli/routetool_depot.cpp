// The commands over the route folders of a depot: every line of a feed imported at once, two
// versions of a route compared, and a stop renamed in every route that serves it.

#include "routetool.h"

#include "diffreport.h"
#include "folderargument.h"
#include "gtfsdepot.h"
#include "routedata.h"
#include "routediff.h"
#include "stationrename.h"

#include <QCommandLineParser>
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

bool RouteTool::loadRoute(RouteData &route, const QString &folder)
{
    if (route.load(routePath(folder)))
        return true;
    fail(readError(route, folder));
    return false;
}

QList<QCommandLineOption> RouteTool::diffOptions()
{
    return {{QStringLiteral("json"),
             tr("Print the changes as JSON: each with its kind, the stop numbers in both "
                "versions, the language and the old and new values.")}};
}

int RouteTool::diff(const QCommandLineParser &parser)
{
    const QString oldFolder = folderArgument(parser.positionalArguments().at(0));
    const QString newFolder = folderArgument(parser.positionalArguments().at(1));
    RouteData before;
    RouteData after;
    if (!loadRoute(before, oldFolder) || !loadRoute(after, newFolder))
        return UsageError;
    const QList<RouteChange> changes = diffRoutes(before, after);
    m_out.write(parser.isSet(QStringLiteral("json")) ? diffReportJson(oldFolder, newFolder, changes)
                                                     : diffReportText(changes));
    return changes.isEmpty() ? Success : Failure;
}

QList<QCommandLineOption> RouteTool::renameStopOptions()
{
    return {
        {QStringLiteral("from"), tr("The stop's name in the first language, without the stop word."),
         QStringLiteral("OLD")},
        {QStringLiteral("to"), tr("Its new name."), QStringLiteral("NEW")},
        {QStringLiteral("from2"), tr("The same stop's name in the second language."), QStringLiteral("OLD")},
        {QStringLiteral("to2"), tr("Its new name in the second language."), QStringLiteral("NEW")},
        {QStringLiteral("dry-run"), tr("Print what would change, and write nothing.")},
    };
}

// Every folder is tried; the status is the worst: 2 when a route cannot be read, 1 when one
// cannot be written.
int RouteTool::renameStop(const QCommandLineParser &parser)
{
    const QString name = QStringLiteral("rename-stop");
    const TextPair from{parser.value(QStringLiteral("from")).trimmed(),
                        parser.value(QStringLiteral("from2")).trimmed()};
    const TextPair to{parser.value(QStringLiteral("to")).trimmed(), parser.value(QStringLiteral("to2")).trimmed()};
    if (from[0].isEmpty() || to[0].isEmpty())
        return usageError(tr("rename-stop expects --from OLD and --to NEW."), name);
    if (from[1].isEmpty() != to[1].isEmpty())
        return usageError(tr("rename-stop: give --from2 and --to2 together."), name);
    const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
    int status = Success;
    for (const QString &argument : parser.positionalArguments())
        status = qMax(status, renameStopIn(folderArgument(argument), from, to, dryRun));
    return status;
}

int RouteTool::renameStopIn(const QString &folder, const TextPair &from, const TextPair &to, bool dryRun)
{
    RouteData route;
    if (!loadRoute(route, folder))
        return UsageError;
    const bool separate = route.looksAlternating();
    const QList<StationTextEdit> edits = ::renameStop(route, from, to, separate);
    QByteArray text;
    bool sideNames = false;
    for (const StationTextEdit &edit : edits) {
        const bool nextText = edit.textNumber >= Station::NextName0 || route.isNextStopEntry(edit.station, separate);
        sideNames = sideNames || edit.textNumber >= Station::SideName0;
        const QString what = edit.textNumber >= Station::SideName0 ? tr("side-board name")
            : nextText                                             ? tr("next-stop text")
                                                                   : tr("stop text");
        text += tr("%1: stop %2, language %3: %4 \"%5\" → \"%6\"")
                    .arg(folder)
                    .arg(edit.station + 1)
                    .arg(edit.textNumber % 2 + 1)
                    .arg(what, edit.previous, edit.text)
                    .toUtf8()
            + '\n';
    }
    if (edits.isEmpty())
        text += tr("%1: no stop \"%2\"").arg(folder, from[0]).toUtf8() + '\n';
    else if (dryRun)
        text += tr("%1: %n text(s) would change; nothing was written", nullptr, edits.size()).arg(folder).toUtf8()
            + '\n';
    m_out.write(text);
    if (edits.isEmpty() || dryRun)
        return Success;
    if (!route.writeStationList() || (sideNames && !route.writeSideBoard()))
        return fail(tr("cannot write the route files of %1.").arg(folder));
    return Success;
}
