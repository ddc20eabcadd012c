// Renaming a stop and what follows from it, the same in the editor and on the command line.

#include "stationrename.h"

#include "routedata.h"

namespace {

// Side-board names made from a stop text with the word "Остановка" and a full stop, by hand or by
// an import, mostly leave the full stop out.
QString withoutFullStop(const QString &name)
{
    return name.endsWith(QLatin1Char('.')) ? name.chopped(1).trimmed() : name;
}

// The side-board name that follows a renamed stop text, or a null text when the side-board name
// was not made from the old stop text: with the full stop of the stop text, or without it.
QString followingSideName(const RouteData &route, int language, const QString &sideName, const QString &old,
                          const QString &text)
{
    const QString oldSide = route.strippedName(language, old);
    if (sideName == oldSide)
        return route.strippedName(language, text);
    if (sideName == withoutFullStop(oldSide))
        return withoutFullStop(route.strippedName(language, text));
    return QString();
}

void addEdit(QList<StationTextEdit> &edits, int station, int textNumber, const QString &text, const QString &previous)
{
    if (!text.isNull() && text != previous)
        edits.append({station, textNumber, text, previous});
}

} // namespace

QList<StationTextEdit> stationRenameEdits(const RouteData &route, int index, int language, const QString &text,
                                          bool separate)
{
    const Station *station = route.stationAt(index);
    const QString old = station->name[language];
    QList<StationTextEdit> edits;
    addEdit(edits, index, Station::Name0 + language, text, old);
    const QString &side = station->sideName[language];
    addEdit(edits, index, Station::SideName0 + language, followingSideName(route, language, side, old, text), side);
    if (index > 0 && index != route.backStationIndex()) {
        const Station *before = route.stationAt(index - 1);
        const int textNumber = (separate ? Station::Name0 : Station::NextName0) + language;
        const QString &announced = separate ? before->name[language] : before->nextName[language];
        if (announced == route.toNextText(language, old))
            addEdit(edits, index - 1, textNumber, route.toNextText(language, text), announced);
    }
    return edits;
}

QString announcedStopName(const RouteData &route, int language, const QString &text)
{
    return withoutFullStop(route.strippedName(language, text));
}

QList<StationTextEdit> renameStop(RouteData &route, const TextPair &from, const TextPair &to, bool separate)
{
    QList<StationTextEdit> made;
    for (int index = 0; index < route.stationCount(); ++index) {
        if (route.isNextStopEntry(index, separate)
            || announcedStopName(route, 0, route.stationAt(index)->name[0]) != withoutFullStop(from[0].trimmed()))
            continue;
        for (int language = 0; language < 2; ++language) {
            const QString name = withoutFullStop(from[language].trimmed());
            const QString text = route.stationAt(index)->name[language];
            if (name.isEmpty() || announcedStopName(route, language, text) != name)
                continue;
            // The name stands after the stop word, and the rest of the text stays around it.
            const int word = text.startsWith(route.stationWord(language)) ? route.stationWord(language).size() : 0;
            const int position = text.indexOf(name, word);
            if (position < 0)
                continue;
            const QString renamed = text.left(position) + to[language].trimmed() + text.mid(position + name.size());
            for (const StationTextEdit &edit : stationRenameEdits(route, index, language, renamed, separate)) {
                route.stationAt(edit.station)->text(edit.textNumber) = edit.text;
                made.append(edit);
            }
        }
    }
    return made;
}
