#include "routedata.h"
#include "support/fixturefiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace FixtureFiles;

class TestRouteFolder : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void loadReadsEveryFile();
    void loadWithoutStationListFails();
    void loadRefusedWhenLoaded();
    void saveStopsAtFirstFailure_data();
    void saveStopsAtFirstFailure();
    void saveWithoutAdFolder();
    void saveWithoutRoute();
};

namespace {

const QString city = QStringLiteral("routefolder/city");
const QString oldContent = QStringLiteral("old");

// The route files in the order save() writes them, relative to the case folder "city".
const QStringList citySaveOrder{QStringLiteral("12/ost.txt"),     QStringLiteral("12/coord.txt"),
                                QStringLiteral("12/sidetab.txt"), QStringLiteral("12/script.txt"),
                                QStringLiteral("12/backtab.txt"), QStringLiteral("Reklama/rscript.txt")};

bool sameFile(const QString &first, const QString &second)
{
    QByteArray a;
    QByteArray b;
    return readFile(first, a) && readFile(second, b) && a == b;
}

} // namespace

void TestRouteFolder::roundTrip_data()
{
    QTest::addColumn<QString>("caseFolder");
    QTest::addColumn<QString>("routeFolder");

    QTest::newRow("two languages, advertising folder beside") << fixture(city) << QStringLiteral("12");
    QTest::newRow("blank in the folder name, advertising folder inside")
        << fixture(QStringLiteral("routefolder/blank-in-name")) << QStringLiteral("Route 7");
    QTest::newRow("empty texts, no advertising folder")
        << fixture(QStringLiteral("routefolder/empty-texts")) << QStringLiteral("route");
    QTest::newRow("bundled example") << QStringLiteral(EXAMPLES_DIR) << QStringLiteral("route-12");
}

void TestRouteFolder::roundTrip()
{
    QFETCH(QString, caseFolder);
    QFETCH(QString, routeFolder);

    QTemporaryDir dir;
    const QString original = caseFolder;
    QVERIFY(copyFolder(original, dir.path()));
    RouteData route;
    QVERIFY(route.load(dir.filePath(routeFolder)));
    QVERIFY(route.save());

    QCOMPARE(filesBelow(dir.path()), filesBelow(original));
    for (const QString &file : filesBelow(original))
        QVERIFY2(sameFile(dir.filePath(file), original + QLatin1Char('/') + file), qPrintable(file));
}

// Each file of the folder reaches the route, and in the order that lets them depend on each
// other: ost.txt's font item beats TABLO_FONT, coord.txt finds the stops, rscript.txt is found
// through script.txt.
void TestRouteFolder::loadReadsEveryFile()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(fixture(city), dir.path()));
    RouteData route;
    QVERIFY(route.load(dir.filePath(QStringLiteral("12"))));

    QCOMPARE(route.stationCount(), 5);
    QCOMPARE(route.backStationIndex(), 3);
    QCOMPARE(route.frontFont(), 2);
    QVERIFY(route.frontFontFromStationList());
    QCOMPARE(route.stationAt(4)->soundFiles, QStringList{QStringLiteral("05, вокзал.mp3")});
    QCOMPARE(route.stationAt(0)->textFiles, QStringList{QStringLiteral("вокзал инфо.txt")});
    QCOMPARE(route.sideNumber(), QStringLiteral("12А"));
    QCOMPARE(route.stationAt(0)->sideName[1], QStringLiteral("Railway station"));
    QCOMPARE(route.backDestination(0), QStringLiteral("Вокзал"));
    QCOMPARE(route.routeText(0), QStringLiteral("Маршрут %n \"Вокзал - Парк\"."));
    QCOMPARE(route.leftSofitColor(), 4);
    QCOMPARE(route.nextStationDelay(), 8);
    QCOMPARE(route.stationAt(0)->coordinate, QGeoCoordinate(55.75123, 37.61234));
    QCOMPARE(int(route.stationAt(2)->radius), 255);
    QVERIFY(!route.stationAt(4)->coordinate.isValid());
    QCOMPARE(route.adFolder(), dir.filePath(QStringLiteral("Reklama")));
    QCOMPARE(route.adTextFiles(),
             (QStringList{QStringLiteral("r1.txt"), QStringLiteral("r 2.txt"), QStringLiteral("реклама.txt")}));
}

void TestRouteFolder::loadWithoutStationListFails()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(fixture(city), dir.path()));
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("12/ost.txt"))));
    RouteData route;
    QVERIFY(!route.load(dir.filePath(QStringLiteral("12"))));
    QVERIFY(route.folder().isEmpty());
    QCOMPARE(route.stationCount(), 0);
    QVERIFY(!route.save());
}

void TestRouteFolder::loadRefusedWhenLoaded()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(fixture(city), dir.path()));
    RouteData route;
    QVERIFY(route.load(dir.filePath(QStringLiteral("12"))));
    QVERIFY(!route.load(dir.filePath(QStringLiteral("12"))));
    QVERIFY(!route.load(QString()));
    QCOMPARE(route.folder(), dir.filePath(QStringLiteral("12")));
    QCOMPARE(route.stationCount(), 5);
}

void TestRouteFolder::saveStopsAtFirstFailure_data()
{
    QTest::addColumn<int>("blocked");

    for (int index = 0; index < citySaveOrder.size(); ++index)
        QTest::newRow(qPrintable(citySaveOrder.at(index))) << index;
}

// A folder standing where a file should go makes its writer fail: the files before it in the
// save order are written, the ones after it keep their old content.
void TestRouteFolder::saveStopsAtFirstFailure()
{
    QFETCH(int, blocked);

    QTemporaryDir dir;
    QVERIFY(copyFolder(fixture(city), dir.path()));
    RouteData route;
    QVERIFY(route.load(dir.filePath(QStringLiteral("12"))));
    for (const QString &file : citySaveOrder)
        QVERIFY(writeFile(dir.filePath(file), oldContent.toUtf8()));
    const QString blockedPath = dir.filePath(citySaveOrder.at(blocked));
    QVERIFY(QFile::remove(blockedPath));
    QVERIFY(QDir().mkpath(blockedPath));

    QVERIFY(!route.save());
    for (int index = 0; index < citySaveOrder.size(); ++index) {
        const QString file = citySaveOrder.at(index);
        QByteArray content;
        if (index < blocked) {
            QVERIFY2(sameFile(dir.filePath(file), fixture(city) + QLatin1Char('/') + file), qPrintable(file));
        } else if (index > blocked) {
            QVERIFY(readFile(dir.filePath(file), content));
            QVERIFY2(content == oldContent.toUtf8(), qPrintable(file));
        }
    }
    QVERIFY(QFileInfo(blockedPath).isDir());
}

void TestRouteFolder::saveWithoutAdFolder()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(fixture(city), dir.path()));
    RouteData route;
    QVERIFY(route.load(dir.filePath(QStringLiteral("12"))));
    QVERIFY(QDir(dir.filePath(QStringLiteral("Reklama"))).removeRecursively());
    QVERIFY(route.save());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Reklama"))));
    QVERIFY(sameFile(dir.filePath(QStringLiteral("12/script.txt")), fixture(city + QLatin1String("/12/script.txt"))));
}

void TestRouteFolder::saveWithoutRoute()
{
    RouteData route;
    QVERIFY(!route.save());
}

QTEST_GUILESS_MAIN(TestRouteFolder)
#include "tst_routefolder.moc"
