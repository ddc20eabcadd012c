#include "checkreport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>

#include <algorithm>

namespace {

// The problems of one code over the folders of a check run.
struct CodeCount
{
    RouteProblem::Severity severity = RouteProblem::Error;
    QString code;
    int problems = 0;
    int folders = 0;
    // The folder last counted, so that each counts once.
    int lastFolder = -1;
};

// Errors first, then warnings and information, each in the order of their codes.
QList<CodeCount> countCodes(const QList<FolderCheck> &checks)
{
    QMap<QPair<int, QString>, CodeCount> counts;
    for (int folder = 0; folder < checks.size(); ++folder) {
        for (const RouteProblem &problem : checks.at(folder).problems) {
            CodeCount &count = counts[{problem.severity, problem.code}];
            count.severity = problem.severity;
            count.code = problem.code;
            ++count.problems;
            if (count.lastFolder != folder) {
                ++count.folders;
                count.lastFolder = folder;
            }
        }
    }
    return counts.values();
}

QJsonObject folderJson(const FolderCheck &check)
{
    if (!check.error.isEmpty())
        return {{QStringLiteral("folder"), check.folder}, {QStringLiteral("error"), check.error}};
    return checkReportJson(check.folder, check.problems);
}

QJsonObject summaryJson(const QList<FolderCheck> &checks)
{
    QJsonArray summary;
    for (const CodeCount &count : countCodes(checks)) {
        summary.append(QJsonObject{{QStringLiteral("severity"), severityName(count.severity)},
                                   {QStringLiteral("code"), count.code},
                                   {QStringLiteral("problems"), count.problems},
                                   {QStringLiteral("folders"), count.folders}});
    }
    QJsonArray unreadable;
    for (const FolderCheck &check : checks) {
        if (!check.error.isEmpty())
            unreadable.append(check.folder);
    }
    return {{QStringLiteral("summary"), summary}, {QStringLiteral("unreadable"), unreadable}};
}

} // namespace

QByteArray checkReportText(const QString &folder, const QList<RouteProblem> &problems)
{
    QByteArray text;
    for (const RouteProblem &problem : problems) {
        QString line = folder + QLatin1String(": ") + severityName(problem.severity) + QLatin1Char(' ') + problem.code
            + QLatin1Char(' ') + problem.file;
        if (problem.station >= 0)
            line += QCoreApplication::translate("RouteTool", ", stop %1").arg(problem.station + 1);
        if (problem.language >= 0)
            line += QCoreApplication::translate("RouteTool", ", language %1").arg(problem.language + 1);
        text += (line + QLatin1String(": ") + problem.message + QLatin1Char('\n')).toUtf8();
    }
    if (problems.isEmpty())
        text += (folder + QLatin1String(": ") + QCoreApplication::translate("RouteTool", "no problems")
                 + QLatin1Char('\n'))
                    .toUtf8();
    return text;
}

QJsonObject checkReportJson(const QString &folder, const QList<RouteProblem> &problems)
{
    QJsonArray list;
    QJsonObject counts{{QStringLiteral("error"), 0}, {QStringLiteral("warning"), 0}, {QStringLiteral("info"), 0}};
    for (const RouteProblem &problem : problems) {
        const QString severity = severityName(problem.severity);
        counts[severity] = counts[severity].toInt() + 1;
        list.append(QJsonObject{
            {QStringLiteral("severity"), severity},
            {QStringLiteral("code"), problem.code},
            {QStringLiteral("file"), problem.file},
            {QStringLiteral("stop"), problem.station >= 0 ? QJsonValue(problem.station + 1) : QJsonValue()},
            {QStringLiteral("language"), problem.language >= 0 ? QJsonValue(problem.language + 1) : QJsonValue()},
            {QStringLiteral("message"), problem.message},
        });
    }
    return {{QStringLiteral("folder"), folder}, {QStringLiteral("problems"), list}, {QStringLiteral("counts"), counts}};
}

QByteArray checkSummaryText(const QList<FolderCheck> &checks)
{
    const int read = int(
        std::count_if(checks.begin(), checks.end(), [](const FolderCheck &check) { return check.error.isEmpty(); }));
    const QList<CodeCount> counts = countCodes(checks);
    QString text;
    for (const CodeCount &count : counts) {
        text += QCoreApplication::translate("RouteTool", "%1 %2: %3 in %4 of %5 folders")
                    .arg(severityName(count.severity), count.code)
                    .arg(count.problems)
                    .arg(count.folders)
                    .arg(read)
            + QLatin1Char('\n');
    }
    if (counts.isEmpty())
        text = QCoreApplication::translate("RouteTool", "no problems") + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray checkReportDocument(const QList<FolderCheck> &checks, bool summary, const QDateTime &checkedAt)
{
    QJsonObject report;
    if (summary) {
        report = summaryJson(checks);
    } else if (checks.size() == 1) {
        report = folderJson(checks.first());
    } else {
        QJsonArray folders;
        for (const FolderCheck &check : checks)
            folders.append(folderJson(check));
        report.insert(QStringLiteral("folders"), folders);
    }
    report.insert(QStringLiteral("checkedAt"), checkedAt.toUTC().toString(Qt::ISODate));
    report.insert(QStringLiteral("version"), QCoreApplication::applicationVersion());
    return QJsonDocument(report).toJson();
}
