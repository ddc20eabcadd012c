// Whether a board text fits is measured on the preview itself, animating as after a click: a
// text is cut when some of its columns never reach the board. The first frame of the animation
// tells, for it draws every still text whole and sets every running text going, and a running
// text loses columns only when it has no room to run. Each text is measured on its own line,
// the rest of the board as the route has it.

#include "boardcheck.h"

#include "boardfeed.h"
#include "boardheader.h"
#include "fronttablowidget.h"

#include <QCoreApplication>
#include <QHash>

#include <functional>

namespace {

using AddProblem
    = std::function<void(const char *code, int station, int language, const char *message, const QString &text)>;

// The first frame of the animation with language shown first.
void showFirstFrame(FrontTabloWidget &preview, int language)
{
    preview.setFirstLanguage(language > 0);
    if (preview.isAnimating())
        preview.refresh();
    else
        preview.startAnimation();
}

// Whether the board cuts a route text of language when it shows startingPoint and destination.
bool routeTextCut(FrontTabloWidget &preview, int language, const QString &startingPoint, const QString &destination)
{
    preview.setStartingPoint(language, startingPoint);
    preview.setDestination(language, destination);
    showFirstFrame(preview, language);
    return preview.routeTextCut(language);
}

void checkRouteTexts(FrontTabloWidget &preview, const BoardHeader &header, int language, const AddProblem &add)
{
    const QString &start = header.startingPoint[language];
    const QString &destination = header.destination[language];
    // In the only-destination modes the starting point stands in for a missing destination only.
    const bool startShown
        = !start.isEmpty() && (destination.isEmpty() || !(header.mode & RouteData::OnlyDestinationMode));
    const bool startCut = startShown && routeTextCut(preview, language, start, QString());
    const bool destinationCut = !destination.isEmpty() && routeTextCut(preview, language, QString(), destination);
    if (startCut)
        add("too-wide", -1, language, QT_TRANSLATE_NOOP("RouteCheck", "Пункт отправления «%1» не помещается на табло."),
            start);
    if (destinationCut)
        add("too-wide", -1, language, QT_TRANSLATE_NOOP("RouteCheck", "Пункт назначения «%1» не помещается на табло."),
            destination);
    // On one line the two texts may not fit together though each fits alone.
    if (startShown && !startCut && !destination.isEmpty() && !destinationCut
        && routeTextCut(preview, language, start, destination))
        add("too-wide", -1, language, QT_TRANSLATE_NOOP("RouteCheck", "Строка «%1» не помещается на табло."),
            start + QLatin1String(" - ") + destination);
    preview.setStartingPoint(language, start);
    preview.setDestination(language, destination);
}

// Every stop comes onto the side board's stop line as the vehicle goes; each name is measured
// there once, as the only stop of the list.
void checkStopNames(FrontTabloWidget &preview, const RouteData &route, const AddProblem &add)
{
    if (route.sideStationCount() <= 0)
        return;
    QHash<QString, bool> measured;
    preview.setStops(1, QStringList());
    for (int index = 0; index < route.stationCount(); ++index) {
        for (int language = 0; language < 2; ++language) {
            const QString &name = route.stationAt(index)->sideName[language];
            if (name.isEmpty())
                continue;
            auto cut = measured.constFind(name);
            if (cut == measured.constEnd()) {
                preview.setStops(0, {name});
                showFirstFrame(preview, 0);
                cut = measured.insert(name, preview.stopLineCut());
            }
            if (*cut)
                add("stop-name-too-wide", index, language,
                    QT_TRANSLATE_NOOP("RouteCheck", "Название остановки «%1» не помещается на боковом табло."), name);
        }
    }
}

void checkBoard(const RouteData &route, OutsideBoard board, FrontTabloType type, QList<RouteProblem> &problems)
{
    const BoardHeader header = route.boardHeader(board);
    const QString file = RouteData::fileName(RouteData::boardFile(board));
    const AddProblem add = [&](const char *code, int station, int language, const char *message, const QString &text) {
        problems.append({RouteProblem::Warning, QString::fromLatin1(code), file, station, language,
                         QCoreApplication::translate("RouteCheck", message).arg(text)});
    };
    FrontTabloWidget preview;
    preview.setType(type);
    feedBoard(preview, route, board);
    showFirstFrame(preview, 0);
    // A number that fills the board leaves no room for anything else: it alone is the problem.
    if (preview.numberCut()) {
        add("too-wide", -1, -1, QT_TRANSLATE_NOOP("RouteCheck", "Номер «%1» не помещается на табло."), header.number);
        return;
    }
    for (int language = 0; language < 2; ++language)
        checkRouteTexts(preview, header, language, add);
    if (board == OutsideBoard::Side)
        checkStopNames(preview, route, add);
}

} // namespace

QList<RouteProblem> checkRouteAndBoards(const RouteData &route, const EditorIni &types, bool alternating)
{
    QList<RouteProblem> problems = checkRoute(route, alternating);
    checkBoard(route, OutsideBoard::Front, types.front, problems);
    checkBoard(route, OutsideBoard::Side, types.side, problems);
    checkBoard(route, OutsideBoard::Back, types.back, problems);
    sortProblems(problems);
    return problems;
}
