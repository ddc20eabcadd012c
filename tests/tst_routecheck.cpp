#include "boardcheck.h"
#include "fixturefiles.h"
#include "testroutes.h"

#include <QDir>
#include <QTextCodec>
#include <QtTest>

#include <functional>

using namespace FixtureFiles;
using namespace TestRoutes;

// The route check on a clean copy of the example route, and on copies with one problem
// planted in their files or in the route in memory.
class TestRouteCheck : public QObject
{
    Q_OBJECT

private slots:
    void plantedProblem_data();
    void plantedProblem();
    void boardTexts_data();
    void boardTexts();
};

namespace {

using Prepare = std::function<bool(const QString &folder)>;
using Edit = std::function<void(RouteData &route)>;

struct Planted
{
    const char *name;
    Prepare prepare;
    Edit edit;
    // The code expected with its stop (-1: none); no code for the clean route.
    const char *code;
    int station;
};

bool replaceInFile(const QString &path, const QByteArray &from, const QByteArray &to)
{
    QByteArray content;
    return readFile(path, content) && content.contains(from) && writeFile(path, content.replace(from, to));
}

Station &stop(RouteData &route, int index)
{
    return *route.stationAt(index);
}

const QList<Planted> &plantedProblems()
{
    static const QList<Planted> planted = {
        {"clean route", {}, {}, nullptr, -1},
        {"missing file",
         [](const QString &f) { return QFile::remove(f + QStringLiteral("/rynok.txt")); },
         {},
         "missing-file",
         2},
        {"name that ends the list",
         {},
         [](RouteData &r) { stop(r, 3).name[0] = QStringLiteral("ENDE"); },
         "reserved-name",
         3},
        {"field separator",
         {},
         [](RouteData &r) { stop(r, 1).name[0] = QStringLiteral("Улица\\\\Гагарина"); },
         "separator-in-text",
         1},
        {"script text ending in a backslash",
         {},
         [](RouteData &r) { r.setRouteText(0, QStringLiteral("Маршрут\\")); },
         "trailing-backslash",
         -1},
        {"mode letter at the end",
         {},
         [](RouteData &r) { r.setFrontDestination(0, QStringLiteral("Вокзал_N")); },
         "mode-suffix-in-text",
         -1},
        {"file name as a translation",
         {},
         [](RouteData &r) { stop(r, 0).name[1] = QStringLiteral("Hear 01.wav here"); },
         "file-like-text",
         0},
        {"next-stop text without stop text", {}, [](RouteData &r) { stop(r, 4).name[1].clear(); }, "dropped-text", 4},
        {"missing advertising folder",
         [](const QString &f) { return QDir(f + QStringLiteral("/Rek")).removeRecursively(); },
         [](RouteData &r) { r.setAdTextFiles({QStringLiteral("r1.txt")}); }, "missing-ad-folder", -1},
        {"no position",
         [](const QString &f) {
             return replaceInFile(f + QStringLiteral("/coord.txt"), "\n3 55.77294 37.60415 35", "\n3 ");
         },
         {},
         "no-position",
         2},
        {"overlapping circles",
         {},
         [](RouteData &r) { stop(r, 1).coordinate = stop(r, 0).coordinate.atDistanceAndAzimuth(30, 90); },
         "overlapping-radius",
         1},
        {"distant stops", {}, [](RouteData &r) { stop(r, 2).coordinate.setLatitude(56.5); }, "distant-stops", 2},
        {"board text too wide",
         {},
         [](RouteData &r) {
             r.setBackDestination(0, QStringLiteral("Железнодорожный вокзал через Центральный рынок и Театр драмы"));
         },
         "too-wide",
         -1},
        {"empty name", {}, [](RouteData &r) { stop(r, 2).name[0].clear(); }, "empty-name", 2},
        {"repeated stop", {}, [](RouteData &r) { stop(r, 3).name[0] = stop(r, 2).name[0]; }, "repeated-stop", 3},
        {"missing translation",
         {},
         [](RouteData &r) {
             stop(r, 8).name[1].clear();
             stop(r, 8).nextName[1].clear();
         },
         "missing-translation",
         8},
        {"line after the end",
         [](const QString &f) {
             return replaceInFile(f + QStringLiteral("/ost.txt"), "13 END\r\n", "13 END\r\n14 X\r\n");
         },
         {},
         "ignored-line",
         -1},
        {"stop number that does not exist",
         [](const QString &f) { return replaceInFile(f + QStringLiteral("/coord.txt"), "12 55", "21 55"); },
         {},
         "ignored-line",
         -1},
        {"only voice drafts", [](const QString &f) { return writeFile(f + QStringLiteral("/tts_3_ru.wav"), "RIFF"); },
         [](RouteData &r) { stop(r, 2).soundFiles = QStringList{QStringLiteral("tts_3_ru.wav")}; }, "draft-sound", 2},
        {"unused file",
         [](const QString &f) { return writeFile(f + QStringLiteral("/extra.wav"), "RIFF"); },
         {},
         "unused-file",
         -1},
        {"Windows-1251 file",
         [](const QString &f) {
             QByteArray content;
             return readFile(f + QStringLiteral("/sidetab.txt"), content)
                 && writeFile(f + QStringLiteral("/sidetab.txt"),
                              QTextCodec::codecForName("Windows-1251")->fromUnicode(QString::fromUtf8(content.mid(3))));
         },
         {},
         "legacy-encoding",
         -1},
    };
    return planted;
}

} // namespace

