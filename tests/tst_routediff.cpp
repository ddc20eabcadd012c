#include "routedata.h"
#include "routediff.h"

#include <QtTest>

#include <functional>

// Two versions of the bundled example compared, the second changed in one way each time: the
// stops matched by their sequence, and each change named once with its stops and values; every
// change but blanks around a text makes another route.
class TestRouteDiff : public QObject
{
    Q_OBJECT

private slots:
    void equal();
    void changes_data();
    void changes();
};

namespace {

using Change = std::function<void(RouteData &)>;

Station *stop(RouteData &route, int index)
{
    return route.stationAt(index);
}

// A new stop with a position of its own, inserted at index in the forward direction.
void insertStop(RouteData &route, int index, const QString &name)
{
    auto *station = new Station;
    station->name[0] = name;
    station->coordinate = QGeoCoordinate(55.7, 37.5);
    route.insertStation(index, station);
    route.setBackStationIndex(route.backStationIndex() + 1);
}

// "kind old/new language field: old value | new value", stops and languages from 0.
QString summary(const RouteChange &change)
{
    QString text = QStringLiteral("%1 %2/%3 %4 %5: %6 | %7")
                       .arg(change.kind)
                       .arg(change.oldStop)
                       .arg(change.newStop)
                       .arg(change.language)
                       .arg(change.field, change.oldValue, change.newValue);
    if (change.metres >= 0)
        text += QStringLiteral(" (%1 m)").arg(qRound(change.metres));
    return text;
}

bool loadExample(RouteData &route)
{
    return route.load(QStringLiteral(EXAMPLES_DIR "/route-12"));
}

const QString market = QStringLiteral("Остановка Центральный рынок.");

const QList<QPair<const char *, Change>> &edits()
{
    static const QList<QPair<const char *, Change>> list{
        {"stop text", [](RouteData &route) { stop(route, 2)->name[0] = QStringLiteral("Остановка Новый рынок."); }},
        {"second-language side name", [](RouteData &route) { stop(route, 2)->sideName[1] = QStringLiteral("Market"); }},
        {"next-stop text", [](RouteData &route) { stop(route, 1)->nextName[0] = QStringLiteral("Далее рынок."); }},
        {"stop added", [](RouteData &route) { insertStop(route, 3, QStringLiteral("Остановка Школа.")); }},
        {"stop removed",
         [](RouteData &route) {
             route.removeStation(1);
             route.setBackStationIndex(route.backStationIndex() - 1);
         }},
        {"stop moved", [](RouteData &route) { route.insertStation(4, route.takeStation(2)); }},
        {"sound attached", [](RouteData &route) { stop(route, 0)->soundFiles.append(QStringLiteral("x.wav")); }},
        {"text detached", [](RouteData &route) { stop(route, 0)->textFiles.clear(); }},
        {"files in another order", [](RouteData &route) { stop(route, 3)->soundFiles.move(1, 0); }},
        {"position moved",
         [](RouteData &route) {
             stop(route, 4)->coordinate.setLatitude(stop(route, 4)->coordinate.latitude() + 0.001);
         }},
        {"position set", [](RouteData &route) { stop(route, 7)->coordinate = QGeoCoordinate(55.76, 37.61); }},
        {"radius", [](RouteData &route) { stop(route, 5)->radius = 60; }},
        {"board number", [](RouteData &route) { route.setFrontNumber(QStringLiteral("12А")); }},
        {"board colour", [](RouteData &route) { route.setSideDestColor(0x00ff00); }},
        {"board mode", [](RouteData &route) { route.setBackMode(RouteData::StaticMode); }},
        {"script word", [](RouteData &route) { route.setStationWord(1, QStringLiteral("Halt")); }},
        {"script order", [](RouteData &route) { route.setSalonTabloOrder("(MO)1"); }},
        {"advertising list",
         [](RouteData &route) {
             route.setAdTextFiles({"r3.txt", "r1.txt"});
         }},
        {"return direction", [](RouteData &route) { route.setBackStationIndex(7); }},
        {"layout", [](RouteData &route) { stop(route, 0)->nextName[0].clear(); }},
        {"inserted and renamed",
         [](RouteData &route) {
             insertStop(route, 2, QStringLiteral("Остановка Школа."));
             stop(route, 3)->name[0] = QStringLiteral("Остановка Новый рынок.");
         }},
    };
    return list;
}

} // namespace

