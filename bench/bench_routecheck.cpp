// The route check as "Проверить маршрут" and "marvolt-route check" run it: the large route, with
// its side board running the stop names past and with the names standing still (so each is
// measured), and a depot's hundred route folders in one run of the tool.

#include "benchtiming.h"
#include "boardcheck.h"
#include "largeroute.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class BenchRouteCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void largeRoute_data();
    void largeRoute();
    void folders();

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

namespace {

// A city's routes have some 30 stops each way.
constexpr int folderCount = 100;
constexpr int folderStops = 60;

bool createFile(const QString &folder, const QString &name)
{
    return QFile(folder + QLatin1Char('/') + name).open(QIODevice::WriteOnly);
}

// Creates the sounds, texts and advertising texts the route names, so that the check finds them
// all.
bool createNamedFiles(const QString &folder)
{
    RouteData route;
    if (!route.load(folder))
        return false;
    for (int index = 0; index < route.stationCount(); ++index) {
        for (const QString &name : route.stationAt(index)->soundFiles + route.stationAt(index)->textFiles) {
            if (!createFile(folder, name))
                return false;
        }
    }
    for (const QString &name : route.adTextFiles()) {
        if (!createFile(route.adFolder(), name))
            return false;
    }
    return true;
}

} // namespace

void BenchRouteCheck::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath(QStringLiteral("route"));
    QVERIFY(writeLargeRoute(m_folder));
    QVERIFY(createNamedFiles(m_folder));
}

void BenchRouteCheck::largeRoute_data()
{
    QTest::addColumn<int>("sideMode");
    QTest::newRow("side stops running") << (RouteData::StaticMode | RouteData::CenteredMode);
    QTest::newRow("side stops standing") << (RouteData::StaticMode | RouteData::VerticalStationsMode
                                             | RouteData::CenteredMode);
}

void BenchRouteCheck::largeRoute()
{
    QFETCH(int, sideMode);
    RouteData route;
    QVERIFY(route.load(m_folder));
    route.setSideMode(sideMode);
    // The check without the boards tells what measuring the board texts adds.
    Timing checking;
    Timing withoutBoards;
    QElapsedTimer timer;
    int problems = 0;
    for (int run = 0; run < 10; ++run) {
        timer.start();
        problems = checkRouteAndBoards(route, EditorIni(), route.looksAlternating()).size();
        checking.add(timer.nsecsElapsed());
        timer.start();
        checkRoute(route, route.looksAlternating());
        withoutBoards.add(timer.nsecsElapsed());
    }
    qInfo("%d stops, %s: check %s, %d problems; without the boards %s (%d runs)", route.stationCount(),
          QTest::currentDataTag(), checking.text().constData(), problems, withoutBoards.text().constData(),
          checking.runs);
}

// Reading and checking each folder in this process, then the tool over all of them at once,
// its start included.
void BenchRouteCheck::folders()
{
    QStringList folders;
    for (int number = 0; number < folderCount; ++number) {
        folders.append(m_dir.filePath(QStringLiteral("depot/%1").arg(number)));
        QVERIFY(writeLargeRoute(folders.last(), folderStops));
        QVERIFY(createNamedFiles(folders.last()));
    }
    Timing inProcess;
    Timing tool;
    QElapsedTimer timer;
    for (int run = 0; run < 5; ++run) {
        timer.start();
        for (const QString &folder : qAsConst(folders)) {
            RouteData route;
            QVERIFY(route.load(folder));
            EditorIni types;
            types.read(folder);
            checkRouteAndBoards(route, types, route.looksAlternating());
        }
        inProcess.add(timer.nsecsElapsed());

        QProcess process;
        timer.start();
        process.start(QStringLiteral(MARVOLT_ROUTE_TOOL),
                      QStringList{QStringLiteral("check"), QStringLiteral("--summary")} + folders);
        QVERIFY(process.waitForFinished(60000));
        tool.add(timer.nsecsElapsed());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() <= 1,
                 process.readAllStandardError().constData());
    }
    qInfo("%d folders of %d stops: read and check %s; marvolt-route check --summary %s (%d runs)", folderCount,
          folderStops, inProcess.text().constData(), tool.text().constData(), tool.runs);
}

QTEST_MAIN(BenchRouteCheck)
#include "bench_routecheck.moc"
