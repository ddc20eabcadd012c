#include "coordinatetext.h"
#include "routedata.h"
#include "support/fixturefiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace FixtureFiles;

class TestCoord : public QObject
{
    Q_OBJECT

private slots:
    void stationLine_data();
    void stationLine();
    void header_data();
    void header();
    void missingFile();
    void write_data();
    void write();
    void stationWithoutPositionReadsRadius25();
    void roundTrip_data();
    void roundTrip();
    void parseCoordinate_data();
    void parseCoordinate();
};

namespace {

// Three stops without files; their positions come from coord.txt alone.
const QByteArray stationList
    = QByteArrayLiteral("1\\\\A\\\\B\\\\F11;R4;#080400;\r\n"
                        "1 One\r\n  .wav\r\n2 Two\r\n  .wav\r\n3 Three\r\n  .wav\r\n4 END\r\n");

// "latitude longitude radius" of a stop; an unset degree value shows as nan.
QString position(const Station &station)
{
    auto degrees
        = [](double value) { return std::isnan(value) ? QStringLiteral("nan") : QString::number(value, 'g', 12); };
    return degrees(station.coordinate.latitude()) + QLatin1Char(' ') + degrees(station.coordinate.longitude())
        + QLatin1Char(' ') + QString::number(station.radius);
}

bool loadRoute(RouteData &route, const QTemporaryDir &dir, const QByteArray &coordinates)
{
    const QString folder = dir.filePath(QStringLiteral("route"));
    return writeFile(folder + QLatin1String("/ost.txt"), stationList)
        && (coordinates.isNull() || writeFile(folder + QLatin1String("/coord.txt"), coordinates)) && route.load(folder);
}

} // namespace

void TestCoord::stationLine_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("second");

    QTest::newRow("position and radius") << QByteArray("2 55.75 37.6 40") << QStringLiteral("55.75 37.6 40");
    QTest::newRow("five decimals") << QByteArray("2 55.12345 37.54321 7") << QStringLiteral("55.12345 37.54321 7");
    QTest::newRow("integers") << QByteArray("2 55 37 40") << QStringLiteral("55 37 40");
    QTest::newRow("signs and exponent") << QByteArray("2 -33.5 +1.5e2 10") << QStringLiteral("-33.5 150 10");
    QTest::newRow("several blanks") << QByteArray("2   55.75    37.6   40   ") << QStringLiteral("55.75 37.6 40");
    QTest::newRow("LF line end") << QByteArray("2 55.75 37.6 40\n3 1 2 3\n") << QStringLiteral("55.75 37.6 40");
    QTest::newRow("tab joins latitude and longitude") << QByteArray("2 55.75\t37.6 40") << QStringLiteral("nan 40 25");
    QTest::newRow("tab before the radius") << QByteArray("2 55.75 37.6\t40") << QStringLiteral("55.75 nan 25");
    QTest::newRow("radius without a position") << QByteArray("2 55.75 3\xCB.6 40") << QStringLiteral("55.75 nan 25");
    QTest::newRow("radius keeps its low eight bits")
        << QByteArray("2 55.75 37.6 300") << QStringLiteral("55.75 37.6 44");
    QTest::newRow("radius 256") << QByteArray("2 55.75 37.6 256") << QStringLiteral("55.75 37.6 0");
    QTest::newRow("radius no number") << QByteArray("2 55.75 37.6 x") << QStringLiteral("55.75 37.6 25");
    QTest::newRow("negative radius") << QByteArray("2 55.75 37.6 -1") << QStringLiteral("55.75 37.6 25");
    QTest::newRow("fields after the radius") << QByteArray("2 55.75 37.6 40 99 x") << QStringLiteral("55.75 37.6 40");
    QTest::newRow("no radius") << QByteArray("2 55.75 37.6") << QStringLiteral("55.75 37.6 25");
    QTest::newRow("latitude only") << QByteArray("2 55.75") << QStringLiteral("55.75 nan 25");
    QTest::newRow("number and blank") << QByteArray("2 ") << QStringLiteral("nan nan 25");
    QTest::newRow("number only keeps an earlier position")
        << QByteArray("2 55.75 37.6 40\r\n2\r\n") << QStringLiteral("55.75 37.6 25");
    QTest::newRow("bad latitude keeps the earlier one")
        << QByteArray("2 55.5 37.5 40\r\n2 55,75 38.25 30\r\n") << QStringLiteral("55.5 38.25 30");
    QTest::newRow("infinity is no number")
        << QByteArray("2 55.5 37.5 40\r\n2 inf nan 30\r\n") << QStringLiteral("55.5 37.5 30");
    QTest::newRow("numbers outside the list change nothing")
        << QByteArray("0 1 1 1\r\n4 1 1 1\r\n-2 1 1 1\r\n") << QStringLiteral("nan nan 25");
}

