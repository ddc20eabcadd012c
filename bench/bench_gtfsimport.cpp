// Imports one line from a feed whose stop_times.txt has a million rows, the timetable of a large
// city: the time that takes, and the memory, which has to stay far below the size of the feed
// because the rows are streamed out of the archive and only the line's own are kept. Then imports
// all 70 lines of a feed of 2.5 million stop times into a depot, which has to take under 3 s and
// at most twice the memory of importing one of its lines, plus the routes written. Last refuses
// a small feed whose stop_times.txt repeats one row six million times, as a damaged download
// may: that has to take well under 2 s and 100 MB.

#include "gtfsdepot.h"
#include "gtfsimport.h"
#include "benchtiming.h"
#include "routedata.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <malloc.h>

#include <zip.h>

class BenchGtfsImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void import();
    void depot();
    void repeatedStopTimes();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    QString m_feedPath;
    qint64 m_nanoseconds = 0;
    int m_runs = 0;
    qint64 m_startKilobytes = -1;
    qint64 m_peakKilobytes = -1;
};

namespace {

// The size of a generated feed: its routes run the trips each way over the stops per trip,
// through a pool of stops.
struct FeedShape
{
    int routeCount;
    int tripsPerDirection;
    int stopsPerTrip;
    int stopCount;

    int trips() const { return routeCount * 2 * tripsPerDirection; }
};

// 400 routes of 50 trips each way over 25 stops give the million rows of stop_times.txt.
const FeedShape cityShape{400, 50, 25, 6000};
// 70 routes of 595 trips each way over 30 stops give 2.5 million rows: a depot's lines.
const FeedShape depotShape{70, 595, 30, 3000};
const char *const tables[] = {"agency.txt", "routes.txt", "trips.txt", "stops.txt", "stop_times.txt"};

QByteArray clockTime(int minutes)
{
    return QByteArray::number(minutes / 600) + QByteArray::number(minutes / 60 % 10) + ':'
        + QByteArray::number(minutes % 60 / 10) + QByteArray::number(minutes % 10) + ":00";
}

QByteArray routeId(int route)
{
    return "MGT_R" + QByteArray::number(1000 + route);
}

QByteArray tripId(int route, int direction, int trip)
{
    return routeId(route) + "_D" + QByteArray::number(direction) + "_T" + QByteArray::number(100 + trip);
}

QByteArray stopId(int stop)
{
    return 'S' + QByteArray::number(10000 + stop);
}

// The stop at position of a trip: each route runs through its own stretch of the stop pool, the
// return direction backwards, and a detour takes three stops of the middle from elsewhere.
int tripStop(const FeedShape &shape, int route, int direction, int position, bool detour)
{
    const int along = direction == 0 ? position : shape.stopsPerTrip - 1 - position;
    const bool detoured = detour && along >= 10 && along < 13;
    return (route * 15 + along * 7 + (detoured ? shape.stopCount / 2 : 0)) % shape.stopCount;
}

// Writes a table row by row through a buffer, as an exporter streams a large timetable.
bool writeTable(const QString &path, const QByteArray &header, int rows, const std::function<QByteArray(int)> &row)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer = header + '\n';
    for (int index = 0; index < rows; ++index) {
        buffer += row(index);
        if (buffer.size() > (1 << 20)) {
            if (file.write(buffer) != buffer.size())
                return false;
            buffer.clear();
        }
    }
    return file.write(buffer) == buffer.size() && file.flush();
}

QByteArray stopTimeRows(const FeedShape &shape, int tripNumber)
{
    const int route = tripNumber / (2 * shape.tripsPerDirection);
    const int direction = tripNumber / shape.tripsPerDirection % 2;
    const int trip = tripNumber % shape.tripsPerDirection;
    // Every fifth trip makes the detour, so that each direction has a second, rarer pattern.
    const bool detour = trip % 5 == 4;
    const QByteArray id = tripId(route, direction, trip);
    QByteArray rows;
    for (int position = 0; position < shape.stopsPerTrip; ++position) {
        const int minutes = 330 + trip % 50 * 20 + direction * 10 + position * 2;
        rows += id + ',' + clockTime(minutes) + ',' + clockTime(minutes) + ','
            + stopId(tripStop(shape, route, direction, position, detour)) + ',' + QByteArray::number(position + 1)
            + ",,0,0," + QByteArray::number(position * 0.612, 'f', 3) + ",1\n";
    }
    return rows;
}

