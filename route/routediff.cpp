// Two versions of a route compared: the stops paired as a line diff pairs lines, then every
// value that differs named as the route files and the editor name it.

#include "routediff.h"

#include "boardheader.h"
#include "coordinatetext.h"
#include "routedata.h"
#include "scriptfile.h"
#include "textrules.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Two middles of more entries than this, between what the versions share at either end, are
// paired in order instead of searched for what they share: 2,000 stops against 2,000 take 16 MB.
const qint64 maxCells = 4 * 1000 * 1000;

using SameStop = std::function<bool(const Station &, const Station &)>;

// Entries of the two versions, from and up to (not including) their ends.
struct Range
{
    int oldBegin;
    int oldEnd;
    int newBegin;
    int newEnd;
};

// Which entry of the other version each entry is paired with, -1 for none; and which new entries
// moved to another place in the list.
struct Pairing
{
    std::vector<int> newOf;
    std::vector<int> oldOf;
    std::vector<bool> moved;

    Pairing(int oldCount, int newCount)
        : newOf(size_t(oldCount), -1)
        , oldOf(size_t(newCount), -1)
        , moved(size_t(newCount), false)
    {
    }

    void pair(int oldIndex, int newIndex)
    {
        newOf[size_t(oldIndex)] = newIndex;
        oldOf[size_t(newIndex)] = oldIndex;
    }
};

bool sameText(const Station &before, const Station &after)
{
    return before.name[0] == after.name[0];
}

// A stop renamed keeps what ties it to its place: its position, its files or its text in the
// other language.
bool sameStop(const Station &before, const Station &after)
{
    return (before.coordinate.isValid() && before.coordinate == after.coordinate)
        || (!before.soundFiles.isEmpty() && before.soundFiles == after.soundFiles)
        || (!before.textFiles.isEmpty() && before.textFiles == after.textFiles)
        || (!before.name[1].isEmpty() && before.name[1] == after.name[1]);
}

// Pairs the longest sequence of entries in range that same finds alike in both versions, in
// order: the ends that agree first, then the middle.
void pairCommon(const RouteData &before, const RouteData &after, Range range, const SameStop &same, Pairing &pairing)
{
    const auto alike
        = [&](int oldIndex, int newIndex) { return same(*before.stationAt(oldIndex), *after.stationAt(newIndex)); };
    while (range.oldBegin < range.oldEnd && range.newBegin < range.newEnd && alike(range.oldBegin, range.newBegin))
        pairing.pair(range.oldBegin++, range.newBegin++);
    while (range.oldBegin < range.oldEnd && range.newBegin < range.newEnd && alike(range.oldEnd - 1, range.newEnd - 1))
        pairing.pair(--range.oldEnd, --range.newEnd);
    const int rows = range.oldEnd - range.oldBegin;
    const int columns = range.newEnd - range.newBegin;
    if (rows == 0 || columns == 0 || qint64(rows) * columns > maxCells)
        return;
    // The length of the longest common sequence of the old entries from row on and the new ones
    // from column on.
    std::vector<int> lengths(size_t(rows + 1) * size_t(columns + 1), 0);
    const auto length
        = [&](int row, int column) -> int & { return lengths[size_t(row) * size_t(columns + 1) + size_t(column)]; };
    for (int row = rows - 1; row >= 0; --row) {
        for (int column = columns - 1; column >= 0; --column)
            length(row, column) = alike(range.oldBegin + row, range.newBegin + column)
                ? length(row + 1, column + 1) + 1
                : qMax(length(row + 1, column), length(row, column + 1));
    }
    for (int row = 0, column = 0; row < rows && column < columns;) {
        if (alike(range.oldBegin + row, range.newBegin + column))
            pairing.pair(range.oldBegin + row++, range.newBegin + column++);
        else if (length(row + 1, column) >= length(row, column + 1))
            ++row;
        else
            ++column;
    }
}

// The runs of entries left unpaired within range, between the pairs made in it in order.
QList<Range> unpairedRuns(const Pairing &pairing, const Range &range)
{
    QList<Range> runs;
    int oldIndex = range.oldBegin;
    int newIndex = range.newBegin;
    while (oldIndex < range.oldEnd || newIndex < range.newEnd) {
        Range run{oldIndex, oldIndex, newIndex, newIndex};
        while (run.oldEnd < range.oldEnd && pairing.newOf[size_t(run.oldEnd)] < 0)
            ++run.oldEnd;
        while (run.newEnd < range.newEnd && pairing.oldOf[size_t(run.newEnd)] < 0)
            ++run.newEnd;
        if (run.oldEnd > run.oldBegin || run.newEnd > run.newBegin)
            runs.append(run);
        oldIndex = run.oldEnd + 1;
        newIndex = run.newEnd + 1;
    }
    return runs;
}