void TestCoord::stationLine()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, second);

    QTemporaryDir dir;
    RouteData route;
    QVERIFY(loadRoute(route, dir, " NEXTDELAY:5\r\n1 10 20 30\r\n" + lines));
    QCOMPARE(position(*route.stationAt(1)), second);
    // The neighbours are not touched by the line of the second stop.
    QCOMPARE(position(*route.stationAt(0)), QStringLiteral("10 20 30"));
}

void TestCoord::header_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("first");

    QTest::newRow("header") << QByteArray(" NEXTDELAY:12\r\n1 1 2 3\r\n") << 12 << QStringLiteral("1 2 3");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF NEXTDELAY:7\r\n1 1 2 3\r\n") << 7
                                     << QStringLiteral("1 2 3");
    QTest::newRow("without leading blank") << QByteArray("NEXTDELAY:600\n") << 600 << QStringLiteral("nan nan 25");
    QTest::newRow("other keys") << QByteArray(" X:1 NEXTDELAY:9 Y:\"a b\"\r\n") << 9 << QStringLiteral("nan nan 25");
    QTest::newRow("delay no number") << QByteArray(" NEXTDELAY:x\r\n") << 0 << QStringLiteral("nan nan 25");
    QTest::newRow("negative delay") << QByteArray(" NEXTDELAY:-3\r\n") << 0 << QStringLiteral("nan nan 25");
    QTest::newRow("header missing") << QByteArray("1 1 2 3\r\n") << 5 << QStringLiteral("1 2 3");
    QTest::newRow("header missing after byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                                        "1 1 2 3\r\n")
                                                          << 5 << QStringLiteral("1 2 3");
    QTest::newRow("only the first line is a header")
        << QByteArray(" NEXTDELAY:8\r\n NEXTDELAY:9\r\n1 1 2 3\r\n") << 8 << QStringLiteral("1 2 3");
    QTest::newRow("empty file") << QByteArray("") << 5 << QStringLiteral("nan nan 25");
}

void TestCoord::header()
{
    QFETCH(QByteArray, content);
    QFETCH(int, delay);
    QFETCH(QString, first);

    QTemporaryDir dir;
    RouteData route;
    QVERIFY(loadRoute(route, dir, content));
    QVERIFY(route.readCoordinates());
    QCOMPARE(route.nextStationDelay(), delay);
    QCOMPARE(position(*route.stationAt(0)), first);
}

void TestCoord::missingFile()
{
    QTemporaryDir dir;
    RouteData route;
    QVERIFY(loadRoute(route, dir, QByteArray()));
    route.setNextStationDelay(30);
    QVERIFY(!route.readCoordinates());
    QCOMPARE(route.nextStationDelay(), 5);
    QCOMPARE(position(*route.stationAt(0)), QStringLiteral("nan nan 25"));
}

void TestCoord::write_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<QList<QGeoCoordinate>>("positions");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("second without position")
        << 7 << QList<QGeoCoordinate>{{55.75, 37.6}, {}, {-33.868, 151.2093}}
        << QByteArray(" NEXTDELAY:7\r\n1 55.75000 37.60000 40\r\n2 \r\n3 -33.86800 151.20930 40\r\n");
    QTest::newRow("rounded to five decimals")
        << 0 << QList<QGeoCoordinate>{{55.755556, 37.123444}, {0.000004, -179.999999}, {90, 180}}
        << QByteArray(
               " NEXTDELAY:0\r\n1 55.75556 37.12344 40\r\n2 0.00000 -180.00000 40\r\n3 90.00000 180.00000 40\r\n");
    QTest::newRow("out of range is no position")
        << 600 << QList<QGeoCoordinate>{{91, 0}, {0, 181}, {}} << QByteArray(" NEXTDELAY:600\r\n1 \r\n2 \r\n3 \r\n");
}