void TestRouteCheck::plantedProblem_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < plantedProblems().size(); ++row)
        QTest::newRow(plantedProblems().at(row).name) << row;
}

// Each planted problem is found with its code and stop; a clean route has none at all.
void TestRouteCheck::plantedProblem()
{
    QFETCH(int, row);
    const Planted &planted = plantedProblems().at(row);
    QTemporaryDir dir;
    const QString folder = copyExample(dir);
    // The example leaves one stop without a position, on purpose; the clean route has one.
    QVERIFY(replaceInFile(folder + QStringLiteral("/coord.txt"), "\n8 \r\n", "\n8 55.76120 37.61630 30\r\n"));
    if (planted.prepare)
        QVERIFY(planted.prepare(folder));
    RouteData route;
    QVERIFY(route.load(folder));
    if (planted.edit)
        planted.edit(route);
    EditorIni types;
    QVERIFY(types.read(folder));
    const QList<RouteProblem> problems = checkRouteAndBoards(route, types, route.looksAlternating());
    QStringList found;
    for (const RouteProblem &problem : problems)
        found.append(problem.code + QLatin1Char(' ') + QString::number(problem.station));
    if (!planted.code) {
        QCOMPARE(found, QStringList());
        return;
    }
    QVERIFY2(found.contains(QLatin1String(planted.code) + QLatin1Char(' ') + QString::number(planted.station)),
             qPrintable(found.join(QLatin1String(", "))));
}

void TestRouteCheck::boardTexts_data()
{
    QTest::addColumn<bool>("side");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    // Number, starting point and destination of language 1, and the side-board name of stop 4.
    QTest::addColumn<QStringList>("texts");
    // Code, stop, language and text of each problem.
    QTest::addColumn<QStringList>("found");

    const int S = RouteData::StaticMode;
    const int N = RouteData::OnlyDestinationMode;
    const int V = RouteData::VerticalStationsMode;
    const int C = RouteData::CenteredMode;
    const QString wide = QStringLiteral("Железнодорожный вокзал через Центральный рынок");
    const auto texts = [](const QString &start, const QString &end, const QString &stop = QString()) {
        return QStringList{QStringLiteral("12"), start, end, stop};
    };
    const QStringList wideEnd{"too-wide -1 0 " + wide};
    QTest::newRow("static") << false << 3 << S << texts("Север", wide) << wideEnd;
    QTest::newRow("centred") << false << 3 << (S | C) << texts(wide, "Вокзал") << wideEnd;
    QTest::newRow("running line") << false << 3 << 0 << texts(wide, wide) << QStringList();
    QTest::newRow("only destination") << false << 3 << (S | N) << texts(wide, "Вокзал") << QStringList();
    QTest::newRow("number") << false << 3 << S << QStringList{"123АБВГДЕЖЗИК", wide, wide}
                            << QStringList{"too-wide -1 -1 123АБВГДЕЖЗИК"};
    QTest::newRow("line of two") << true << 1 << S << texts("Северный", "Речной вокзал")
                                 << QStringList{"too-wide -1 0 Северный - Речной вокзал"};
    QTest::newRow("stops standing") << true << 1 << (S | V) << texts("Север", "Вокзал", wide)
                                    << QStringList{"stop-name-too-wide 3 0 " + wide};
    QTest::newRow("stops running") << true << 1 << S << texts("Север", "Вокзал", wide) << QStringList();
    QTest::newRow("L / Canarsie / 8 Av") << true << 1 << (S | N | C)
                                         << QStringList{"L", "Canarsie", "8 Av", "Canarsie - Rockaway Parkway"}
                                         << QStringList();
}

// The example route with one board's texts replaced: a text is reported only when that text is
// cut while the board animates.
void TestRouteCheck::boardTexts()
{
    QFETCH(bool, side);
    QFETCH(int, type);
    QFETCH(int, mode);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, found);
    QTemporaryDir dir;
    const QString folder = copyExample(dir);
    RouteData route;
    QVERIFY(route.load(folder));
    std::invoke(side ? &RouteData::setSideNumber : &RouteData::setFrontNumber, route, texts.at(0));
    std::invoke(side ? &RouteData::setSideMode : &RouteData::setFrontMode, route, mode);
    for (int language = 0; language < 2; ++language) {
        std::invoke(side ? &RouteData::setSideStartingPoint : &RouteData::setFrontStartingPoint, route, language,
                    language == 0 ? texts.at(1) : QString());
        std::invoke(side ? &RouteData::setSideDestination : &RouteData::setFrontDestination, route, language,
                    language == 0 ? texts.at(2) : QString());
    }
    if (!texts.value(3).isEmpty())
        stop(route, 3).sideName[0] = texts.at(3);
    EditorIni types;
    QVERIFY(types.read(folder));
    (side ? types.side : types.front) = FrontTabloType(type);
    QStringList problems;
    for (const RouteProblem &problem : checkRouteAndBoards(route, types, route.looksAlternating())) {
        const QString text = problem.message.section(QChar(0xab), 1).section(QChar(0xbb), 0, 0);
        if (problem.code.endsWith(QLatin1String("too-wide")))
            problems.append(QStringLiteral("%1 %2 %3 ").arg(problem.code).arg(problem.station).arg(problem.language)
                            + text);
    }
    QVERIFY2(problems == found, qPrintable(problems.join(QLatin1String(", "))));
}

QTEST_MAIN(TestRouteCheck)
#include "tst_routecheck.moc"
