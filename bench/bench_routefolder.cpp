// Loads and saves a route of 2,000 stops with two languages, three files per stop and a
// position everywhere: the largest routes prepared for the unit are far smaller, so this
// bounds the wait when a route opens or saves.

#include "largeroute.h"
#include "routedata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class BenchRouteFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void load();
    void save();
    void cleanupTestCase();

private:
    // QtTest calls a benchmark function again until its timing settles, so the runs of all
    // calls are summed here and reported once at the end.
    struct Timing
    {
        qint64 nanoseconds = 0;
        int runs = 0;
    };

    qint64 folderBytes() const;
    void report(const char *what, const Timing &timing) const;

    QTemporaryDir m_dir;
    QString m_folder;
    Timing m_load;
    Timing m_save;
};

void BenchRouteFolder::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath(QStringLiteral("route"));
    QVERIFY(writeLargeRoute(m_folder));
}

void BenchRouteFolder::load()
{
    QElapsedTimer timer;
    QBENCHMARK
    {
        RouteData route;
        timer.start();
        QVERIFY(route.load(m_folder));
        m_load.nanoseconds += timer.nsecsElapsed();
        ++m_load.runs;
        QCOMPARE(route.stationCount(), largeRouteStops);
    }
}

void BenchRouteFolder::save()
{
    RouteData route;
    QVERIFY(route.load(m_folder));
    QElapsedTimer timer;
    QBENCHMARK
    {
        timer.start();
        QVERIFY(route.save());
        m_save.nanoseconds += timer.nsecsElapsed();
        ++m_save.runs;
    }
}

void BenchRouteFolder::cleanupTestCase()
{
    report("load", m_load);
    report("save", m_save);
}

qint64 BenchRouteFolder::folderBytes() const
{
    qint64 bytes = 0;
    const QStringList files{QStringLiteral("ost.txt"),     QStringLiteral("sidetab.txt"),
                            QStringLiteral("backtab.txt"), QStringLiteral("script.txt"),
                            QStringLiteral("coord.txt"),   QStringLiteral("Rek/rscript.txt")};
    for (const QString &file : files)
        bytes += QFileInfo(m_folder + QLatin1Char('/') + file).size();
    return bytes;
}

void BenchRouteFolder::report(const char *what, const Timing &timing) const
{
    if (timing.runs == 0)
        return;
    const double milliseconds = timing.nanoseconds / 1e6 / timing.runs;
    const qint64 bytes = folderBytes();
    qInfo("%s: %.2f ms per run (mean of %d runs), %lld bytes, %.1f MB/s", what, milliseconds, timing.runs, bytes,
          bytes / 1e3 / milliseconds);
}

QTEST_GUILESS_MAIN(BenchRouteFolder)
#include "bench_routefolder.moc"
