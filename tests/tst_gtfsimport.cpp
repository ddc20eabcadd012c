#include "csvreader.h"
#include "fixturefiles.h"
#include "gtfsfeeds.h"
#include "gtfsimport.h"
#include "routedata.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Importing one line of a GTFS feed: the quoting rules of its tables, the route files an
// imported line saves to, the list of its routes, and what a broken feed or a wrong name reports.
class TestGtfsImport : public QObject
{
    Q_OBJECT

private slots:
    void csvRows_data();
    void csvRows();
    void importedRoute();
    void singleTrip();
    void routeList();
    void errors_data();
    void errors();
};

namespace {

using Rows = QList<QByteArrayList>;

const QStringList routeFiles{QStringLiteral("ost.txt"), QStringLiteral("sidetab.txt"), QStringLiteral("backtab.txt"),
                             QStringLiteral("script.txt"), QStringLiteral("coord.txt")};

// The header and every row, as the reader gives them.
Rows readRows(CsvReader &reader)
{
    Rows rows;
    bool more = reader.readHeader();
    while (more) {
        QByteArrayList fields;
        for (int column = 0; column < reader.fieldCount(); ++column)
            fields.append(reader.field(column));
        rows.append(fields);
        more = reader.readRow();
    }
    return rows;
}

QByteArray readFile(const QString &path)
{
    QByteArray content;
    if (!FixtureFiles::readFile(path, content))
        return QByteArrayLiteral("<cannot read ") + path.toUtf8() + '>';
    return content;
}

} // namespace

void TestGtfsImport::csvRows_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("quoted comma") << QByteArray("a,b\n\"x,y\",z\n") << Rows{{"a", "b"}, {"x,y", "z"}};
    QTest::newRow("doubled quote") << QByteArray("a\n\"say \"\"hi\"\"\"\n") << Rows{{"a"}, {"say \"hi\""}};
    QTest::newRow("quoted line break") << QByteArray("a,b\n\"1\r\n2\",3\n") << Rows{{"a", "b"}, {"1\r\n2", "3"}};
    QTest::newRow("CR LF and blank line") << QByteArray("a,b\r\n\r\n1,\r\n") << Rows{{"a", "b"}, {"1", ""}};
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF\"a\",b\n1,2") << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("header only") << QByteArray("a,b\n") << Rows{{"a", "b"}};
}

// Each input is read at once from a device and byte by byte from a source, so that every row
// also crosses the end of the buffer.
void TestGtfsImport::csvRows()
{
    QFETCH(QByteArray, input);
    QFETCH(Rows, rows);

    QBuffer buffer(&input);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    CsvReader deviceReader(&buffer);
    QCOMPARE(readRows(deviceReader), rows);

    int position = 0;
    CsvReader byteReader([&](char *data, qint64) {
        if (position == input.size())
            return qint64(0);
        *data = input.at(position++);
        return qint64(1);
    });
    QCOMPARE(readRows(byteReader), rows);
    QCOMPARE(byteReader.column("b"), rows.first().indexOf("b"));
}

// Line 12 with its second language: the stops, announcements, boards and positions as the
// route files hold them.
void TestGtfsImport::importedRoute()
{
    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feedPath, fixtureFeed()));
    const QString folder = dir.filePath(QStringLiteral("route"));
    RouteData route;
    QString error;
    QVERIFY2(importGtfsRoute(feedPath, {QStringLiteral("12"), QString(), QStringLiteral("en")}, folder, route, error),
             qPrintable(error));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(route.save());
    const QString expected = FixtureFiles::fixture(QStringLiteral("gtfs/expected/"));
    for (const QString &name : routeFiles)
        QCOMPARE(readFile(folder + QLatin1Char('/') + name), readFile(expected + name));
}

void TestGtfsImport::singleTrip()
{
    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feedPath, fixtureFeed()));
    RouteData route;
    QString error;
    QVERIFY2(importGtfsRoute(feedPath, {QStringLiteral("R12"), QStringLiteral("T12_X"), QString()}, dir.path(), route,
                             error),
             qPrintable(error));
    QStringList sideNames;
    for (int index = 0; index < route.stationCount(); ++index)
        sideNames.append(route.stationAt(index)->sideName[0]);
    QCOMPARE(sideNames,
             (QStringList{QStringLiteral("Вокзал"), QStringLiteral("Рынок, главный вход"),
                          QStringLiteral("Парк \"Дружба\"")}));
    QVERIFY(!route.hasReturnDirection());
    QCOMPARE(route.backStationIndex(), route.stationCount());
    QCOMPARE(route.stationAt(0)->name[1], QString());
    QCOMPARE(route.stationAt(2)->nextName[0], QString());
}

void TestGtfsImport::routeList()
{
    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feedPath, fixtureFeed()));
    QList<GtfsRouteSummary> routes;
    QString error;
    QVERIFY2(listGtfsRoutes(feedPath, routes, error), qPrintable(error));
    QCOMPARE(routes.size(), 2);
    const GtfsRouteSummary &first = routes.at(0);
    QCOMPARE((QStringList{first.id, first.shortName, first.longName}),
             (QStringList{QStringLiteral("R12"), QStringLiteral("12"), QStringLiteral("Вокзал — Парк \"Дружба\"")}));
    QCOMPARE((QList<int>{first.trips[0], first.trips[1]}), (QList<int>{4, 2}));
    const GtfsRouteSummary &second = routes.at(1);
    QCOMPARE((QStringList{second.id, second.shortName, second.longName}),
             (QStringList{QStringLiteral("R7"), QStringLiteral("7"), QStringLiteral("Рынок, Школа")}));
    QCOMPARE((QList<int>{second.trips[0], second.trips[1]}), (QList<int>{1, 0}));
}

void TestGtfsImport::errors_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("routeName");
    QTest::addColumn<QString>("trip");
    QTest::addColumn<QString>("error");

    // A null content takes the file out of the feed.
    QTest::newRow("missing file") << "stop_times.txt" << QByteArray() << "12"
                                  << ""
                                  << "The feed has no stop_times.txt";
    QTest::newRow("missing column") << "trips.txt" << QByteArray("route_id,direction_id\nR12,0\n") << "12"
                                    << ""
                                    << "trips.txt has no column trip_id";
    QTest::newRow("unknown route") << "" << QByteArray() << "99"
                                   << ""
                                   << "The feed has no route 99";
    QTest::newRow("route without trips") << "routes.txt" << QByteArray("route_id,route_short_name\nR9,9\n") << "9"
                                         << ""
                                         << "Route 9 has no trips";
    QTest::newRow("unknown trip") << "" << QByteArray() << "12"
                                  << "T0"
                                  << "The feed has no trip T0";
    QTest::newRow("foreign trip") << "" << QByteArray() << "12"
                                  << "T7_1"
                                  << "Trip T7_1 belongs to route_id R7, not to route 12";
}

void TestGtfsImport::errors()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, routeName);
    QFETCH(QString, trip);
    QFETCH(QString, error);

    FeedFiles files = fixtureFeed();
    if (content.isNull())
        files.remove(file);
    else
        files.insert(file, content);
    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feedPath, files));
    RouteData route;
    QString reported;
    QVERIFY(!importGtfsRoute(feedPath, {routeName, trip, QString()}, dir.path(), route, reported));
    QCOMPARE(reported, error);
    QCOMPARE(route.stationCount(), 0);
}

QTEST_GUILESS_MAIN(TestGtfsImport)
#include "tst_gtfsimport.moc"