// Stops alike by their text first. Between those, stops renamed are found by what ties them to
// their place, and the rest are paired in order where as many went as came, as a line diff shows
// changed lines. A stop text that left one place and came at another is a stop moved.
Pairing pairStops(const RouteData &before, const RouteData &after)
{
    Pairing pairing(before.stationCount(), after.stationCount());
    const Range whole{0, before.stationCount(), 0, after.stationCount()};
    pairCommon(before, after, whole, sameText, pairing);
    for (const Range &run : unpairedRuns(pairing, whole)) {
        pairCommon(before, after, run, sameStop, pairing);
        for (const Range &rest : unpairedRuns(pairing, run)) {
            if (rest.oldEnd - rest.oldBegin != rest.newEnd - rest.newBegin)
                continue;
            for (int offset = 0; rest.oldBegin + offset < rest.oldEnd; ++offset)
                pairing.pair(rest.oldBegin + offset, rest.newBegin + offset);
        }
    }
    for (int oldIndex = 0; oldIndex < before.stationCount(); ++oldIndex) {
        for (int newIndex = 0; pairing.newOf[size_t(oldIndex)] < 0 && newIndex < after.stationCount(); ++newIndex) {
            if (pairing.oldOf[size_t(newIndex)] < 0
                && sameText(*before.stationAt(oldIndex), *after.stationAt(newIndex))) {
                pairing.pair(oldIndex, newIndex);
                pairing.moved[size_t(newIndex)] = true;
            }
        }
    }
    return pairing;
}

QString modeLetters(int mode)
{
    return QString::fromLatin1(modeSuffix(mode)).remove(QLatin1Char('_'));
}

// The font item of the board files: a "0" for each line in font 0.
QString fontDigits(int font)
{
    return QLatin1String(font & 1 ? "0" : "1") + QLatin1String(font & 2 ? "0" : "1");
}

QString colorText(int color)
{
    return QLatin1Char('#') + QString::fromLatin1(formatHexColor(color));
}

QString numberText(int number)
{
    return QString::number(number);
}

// Collects the changes, each only where the values differ.
class Differ
{
public:
    Differ(const RouteData &before, const RouteData &after)
        : m_before(before)
        , m_after(after)
    {
    }

    QList<RouteChange> changes() const { return m_changes; }

    void value(const QString &kind, const QString &field, const QString &oldValue, const QString &newValue,
               int language = -1)
    {
        if (oldValue != newValue)
            add({kind, m_oldStop, m_newStop, language, field, oldValue, newValue, -1});
    }

    void add(const RouteChange &change) { m_changes.append(change); }

    void routeWide()
    {
        value(QStringLiteral("languages"), QString(), numberText(m_before.hasSecondLanguage() ? 2 : 1),
              numberText(m_after.hasSecondLanguage() ? 2 : 1));
        const auto layout
            = [](const RouteData &route) { return QLatin1String(route.looksAlternating() ? "separate" : "on-stops"); };
        value(QStringLiteral("layout"), QString(), layout(m_before), layout(m_after));
        for (OutsideBoard board : {OutsideBoard::Front, OutsideBoard::Side, OutsideBoard::Back})
            boardHeader(board);
        script();
        fileList(QStringLiteral("ad"), m_before.adTextFiles(), m_after.adTextFiles());
    }

    // The stop the return direction starts at, where it is not the same stop as before.
    void returnStart(const Pairing &pairing)
    {
        const int oldStart = m_before.hasReturnDirection() ? m_before.backStationIndex() : -1;
        const int newStart = m_after.hasReturnDirection() ? m_after.backStationIndex() : -1;
        if (oldStart < 0 ? newStart < 0 : pairing.newOf[size_t(oldStart)] == newStart && newStart >= 0)
            return;
        const auto text = [](const RouteData &route, int index) {
            return index >= 0 ? route.stationAt(index)->name[0] : QString();
        };
        add({QStringLiteral("return-start"), oldStart, newStart, -1, QString(), text(m_before, oldStart),
             text(m_after, newStart), -1});
    }