bool writeFeedTables(const QString &folder, const FeedShape &shape)
{
    const int trips = shape.trips();
    const int tripsPerDirection = shape.tripsPerDirection;
    return writeTable(folder + QLatin1String("/agency.txt"), "agency_id,agency_name,agency_url,agency_timezone", 1,
                      [](int) -> QByteArray {
                          return QByteArray("MGT,Мосгортранс,https://transport.example.org,Europe/Moscow\n");
                      })
        && writeTable(folder + QLatin1String("/routes.txt"),
                      "route_id,agency_id,route_short_name,route_long_name,route_type", shape.routeCount,
                      [](int route) -> QByteArray {
                          return routeId(route) + ",MGT," + QByteArray::number(route + 1) + ",\"Улица " + stopId(route)
                              + " — Площадь " + stopId(route + 1) + "\",3\n";
                      })
        && writeTable(folder + QLatin1String("/trips.txt"), "route_id,service_id,trip_id,trip_headsign,direction_id",
                      trips,
                      [tripsPerDirection](int trip) -> QByteArray {
                          const int route = trip / (2 * tripsPerDirection);
                          const int direction = trip / tripsPerDirection % 2;
                          return routeId(route) + (trip % 2 ? ",WE," : ",WD,")
                              + tripId(route, direction, trip % tripsPerDirection) + ",Конечная,"
                              + QByteArray::number(direction) + '\n';
                      })
        && writeTable(folder + QLatin1String("/stops.txt"), "stop_id,stop_code,stop_name,stop_lat,stop_lon",
                      shape.stopCount,
                      [](int stop) -> QByteArray {
                          return stopId(stop) + ',' + QByteArray::number(stop) + ",\"Улица Строителей, дом "
                              + QByteArray::number(stop) + "\"," + QByteArray::number(55.5 + stop * 1e-4, 'f', 6) + ','
                              + QByteArray::number(37.3 + stop * 2e-4, 'f', 6) + '\n';
                      })
        && writeTable(folder + QLatin1String("/stop_times.txt"),
                      "trip_id,arrival_time,departure_time,stop_id,stop_sequence,stop_headsign,pickup_type,"
                      "drop_off_type,shape_dist_traveled,timepoint",
                      trips, [&shape](int trip) { return stopTimeRows(shape, trip); });
}

// A feed of 3 routes over 8 stops, each with a trip each way, whose first trip's stop_times.txt
// rows are followed by repeats copies of one row.
bool writeSmallFeed(const QString &folder, int repeats)
{
    const auto trip = [](int index) -> QByteArray {
        return 'r' + QByteArray::number(index / 2 + 1) + '_' + QByteArray::number(index % 2) + "_0";
    };
    return writeTable(
               folder + QLatin1String("/agency.txt"), "agency_id,agency_name,agency_url,agency_timezone", 1,
               [](int) -> QByteArray { return QByteArray("A,Transit,https://transit.example.org,Europe/Berlin\n"); })
        && writeTable(folder + QLatin1String("/routes.txt"), "route_id,route_short_name,route_type", 3,
                      [](int route) -> QByteArray {
                          return 'r' + QByteArray::number(route + 1) + ',' + QByteArray::number(route + 1) + ",3\n";
                      })
        && writeTable(folder + QLatin1String("/trips.txt"), "route_id,service_id,trip_id,direction_id", 6,
                      [&](int index) -> QByteArray {
                          return 'r' + QByteArray::number(index / 2 + 1) + ",WD," + trip(index) + ','
                              + QByteArray::number(index % 2) + '\n';
                      })
        && writeTable(folder + QLatin1String("/stops.txt"), "stop_id,stop_name,stop_lat,stop_lon", 8,
                      [](int stop) -> QByteArray {
                          return 's' + QByteArray::number(stop + 1) + ",Stop " + QByteArray::number(stop + 1)
                              + ",52.5,13.4\n";
                      })
        && writeTable(folder + QLatin1String("/stop_times.txt"),
                      "trip_id,arrival_time,departure_time,stop_id,stop_sequence", 6 * 4 + repeats,
                      [&](int row) -> QByteArray {
                          if (row >= 24)
                              return QByteArray("r1_0_0,08:00:00,08:00:00,s1,999\n");
                          const int position = row % 4;
                          return trip(row / 4) + ",08:0" + QByteArray::number(position) + ":00,08:0"
                              + QByteArray::number(position) + ":00,s"
                              + QByteArray::number((row / 8 + position) % 8 + 1) + ','
                              + QByteArray::number(position + 1) + '\n';
                      });
}

