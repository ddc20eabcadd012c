#include "csvreader.h"
#include "fixturefiles.h"
#include "gtfsdepot.h"
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
    void importedRoute_data();
    void importedRoute();
    void singleTrip();
    void depotFolderNames_data();
    void depotFolderNames();
    void routeList();
    void announcementWords_data();
    void announcementWords();
    void legacyEncoding_data();
    void legacyEncoding();
    void cleanNames_data();
    void cleanNames();
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

GtfsImportOptions lineOptions(const QString &route, const QString &trip = QString(),
                              const QString &secondLanguage = QString())
{
    GtfsImportOptions options;
    options.route = route;
    options.trip = trip;
    options.secondLanguage = secondLanguage;
    return options;
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

void TestGtfsImport::importedRoute_data()
{
    QTest::addColumn<bool>("timeOrder");

    QTest::newRow("stop times by trip") << false;
    QTest::newRow("stop times in time order, trips scattered") << true;
}

// Line 12 with its second language: the stops, announcements, boards and positions as the
// route files hold them, whether the rows of a trip come together or not.
void TestGtfsImport::importedRoute()
{
    QFETCH(bool, timeOrder);
    FeedFiles files = fixtureFeed();
    if (timeOrder) {
        QByteArrayList rows = files.value(QStringLiteral("stop_times.txt")).trimmed().split('\n');
        const QByteArray header = rows.takeFirst();
        std::sort(rows.begin(), rows.end(), [](const QByteArray &left, const QByteArray &right) {
            return left.split(',')[1] < right.split(',')[1];
        });
        files[QStringLiteral("stop_times.txt")] = header + '\n' + rows.join('\n') + '\n';
    }
    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feedPath, files));
    const QString folder = dir.filePath(QStringLiteral("route"));
    RouteData route;
    QStringList notes;
    QString error;
    QVERIFY2(importGtfsRoute(feedPath, lineOptions(QStringLiteral("12"), QString(), QStringLiteral("en")), folder,
                             route, notes, error),
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
    QStringList notes;
    QString error;
    QVERIFY2(importGtfsRoute(feedPath, lineOptions(QStringLiteral("R12"), QStringLiteral("T12_X")), dir.path(), route,
                             notes, error),
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

void TestGtfsImport::depotFolderNames_data()
{
    QTest::addColumn<QStringList>("routes");
    QTest::addColumn<QStringList>("folders");

    QTest::newRow("plain") << QStringList{"12", "Т4", "B11"} << QStringList{"12", "Т4", "B11"};
    QTest::newRow("separators and reserved characters") << QStringList{"N/2", "a\\b", "x:y*z?", "\"q\"<>|", "tab\tin"}
                                                        << QStringList{"N_2", "a_b", "x_y_z_", "_q____", "tab_in"};
    QTest::newRow("trailing dots and blanks")
        << QStringList{"12.", " 7 .", "..", ""} << QStringList{"12", "7", "_", "__2"};
    QTest::newRow("device names") << QStringList{"CON", "com1", "Lpt9.x", "CONSOLE"}
                                  << QStringList{"CON_", "com1_", "Lpt9.x_", "CONSOLE"};
    QTest::newRow("duplicates, any letter case")
        << QStringList{"12", "12", "a", "A", "12_2", "12"} << QStringList{"12", "12_2", "a", "A_2", "12_2_2", "12_3"};
    QTest::newRow("long name") << QStringList{QString(150, QLatin1Char('x'))}
                               << QStringList{QString(100, QLatin1Char('x'))};
}

// Folder names that every file system a depot is carried on keeps apart.
void TestGtfsImport::depotFolderNames()
{
    QFETCH(QStringList, routes);
    QFETCH(QStringList, folders);
    QCOMPARE(::depotFolderNames(routes), folders);
}

// Only routes with trips, by short name in natural order; with all of them on request.
void TestGtfsImport::routeList()
{
    FeedFiles files = fixtureFeed();
    files[QStringLiteral("routes.txt")] += "RB11,MGT,B11,,3\nRN,MGT,N,Ночной,3\nRB2,MGT,B2,,3\nRB1,MGT,B1,,3\n";
    files[QStringLiteral("trips.txt")] += "RB11,WD,TB11,,0,\nRB2,WD,TB2,,1,\nRB1,WD,TB1,,0,\n";
    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feedPath, files));
    QList<GtfsRouteSummary> routes;
    QString error;
    QVERIFY2(listGtfsRoutes(feedPath, routes, error), qPrintable(error));
    QStringList shortNames;
    for (const GtfsRouteSummary &route : routes)
        shortNames.append(route.shortName);
    QCOMPARE(shortNames, (QStringList{"7", "12", "B1", "B2", "B11"}));
    const GtfsRouteSummary &twelve = routes.at(1);
    QCOMPARE((QStringList{twelve.id, twelve.longName}),
             (QStringList{QStringLiteral("R12"), QStringLiteral("Вокзал — Парк \"Дружба\"")}));
    QCOMPARE((QList<int>{twelve.trips[0], twelve.trips[1]}), (QList<int>{4, 2}));
    QVERIFY(listGtfsRoutes(feedPath, routes, error, GtfsRouteFilter::All));
    QCOMPARE(routes.size(), 6);
    QCOMPARE(routes.last().id, QStringLiteral("RN"));
}

