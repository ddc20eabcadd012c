// Whether a board text fits is measured by drawing the board still, as the preview shows it,
// and asking whether a text was cut at the board's edge.

#include "boardcheck.h"

#include "boardfeed.h"
#include "boardheader.h"
#include "fronttablowidget.h"

#include <QCoreApplication>

namespace {

enum class Shown { Number, StartingPoint, Destination };

// Whether the still board cuts what it shows of language when only the texts of shown stand on
// it (all of them when shown is empty).
bool cut(FrontTabloWidget &preview, const BoardHeader &header, int language, std::initializer_list<Shown> shown)
{
    auto has = [&shown](Shown text) { return std::find(shown.begin(), shown.end(), text) != shown.end(); };
    preview.setNumber(has(Shown::Number) ? header.number : QString());
    for (int other = 0; other < 2; ++other) {
        preview.setStartingPoint(other, has(Shown::StartingPoint) ? header.startingPoint[other] : QString());
        preview.setDestination(other, has(Shown::Destination) ? header.destination[other] : QString());
    }
    preview.setFirstLanguage(language > 0);
    preview.frame(true);
    return preview.textClipped();
}

void checkBoard(const RouteData &route, OutsideBoard board, FrontTabloType type, QList<RouteProblem> &problems)
{
    const BoardHeader header = route.boardHeader(board);
    FrontTabloWidget preview;
    preview.setType(type);
    feedBoard(preview, route, board);
    preview.setMode(header.mode | RouteData::StaticMode);
    auto add = [&](int language, const QString &text, const char *what) {
        problems.append({RouteProblem::Warning, QStringLiteral("too-wide"),
                         RouteData::fileName(RouteData::boardFile(board)), -1, language,
                         QCoreApplication::translate("RouteCheck", what).arg(text)});
    };
    if (cut(preview, header, 0, {Shown::Number}))
        add(-1, header.number, QT_TRANSLATE_NOOP("RouteCheck", "Номер «%1» не помещается на табло."));
    for (int language = 0; language < 2; ++language) {
        if (header.startingPoint[language].isEmpty() && header.destination[language].isEmpty())
            continue;
        const bool start = cut(preview, header, language, {Shown::Number, Shown::StartingPoint});
        const bool destination = cut(preview, header, language, {Shown::Number, Shown::Destination});
        if (start)
            add(language, header.startingPoint[language],
                QT_TRANSLATE_NOOP("RouteCheck", "Пункт отправления «%1» не помещается на табло."));
        if (destination)
            add(language, header.destination[language],
                QT_TRANSLATE_NOOP("RouteCheck", "Пункт назначения «%1» не помещается на табло."));
        // On one line the two texts may not fit together though each fits alone.
        if (!start && !destination
            && cut(preview, header, language, {Shown::Number, Shown::StartingPoint, Shown::Destination}))
            add(language, header.startingPoint[language] + QLatin1String(" - ") + header.destination[language],
                QT_TRANSLATE_NOOP("RouteCheck", "Строка «%1» не помещается на табло."));
    }
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