// Zips the tables of folder into path; libzip compresses them from disk as it closes the archive.
bool zipTables(const QString &folder, const QString &path)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return false;
    for (const char *table : tables) {
        const QByteArray file = QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(table));
        zip_source_t *source = zip_source_file(archive, file.constData(), 0, -1);
        if (!source || zip_file_add(archive, table, source, 0) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

// Linux keeps the peak resident size of the process in VmHWM, and resets it when "5" is written
// to clear_refs.
bool resetPeakMemory()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    return file.open(QIODevice::WriteOnly) && file.write("5") == 1;
}

// A size in kB from /proc/self/status, -1 where there is none.
qint64 statusKilobytes(const QByteArray &key)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(QByteArray(key + ':')))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

qint64 folderSize(const QString &path)
{
    qint64 size = 0;
    for (QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories); files.hasNext();)
        size += QFileInfo(files.next()).size();
    return size;
}

// The peak resident size of the process while work runs, in kB: what was freed before goes back
// to the system first, so that the work cannot hide inside it. -1 where Linux does not tell.
qint64 peakKilobytes(const std::function<void()> &work)
{
    malloc_trim(0);
    const bool peakKnown = resetPeakMemory();
    work();
    return peakKnown ? statusKilobytes("VmHWM") : -1;
}

} // namespace

void BenchGtfsImport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(writeFeedTables(m_dir.path(), cityShape));
    m_feedPath = m_dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(zipTables(m_dir.path(), m_feedPath));
}

void BenchGtfsImport::import()
{
    // What the feed's generation freed goes back to the system first, so that the import cannot
    // hide inside it.
    malloc_trim(0);
    const bool peakKnown = resetPeakMemory();
    m_startKilobytes = statusKilobytes("VmRSS");
    QElapsedTimer timer;
    QBENCHMARK
    {
        RouteData route;
        QString error;
        timer.start();
        QStringList notes;
        GtfsImportOptions options;
        options.route = QStringLiteral("250");
        QVERIFY2(importGtfsRoute(m_feedPath, options, m_dir.filePath(QStringLiteral("route")), route, notes, error),
                 qPrintable(error));
        m_nanoseconds += timer.nsecsElapsed();
        ++m_runs;
        QCOMPARE(route.stationCount(), 2 * cityShape.stopsPerTrip);
    }
    if (peakKnown)
        m_peakKilobytes = statusKilobytes("VmHWM");
}