namespace {

QByteArray agencyOfLanguage(const QByteArray &language)
{
    return "agency_id,agency_name,agency_url,agency_timezone,agency_lang\nMGT,Transit,https://transit.example.org,"
           "Europe/Moscow,"
        + language + '\n';
}

// stops.txt of the hand-made feed with another name for the station Вокзал, the first stop of line 12.
QByteArray stopsNaming(const QByteArray &name)
{
    return QByteArray(fixtureFeed().value(QStringLiteral("stops.txt"))).replace("Вокзал", name);
}

// Imports line 12 of the hand-made feed with the tables of files in place of its own.
bool importLine(const FeedFiles &files, const GtfsImportOptions &options, RouteData &route, QStringList &notes)
{
    FeedFiles feed = fixtureFeed();
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        feed.insert(file.key(), file.value());
    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QString error;
    if (!writeFeed(feedPath, feed) || !importGtfsRoute(feedPath, options, dir.path(), route, notes, error)) {
        qWarning("%s", qPrintable(error));
        return false;
    }
    return true;
}

} // namespace

void TestGtfsImport::announcementWords_data()
{
    QTest::addColumn<QByteArray>("feedLanguage");
    QTest::addColumn<QByteArray>("agencyLanguage");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("noted");

    const QStringList english{"Stop", "Next stop", "Route %n."};
    QTest::newRow("no language named") << QByteArray() << QByteArray() << QString()
                                       << QStringList{"Остановка", "Следующая остановка", "Маршрут %n."} << false;
    QTest::newRow("agency_lang") << QByteArray() << QByteArray("en") << QString() << english << false;
    QTest::newRow("feed_lang first") << QByteArray("de-DE") << QByteArray("en") << QString("es")
                                     << QStringList{"Haltestelle", "Nächste Haltestelle", "Linie %n."} << false;
    QTest::newRow("several languages") << QByteArray("mul") << QByteArray("FR") << QString()
                                       << QStringList{"Arrêt", "Prochain arrêt", "Ligne %n."} << false;
    QTest::newRow("option") << QByteArray() << QByteArray() << QString("es")
                            << QStringList{"Parada", "Próxima parada", "Línea %n."} << false;
    QTest::newRow("Ukrainian") << QByteArray("uk") << QByteArray() << QString()
                               << QStringList{"Зупинка", "Наступна зупинка", "Маршрут %n."} << false;
    QTest::newRow("Kazakh") << QByteArray() << QByteArray("kk") << QString()
                            << QStringList{"Аялдама", "Келесі аялдама", "Маршрут %n."} << false;
    QTest::newRow("Tatar") << QByteArray() << QByteArray() << QString("tt")
                           << QStringList{"Тукталыш", "Киләсе тукталыш", "Маршрут %n."} << false;
    QTest::newRow("unknown language") << QByteArray("pt-BR") << QByteArray() << QString() << english << true;
}