    void stops(const Pairing &pairing)
    {
        int oldIndex = 0;
        int newIndex = 0;
        while (oldIndex < m_before.stationCount() || newIndex < m_after.stationCount()) {
            const int partner = oldIndex < m_before.stationCount() ? pairing.newOf[size_t(oldIndex)] : -2;
            if (partner == -1) {
                stopAlone(QStringLiteral("stop-removed"), oldIndex++, -1);
            } else if (partner >= 0 && pairing.moved[size_t(partner)]) {
                ++oldIndex;
            } else if (newIndex < m_after.stationCount() && pairing.oldOf[size_t(newIndex)] < 0) {
                stopAlone(QStringLiteral("stop-added"), -1, newIndex++);
            } else if (newIndex < m_after.stationCount() && pairing.moved[size_t(newIndex)]) {
                stopAlone(QStringLiteral("stop-moved"), pairing.oldOf[size_t(newIndex)], newIndex);
                stopPair(pairing.oldOf[size_t(newIndex)], newIndex);
                ++newIndex;
            } else {
                stopPair(oldIndex++, newIndex++);
            }
        }
    }

private:
    void boardHeader(OutsideBoard board)
    {
        static const char *const names[] = {"front", "side", "back"};
        const BoardHeader before = m_before.boardHeader(board);
        const BoardHeader after = m_after.boardHeader(board);
        const QString name = QLatin1String(names[int(board)]) + QLatin1Char(' ');
        const QString kind = QStringLiteral("board");
        value(kind, name + QLatin1String("number"), before.number, after.number);
        for (int language = 0; language < 2; ++language) {
            value(kind, name + QLatin1String("starting point"), before.startingPoint[language],
                  after.startingPoint[language], language);
            value(kind, name + QLatin1String("destination"), before.destination[language], after.destination[language],
                  language);
        }
        value(kind, name + QLatin1String("mode"), modeLetters(before.mode), modeLetters(after.mode));
        value(kind, name + QLatin1String("font"), fontDigits(before.font), fontDigits(after.font));
        value(kind, name + QLatin1String("name time"), numberText(before.nameTimeout), numberText(after.nameTimeout));
        value(kind, name + QLatin1String("number colour"), colorText(before.numberColor), colorText(after.numberColor));
        value(kind, name + QLatin1String("starting point colour"), colorText(before.startColor),
              colorText(after.startColor));
        value(kind, name + QLatin1String("destination colour"), colorText(before.destColor),
              colorText(after.destColor));
        if (board != OutsideBoard::Side)
            return;
        value(kind, name + QLatin1String("stop count"), numberText(before.stationCount),
              numberText(after.stationCount));
        value(kind, name + QLatin1String("S value"), numberText(before.sValue), numberText(after.sValue));
        value(kind, name + QLatin1String("separator"), before.separator, after.separator);
    }

    // The settings by their keys in script.txt, and the next-stop delay of coord.txt.
    void script()
    {
        const struct
        {
            const char *key;
            QString (RouteData::*text)(int) const;
        } pairs[] = {
            {"MARSH", &RouteData::routeText},       {"TEMP_OUT", &RouteData::outsideTempText},
            {"TEMP_IN", &RouteData::salonTempText}, {"WORD_ST", &RouteData::stationWord},
            {"WORD_NEXT_ST", &RouteData::nextWord},
        };
        const QString kind = QStringLiteral("setting");
        for (const auto &pair : pairs) {
            for (int language = 0; language < 2; ++language)
                value(kind, QLatin1String(pair.key) + QLatin1String(language == 1 ? "2" : ""),
                      (m_before.*pair.text)(language), (m_after.*pair.text)(language), language);
        }
        value(kind, QStringLiteral("SALON_TIME"), m_before.salonTimeText(), m_after.salonTimeText());
        value(kind, QStringLiteral("BT"), QString::fromUtf8(m_before.salonTabloOrder()),
              QString::fromUtf8(m_after.salonTabloOrder()));
        value(kind, QStringLiteral("PATH_REKLAMA"), m_before.relativeAdFolder(), m_after.relativeAdFolder());
        const auto sofits = [](const RouteData &route) {
            const char letters[]
                = {sofitColorLetter(route.leftSofitColor()), sofitColorLetter(route.rightSofitColor())};
            return QString::fromLatin1(letters, 2);
        };
        value(kind, QStringLiteral("SM"), sofits(m_before), sofits(m_after));
        const auto br = [](const RouteData &route) -> QString {
            return numberText(route.brValues(0)) + numberText(route.brValues(1));
        };
        value(kind, QStringLiteral("BR"), br(m_before), br(m_after));
        value(kind, QStringLiteral("SALON_COLOR"), colorText(m_before.salonColor()), colorText(m_after.salonColor()));
        value(kind, QStringLiteral("CYCLE_PLAY"), QLatin1String(m_before.cyclePlay() ? "on" : "off"),
              QLatin1String(m_after.cyclePlay() ? "on" : "off"));
        value(kind, QStringLiteral("NEXTDELAY"), numberText(m_before.nextStationDelay()),
              numberText(m_after.nextStationDelay()));
    }

