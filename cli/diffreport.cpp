#include "diffreport.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("RouteTool", text);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Which stop a change concerns, in the numbers of both versions where they differ.
QString place(const RouteChange &change)
{
    const int oldNumber = change.oldStop + 1;
    const int newNumber = change.newStop + 1;
    if (change.kind == QLatin1String("stop-added"))
        return translated("stop %1 added").arg(newNumber);
    if (change.kind == QLatin1String("stop-removed"))
        return translated("stop %1 removed").arg(oldNumber);
    if (change.kind == QLatin1String("stop-moved"))
        return translated("stop %1 moved to %2").arg(oldNumber).arg(newNumber);
    if (change.oldStop < 0 || change.kind == QLatin1String("return-start"))
        return translated("route");
    if (oldNumber == newNumber)
        return translated("stop %1").arg(newNumber);
    return translated("stop %1 → %2").arg(oldNumber).arg(newNumber);
}

// What changed, as the editor and the route files name it.
QString label(const RouteChange &change)
{
    static const QHash<QString, const char *> labels{
        {QStringLiteral("stop-text"), QT_TRANSLATE_NOOP("RouteTool", "stop text")},
        {QStringLiteral("next-stop-text"), QT_TRANSLATE_NOOP("RouteTool", "next-stop text")},
        {QStringLiteral("side-name"), QT_TRANSLATE_NOOP("RouteTool", "side-board name")},
        {QStringLiteral("sound-attached"), QT_TRANSLATE_NOOP("RouteTool", "sound attached")},
        {QStringLiteral("sound-detached"), QT_TRANSLATE_NOOP("RouteTool", "sound detached")},
        {QStringLiteral("text-attached"), QT_TRANSLATE_NOOP("RouteTool", "text attached")},
        {QStringLiteral("text-detached"), QT_TRANSLATE_NOOP("RouteTool", "text detached")},
        {QStringLiteral("position-set"), QT_TRANSLATE_NOOP("RouteTool", "position set")},
        {QStringLiteral("position-removed"), QT_TRANSLATE_NOOP("RouteTool", "position removed")},
        {QStringLiteral("radius"), QT_TRANSLATE_NOOP("RouteTool", "radius")},
        {QStringLiteral("ad-attached"), QT_TRANSLATE_NOOP("RouteTool", "advertising text attached")},
        {QStringLiteral("ad-detached"), QT_TRANSLATE_NOOP("RouteTool", "advertising text detached")},
        {QStringLiteral("ad-order"), QT_TRANSLATE_NOOP("RouteTool", "advertising order")},
        {QStringLiteral("layout"), QT_TRANSLATE_NOOP("RouteTool", "next-stop layout")},
        {QStringLiteral("return-start"), QT_TRANSLATE_NOOP("RouteTool", "return direction starts at")},
        {QStringLiteral("languages"), QT_TRANSLATE_NOOP("RouteTool", "languages")},
    };
    QString text;
    if (change.kind == QLatin1String("board") || change.kind == QLatin1String("setting"))
        text = change.field;
    else if (change.kind == QLatin1String("file-order"))
        text = translated("%1 play order").arg(change.field);
    else if (change.kind == QLatin1String("position-moved"))
        text = translated("position moved %1 m").arg(qRound(change.metres));
    else
        text = translated(labels.value(change.kind, ""));
    if (change.language >= 0)
        text += translated(", language %1").arg(change.language + 1);
    return text;
}

// "stop 7 "…"", or "none" for a route without a return direction.
QString returnStart(int index, const QString &text)
{
    return index >= 0 ? translated("stop %1 %2").arg(index + 1).arg(quoted(text)) : translated("none");
}

QString values(const RouteChange &change)
{
    if (change.kind == QLatin1String("return-start"))
        return returnStart(change.oldStop, change.oldValue) + QStringLiteral(" → ")
            + returnStart(change.newStop, change.newValue);
    if (change.kind.endsWith(QLatin1String("-attached")))
        return change.newValue;
    if (change.kind.endsWith(QLatin1String("-detached")))
        return change.oldValue;
    return quoted(change.oldValue) + QStringLiteral(" → ") + quoted(change.newValue);
}

bool isStopChange(const RouteChange &change)
{
    return change.kind == QLatin1String("stop-added") || change.kind == QLatin1String("stop-removed")
        || change.kind == QLatin1String("stop-moved");
}

QJsonValue number(int index)
{
    return index >= 0 ? QJsonValue(index + 1) : QJsonValue();
}

} // namespace

QByteArray diffReportText(const QList<RouteChange> &changes)
{
    QByteArray text;
    for (const RouteChange &change : changes) {
        const QString what = isStopChange(change) ? quoted(change.newStop >= 0 ? change.newValue : change.oldValue)
                                                  : label(change) + QLatin1String(": ") + values(change);
        const QString line = place(change) + QLatin1String(": ") + what;
        text += (line + QLatin1Char('\n')).toUtf8();
    }
    return text;
}

QByteArray diffReportJson(const QString &oldFolder, const QString &newFolder, const QList<RouteChange> &changes)
{
    QJsonArray list;
    for (const RouteChange &change : changes) {
        QJsonObject item{{QStringLiteral("kind"), change.kind},
                         {QStringLiteral("oldStop"), number(change.oldStop)},
                         {QStringLiteral("newStop"), number(change.newStop)},
                         {QStringLiteral("language"), number(change.language)},
                         {QStringLiteral("old"), change.oldValue},
                         {QStringLiteral("new"), change.newValue}};
        if (!change.field.isEmpty())
            item.insert(QStringLiteral("field"), change.field);
        if (change.metres >= 0)
            item.insert(QStringLiteral("metres"), qRound(change.metres * 10) / 10.0);
        list.append(item);
    }
    const QJsonObject report{{QStringLiteral("old"), oldFolder},
                             {QStringLiteral("new"), newFolder},
                             {QStringLiteral("equal"), changes.isEmpty()},
                             {QStringLiteral("changes"), list}};
    return QJsonDocument(report).toJson();
}
