#include "checkreport.h"

#include <QCoreApplication>
#include <QJsonArray>

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