    // Files attached and detached, and a list that plays the same files in another order.
    void fileList(const QString &prefix, const QStringList &before, const QStringList &after,
                  const QString &orderKind = QString())
    {
        for (const QString &name : after) {
            if (!before.contains(name))
                value(prefix + QLatin1String("-attached"), QString(), QString(), name);
        }
        for (const QString &name : before) {
            if (!after.contains(name))
                value(prefix + QLatin1String("-detached"), QString(), name, QString());
        }
        QStringList kept = after;
        kept.erase(
            std::remove_if(kept.begin(), kept.end(), [&](const QString &name) { return !before.contains(name); }),
            kept.end());
        QStringList was = before;
        was.erase(std::remove_if(was.begin(), was.end(), [&](const QString &name) { return !after.contains(name); }),
                  was.end());
        if (kept != was)
            value(orderKind.isEmpty() ? prefix + QLatin1String("-order") : orderKind, prefix,
                  was.join(QLatin1String(", ")), kept.join(QLatin1String(", ")));
    }

    void stopAlone(const QString &kind, int oldIndex, int newIndex)
    {
        const Station *station = newIndex >= 0 ? m_after.stationAt(newIndex) : m_before.stationAt(oldIndex);
        add({kind, oldIndex, newIndex, -1, QString(), oldIndex >= 0 ? station->name[0] : QString(),
             newIndex >= 0 ? station->name[0] : QString(), -1});
    }

    void stopPair(int oldIndex, int newIndex)
    {
        m_oldStop = oldIndex;
        m_newStop = newIndex;
        const Station &before = *m_before.stationAt(oldIndex);
        const Station &after = *m_after.stationAt(newIndex);
        for (int language = 0; language < 2; ++language) {
            value(QStringLiteral("stop-text"), QString(), before.name[language], after.name[language], language);
            value(QStringLiteral("next-stop-text"), QString(), before.nextName[language], after.nextName[language],
                  language);
            value(QStringLiteral("side-name"), QString(), before.sideName[language], after.sideName[language],
                  language);
        }
        const QString order = QStringLiteral("file-order");
        fileList(QStringLiteral("sound"), before.soundFiles, after.soundFiles, order);
        fileList(QStringLiteral("text"), before.textFiles, after.textFiles, order);
        position(before, after);
        value(QStringLiteral("radius"), QString(), numberText(before.radius), numberText(after.radius));
        m_oldStop = -1;
        m_newStop = -1;
    }

    void position(const Station &before, const Station &after)
    {
        const bool was = before.coordinate.isValid();
        const bool is = after.coordinate.isValid();
        const QString oldText = formatCoordinate(before.coordinate);
        const QString newText = formatCoordinate(after.coordinate);
        if (oldText == newText)
            return;
        if (was && is)
            add({QStringLiteral("position-moved"), m_oldStop, m_newStop, -1, QString(), oldText, newText,
                 before.coordinate.distanceTo(after.coordinate)});
        else
            value(is ? QStringLiteral("position-set") : QStringLiteral("position-removed"), QString(), oldText,
                  newText);
    }

    const RouteData &m_before;
    const RouteData &m_after;
    // The stops of the pair being compared.
    int m_oldStop = -1;
    int m_newStop = -1;
    QList<RouteChange> m_changes;
};

} // namespace

QList<RouteChange> diffRoutes(const RouteData &before, const RouteData &after)
{
    Differ differ(before, after);
    const Pairing pairing = pairStops(before, after);
    differ.routeWide();
    differ.returnStart(pairing);
    differ.stops(pairing);
    return differ.changes();
}

bool sameRoute(const RouteData &before, const RouteData &after)
{
    const QList<RouteChange> changes = diffRoutes(before, after);
    static const QStringList listChanges{QStringLiteral("stop-added"), QStringLiteral("stop-removed"),
                                         QStringLiteral("stop-moved"), QStringLiteral("return-start")};
    return std::all_of(changes.cbegin(), changes.cend(), [](const RouteChange &change) {
        return !listChanges.contains(change.kind) && change.oldValue.trimmed() == change.newValue.trimmed();
    });
}