void TestRouteDiff::equal()
{
    RouteData before;
    RouteData after;
    QVERIFY(loadExample(before) && loadExample(after));
    QCOMPARE(diffRoutes(before, after).size(), 0);
    // Blanks around a text show as a change, yet leave the same route.
    stop(after, 2)->name[0] = QLatin1Char(' ') + market + QLatin1Char(' ');
    QCOMPARE(diffRoutes(before, after).size(), 1);
    QVERIFY(sameRoute(before, after));
}

void TestRouteDiff::changes_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<QStringList>("expected");

    const QString next = QStringLiteral("Следующая остановка Центральный рынок.");
    const QStringList expected[] = {
        {"stop-text 2/2 0 : " + market + " | Остановка Новый рынок."},
        {"side-name 2/2 1 : Central Market | Market"},
        {"next-stop-text 1/1 0 : " + next + " | Далее рынок."},
        {"stop-added -1/3 -1 :  | Остановка Школа."},
        {"stop-removed 1/-1 -1 : Остановка Улица Гагарина. | "},
        {"stop-moved 2/4 -1 : " + market + " | " + market},
        {"sound-attached 0/0 -1 :  | x.wav"},
        {"text-detached 0/0 -1 : 01.txt | "},
        {"file-order 3/3 -1 sound: st_lenina.wav, next_teatr.wav | next_teatr.wav, st_lenina.wav"},
        {"position-moved 4/4 -1 : 55.76105 37.61642 | 55.76205 37.61642 (111 m)"},
        {"position-set 7/7 -1 :  | 55.76000 37.61000"},
        {"radius 5/5 -1 : 50 | 60"},
        {"board -1/-1 -1 front number: 12 | 12А"},
        {"board -1/-1 -1 side destination colour: #ffff00 | #00ff00"},
        {"board -1/-1 -1 back mode: SNC | S"},
        {"setting -1/-1 1 WORD_ST2: Stop | Halt"},
        {"setting -1/-1 -1 BT: (MO)2(MNNSABTR)0 | (MO)1"},
        {"ad-detached -1/-1 -1 : r2.txt | ", "ad-order -1/-1 -1 ad: r1.txt, r3.txt | r3.txt, r1.txt"},
        {"return-start 6/7 -1 : Остановка Железнодорожный вокзал. | Остановка Улица Пушкина."},
        {"layout -1/-1 -1 : on-stops | separate", "next-stop-text 0/0 0 : Следующая остановка Улица Гагарина. | "},
        // The new stop shares nothing with the renamed one, which keeps its position.
        {"stop-added -1/2 -1 :  | Остановка Школа.", "stop-text 2/3 0 : " + market + " | Остановка Новый рынок."},
    };
    for (int index = 0; index < edits().size(); ++index)
        QTest::newRow(edits().at(index).first) << index << expected[index];
}

void TestRouteDiff::changes()
{
    QFETCH(int, edit);
    QFETCH(QStringList, expected);
    RouteData before;
    RouteData after;
    QVERIFY(loadExample(before) && loadExample(after));
    edits().at(edit).second(after);
    QStringList found;
    for (const RouteChange &change : diffRoutes(before, after))
        found.append(summary(change));
    QCOMPARE(found, expected);
    QVERIFY(!sameRoute(before, after));
}

QTEST_GUILESS_MAIN(TestRouteDiff)
#include "tst_routediff.moc"