// One line of the depot's feed written as the command-line tool writes it, then all of them, each
// in a new depot; the time of every run, the memory of the first.
void BenchGtfsImport::depot()
{
    const QString folder = m_dir.filePath(QStringLiteral("depot-feed"));
    const QString feedPath = folder + QLatin1String("/feed.zip");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFeedTables(folder, depotShape));
    QVERIFY(zipTables(folder, feedPath));
    const qint64 stopTimesSize = fileSize(folder + QLatin1String("/stop_times.txt"));
    for (const char *table : tables)
        QFile::remove(folder + QLatin1Char('/') + QLatin1String(table));

    QElapsedTimer timer;
    qint64 lineMilliseconds = 0;
    const qint64 startKilobytes = statusKilobytes("VmRSS");
    const qint64 linePeak = peakKilobytes([&] {
        GtfsImportOptions options;
        options.route = QStringLiteral("35");
        QStringList notes;
        QString error;
        timer.start();
        const GtfsImportResult imported
            = importGtfsIntoFolder(feedPath, options, folder + QLatin1String("/line/35"), notes, error);
        lineMilliseconds = timer.elapsed();
        QVERIFY2(imported == GtfsImportResult::Imported, qPrintable(error));
    });
    Timing depotTiming;
    qint64 depotPeak = -1;
    for (int run = 0; run < 3; ++run) {
        const QString depot = folder + QLatin1String("/depot") + QString::number(run);
        GtfsDepotImport result;
        const qint64 peak = peakKilobytes([&] {
            timer.start();
            const GtfsImportResult imported = importGtfsDepot(feedPath, GtfsImportOptions(), depot, result);
            depotTiming.add(timer.nsecsElapsed());
            QVERIFY2(imported == GtfsImportResult::Imported, qPrintable(result.error));
        });
        QCOMPARE(result.routes.size(), depotShape.routeCount);
        QCOMPARE(result.rowsRead, qint64(depotShape.trips()) * depotShape.stopsPerTrip);
        if (run == 0)
            depotPeak = peak;
    }
    const qint64 outputKilobytes = folderSize(folder + QLatin1String("/depot0")) / 1024;
    qInfo("depot: %lld stop times, stop_times.txt %.1f MB, feed %.1f MB zipped",
          qint64(depotShape.trips()) * depotShape.stopsPerTrip, stopTimesSize / 1e6, fileSize(feedPath) / 1e6);
    qInfo("one line: %lld ms; all %d lines: %s", lineMilliseconds, depotShape.routeCount,
          depotTiming.text().constData());
    qInfo("resident memory: %lld kB before, one line %lld kB at its peak, all lines %lld kB at their peak; "
          "the %d route folders hold %lld kB (-1: unknown here)",
          startKilobytes, linePeak, depotPeak, depotShape.routeCount, outputKilobytes);
}

void BenchGtfsImport::repeatedStopTimes()
{
    const QString folder = m_dir.filePath(QStringLiteral("repeated"));
    const QString feedPath = folder + QLatin1String("/feed.zip");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeSmallFeed(folder, 6000000));
    QVERIFY(zipTables(folder, feedPath));
    malloc_trim(0);
    const bool peakKnown = resetPeakMemory();
    const qint64 startKilobytes = statusKilobytes("VmRSS");
    QElapsedTimer timer;
    timer.start();
    RouteData route;
    GtfsImportOptions options;
    options.route = QStringLiteral("1");
    QStringList notes;
    QString error;
    QVERIFY(!importGtfsRoute(feedPath, options, folder + QLatin1String("/route"), route, notes, error));
    const qint64 milliseconds = timer.elapsed();
    QVERIFY2(error.contains(QLatin1String("twice")), qPrintable(error));
    qInfo("6,000,000 repeated stop times, feed %.1f MB zipped: refused in %lld ms (\"%s\")", fileSize(feedPath) / 1e6,
          milliseconds, qPrintable(error));
    qInfo("resident memory: %lld kB before, %lld kB at the peak (-1: unknown here)", startKilobytes,
          peakKnown ? statusKilobytes("VmHWM") : -1);
}

void BenchGtfsImport::cleanupTestCase()
{
    if (m_runs == 0)
        return;
    const QString stopTimes = m_dir.filePath(QStringLiteral("stop_times.txt"));
    qInfo("import: %.0f ms per run (mean of %d runs); stop_times.txt %.1f MB, feed %.1f MB zipped",
          m_nanoseconds / 1e6 / m_runs, m_runs, fileSize(stopTimes) / 1e6, fileSize(m_feedPath) / 1e6);
    // The peak is that of the whole process, Qt's libraries included; the size before the import
    // tells how much of it the import added.
    qInfo("resident memory: %lld kB before the import, %lld kB at its peak (-1: unknown here)", m_startKilobytes,
          m_peakKilobytes);
}

QTEST_GUILESS_MAIN(BenchGtfsImport)
#include "bench_gtfsimport.moc"