void TestCoord::write()
{
    QFETCH(int, delay);
    QFETCH(QList<QGeoCoordinate>, positions);
    QFETCH(QByteArray, content);

    QTemporaryDir dir;
    RouteData route;
    QVERIFY(loadRoute(route, dir, QByteArray()));
    route.setNextStationDelay(delay);
    for (int index = 0; index < positions.size(); ++index) {
        route.stationAt(index)->coordinate = positions.at(index);
        route.stationAt(index)->radius = 40;
    }
    QVERIFY(route.writeCoordinates());
    QByteArray written;
    QVERIFY(readFile(route.folder() + QLatin1String("/coord.txt"), written));
    QCOMPARE(written, content);
}

void TestCoord::stationWithoutPositionReadsRadius25()
{
    QTemporaryDir dir;
    RouteData route;
    QVERIFY(loadRoute(route, dir, QByteArray()));
    route.stationAt(0)->coordinate = QGeoCoordinate(55.75, 37.6);
    route.stationAt(0)->radius = 40;
    route.stationAt(1)->radius = 99;
    QVERIFY(route.writeCoordinates());

    RouteData reread;
    QVERIFY(reread.load(route.folder()));
    QCOMPARE(position(*reread.stationAt(0)), QStringLiteral("55.75 37.6 40"));
    QCOMPARE(position(*reread.stationAt(1)), QStringLiteral("nan nan 25"));
}

void TestCoord::roundTrip_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    for (const char *name : {"canonical", "handwritten"}) {
        const QString base = fixture(QStringLiteral("coord/") + QLatin1String(name));
        QTest::newRow(name) << base + QLatin1String("/input") << base + QLatin1String("/expected/coord.txt");
    }
}

void TestCoord::roundTrip()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("route"));
    QVERIFY(copyFolder(input, folder));
    RouteData route;
    QVERIFY(route.load(folder));
    QVERIFY(route.writeCoordinates());
    QByteArray written;
    QByteArray wanted;
    QVERIFY(readFile(folder + QLatin1String("/coord.txt"), written));
    QVERIFY2(readFile(expected, wanted), qPrintable(expected));
    QCOMPARE(written, wanted);
}

void TestCoord::parseCoordinate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("comma and blank between") << "55.755831, 37.617673" << "55.75583 37.61767";
    QTest::newRow("letters before the numbers") << "N55.7558 E37.6176" << "55.75580 37.61760";
    QTest::newRow("southern latitude") << "-33.9 151.2" << "-33.90000 151.20000";
    QTest::newRow("western longitude, minus sign") << QStringLiteral("40.7 \u221274.0") << "40.70000 -74.00000";
    QTest::newRow("a minus apart from the number") << "- 33.9 151.2" << "33.90000 151.20000";
    QTest::newRow("decimal commas") << "55,7558 37,6176" << "55.75580 37.61760";
    QTest::newRow("point then comma") << "55.7558,37.6176" << "55.75580 37.61760";
    QTest::newRow("point ending a number") << "55. 37" << "55.00000 37.00000";
    QTest::newRow("second point ends the number") << "55.7.3" << "55.70000 3.00000";
    QTest::newRow("one number") << "55.7558" << "";
    QTest::newRow("no number") << "нет" << "";
    QTest::newRow("latitude out of range") << "95 37" << "";
    QTest::newRow("rounds to zero from below") << "-0.000001 10" << "0.00000 10.00000";
}

// A typed position as the coordinate field shows it once read.
void TestCoord::parseCoordinate()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(formatCoordinate(::parseCoordinate(text)), shown);
}

QTEST_GUILESS_MAIN(TestCoord)
#include "tst_coord.moc"