// The first language speaks the feed's language: the words of the announcements and the route
// line of the interior board.
void TestGtfsImport::announcementWords()
{
    QFETCH(QByteArray, feedLanguage);
    QFETCH(QByteArray, agencyLanguage);
    QFETCH(QString, language);
    QFETCH(QStringList, words);
    QFETCH(bool, noted);

    FeedFiles files;
    if (!feedLanguage.isNull())
        files.insert(QStringLiteral("feed_info.txt"), "feed_publisher_name,feed_lang\nTransit," + feedLanguage + '\n');
    if (!agencyLanguage.isNull())
        files.insert(QStringLiteral("agency.txt"), agencyOfLanguage(agencyLanguage));
    GtfsImportOptions options = lineOptions(QStringLiteral("12"));
    if (!language.isEmpty())
        options.language = language;
    RouteData route;
    QStringList notes;
    QVERIFY(importLine(files, options, route, notes));
    QCOMPARE((QStringList{route.stationWord(0), route.nextWord(0), route.routeText(0)}), words);
    QCOMPARE(route.stationAt(0)->name[0], words.at(0) + QStringLiteral(" Вокзал."));
    QCOMPARE(route.stationAt(0)->nextName[0], words.at(1) + QStringLiteral(" Рынок, главный вход."));
    QCOMPARE(!notes.isEmpty(), noted);
}

void TestGtfsImport::legacyEncoding_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("decoded");
    QTest::addColumn<QString>("note");

    QTest::newRow("Windows-1252") << QByteArray("de")
                                  << QByteArray("Stra\xDF"
                                                "e")
                                  << QStringLiteral("Straße")
                                  << QStringLiteral(
                                         "stops.txt is not UTF-8 from line 4 on: it is read as Windows-1252");
    QTest::newRow("Windows-1251 for Russian")
        << QByteArray("ru") << QByteArray("\xC2\xEE\xEA\xE7\xE0\xEB") << QStringLiteral("Вокзал")
        << QStringLiteral("stops.txt is not UTF-8 from line 4 on: it is read as Windows-1251");
}

// A table that is not UTF-8 is read in the legacy encoding of the feed's language, and said so.
void TestGtfsImport::legacyEncoding()
{
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, name);
    QFETCH(QString, decoded);
    QFETCH(QString, note);

    FeedFiles files{{QStringLiteral("agency.txt"), agencyOfLanguage(language)}};
    files.insert(QStringLiteral("stops.txt"), stopsNaming(name));
    RouteData route;
    QStringList notes;
    QVERIFY(importLine(files, lineOptions(QStringLiteral("12")), route, notes));
    QCOMPARE(route.stationAt(0)->sideName[0], decoded);
    QCOMPARE(notes, QStringList{note});
}

void TestGtfsImport::cleanNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cleaned");

    QTest::newRow("remark for staff") << QStringLiteral("MACKENZIE LOOP (no G-A-R: use 300000)")
                                      << QStringLiteral("MACKENZIE LOOP");
    QTest::newRow("nested remarks and blanks")
        << QStringLiteral("Парк  (вход (север))  Дружба") << QStringLiteral("Парк Дружба");
    QTest::newRow("nothing but a remark") << QStringLiteral("(депо)") << QStringLiteral("(депо)");
    QTest::newRow("unclosed parenthesis") << QStringLiteral("Парк (вход") << QStringLiteral("Парк (вход");
}

// --clean-names takes the remarks out of a stop's name and lists what it changed.
void TestGtfsImport::cleanNames()
{
    QFETCH(QString, name);
    QFETCH(QString, cleaned);

    const FeedFiles files{{QStringLiteral("stops.txt"), stopsNaming(name.toUtf8())}};
    GtfsImportOptions options = lineOptions(QStringLiteral("12"));
    options.cleanNames = true;
    RouteData route;
    QStringList notes;
    QVERIFY(importLine(files, options, route, notes));
    QCOMPARE(route.stationAt(0)->sideName[0], cleaned);
    QCOMPARE(notes,
             cleaned == name ? QStringList()
                             : QStringList{QStringLiteral("Name cleaned: \"%1\" is now \"%2\"").arg(name, cleaned)});
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
    QStringList notes;
    QString reported;
    QVERIFY(!importGtfsRoute(feedPath, lineOptions(routeName, trip), dir.path(), route, notes, reported));
    QCOMPARE(reported, error);
    QCOMPARE(route.stationCount(), 0);
}

QTEST_GUILESS_MAIN(TestGtfsImport)
#include "tst_gtfsimport.moc"
