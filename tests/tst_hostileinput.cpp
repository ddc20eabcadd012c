#include "fixturefiles.h"
#include "gtfsfeeds.h"
#include "gtfsimport.h"
#include "routedata.h"
#include "textrules.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <iterator>
#include <map>

using namespace FixtureFiles;

// Route folders that are damaged, hand-edited or hostile: loading never crashes or hangs, a
// save writes what the next load reads back unchanged, and huge files cost time and memory in
// proportion to their size. The inputs the fuzzers of tests/fuzz found are kept here.
class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void savesToFixedPoint_data();
    void savesToFixedPoint();
    void byteOrderMarksInsideText();
    void adFolderStaysBesideRoute_data();
    void adFolderStaysBesideRoute();
    void hugeFile_data();
    void hugeFile();
    void nulBytes_data();
    void nulBytes();
    void folderInPlaceOfFile_data();
    void folderInPlaceOfFile();
    void oddFolderName_data();
    void oddFolderName();
    void hostileFeed_data();
    void hostileFeed();
};

namespace {

// A small valid station list for the cases that vary another file.
const QByteArray stationList = "\xEF\xBB\xBF"
                               "12\\\\Вокзал\\\\Парк\\\\F11;R4;#080400;\r\n"
                               "1 Остановка Вокзал.\\\\Следующая Парк.\r\n"
                               "  01.wav\r\n"
                               "2 Остановка Парк.\r\n"
                               "  02.wav\r\n"
                               "3 END\r\n";

// Writes the files into a route folder "route" below parent (beside its advertising folder
// "Reklama"), with the small station list unless files bring their own.
QString writeRouteFolder(const QString &parent, const Files &files)
{
    const QString route = parent + QLatin1String("/route");
    if (!writeFile(route + QLatin1String("/ost.txt"), stationList)
        || !QDir().mkpath(parent + QLatin1String("/Reklama")))
        qWarning("cannot write the route folder");
    for (const auto &[name, content] : files) {
        if (!writeFile(parent + QLatin1Char('/') + name, content))
            qWarning("cannot write %s", qPrintable(name));
    }
    return route;
}

// The kernel keeps the peak memory of the process; writing 5 to clear_refs starts it anew
// from the memory in use, so that each case measures its own peak.
bool resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

// Peak resident memory since the last reset, in bytes; 0 when the kernel does not tell.
qint64 peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

QByteArray repeated(const QByteArray &unit, int size)
{
    QByteArray bytes;
    bytes.reserve(size + unit.size());
    while (bytes.size() < size)
        bytes += unit;
    return bytes;
}

const int megabyte = 1024 * 1024;

// The address sanitizer keeps freed memory in quarantine and runs several times slower, so
// memory is measured in the normal build only, and time is given more room there. The limits
// catch a blow-up, not a slow machine: a 50 MB file takes about 1.5 s on an idle machine and
// up to four times that on a busy one, while a quadratic reader takes minutes.
#ifdef __SANITIZE_ADDRESS__
const bool sanitizedAllocator = true;
const int timeLimit = 100000;
#else
const bool sanitizedAllocator = false;
const int timeLimit = 30000;
#endif

// Texts are held as UTF-16 and the file is built whole before writing: some copies of the
// input, never more.
const int memoryFactor = 12;

} // namespace

void TestHostileInput::savesToFixedPoint_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");

    // decodeFileText dropped the byte order mark at the start of a field and kept a second one,
    // which the next reading dropped in turn.
    QTest::newRow("route number of two byte order marks") << QStringLiteral("route/ost.txt")
                                                          << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF"
                                                                        "12\\\\A\\\\B\\\\F11;\r\n");
    // A side name derived from a quoted stop name kept the blanks inside the quotes, which
    // sidetab.txt loses on reading.
    QTest::newRow("quoted stop name with inner blanks")
        << QStringLiteral("route/ost.txt") << QByteArray("12\r\n1 \"Парк \x0B\"\r\n2 \" Вокзал \".\r\n");
    // Colours wider than 24 bits compared unequal to their written 24 bits, so the colour list
    // shrank on the second save.
    QTest::newRow("colour of more than six digits")
        << QStringLiteral("route/backtab.txt") << QByteArray("7\\\\A\\\\B\\\\#1abcdef,abcdef;\r\n");
    // A stop number at the lower end of int overflowed when it was turned into a list index.
    QTest::newRow("side names of stop numbers at the ends of int")
        << QStringLiteral("route/sidetab.txt") << QByteArray("12\r\n-2147483648 X\r\n2147483647 Y\r\n1 Z\r\n");
    QTest::newRow("coordinates of stop numbers at the ends of int")
        << QStringLiteral("route/coord.txt")
        << QByteArray(" NEXTDELAY:5\r\n-2147483648 1 2 30\r\n2147483647 3 4 5\r\n");
    QTest::newRow("script files of stop numbers at the ends of int")
        << QStringLiteral("route/script.txt") << QByteArray("1 a.wav\r\n-2147483648 b.wav\r\n2147483647 c.wav\r\n");
    // A position that rounds to zero from below was written "-0.00000", then "0.00000".
    QTest::newRow("position just below zero")
        << QStringLiteral("route/coord.txt") << QByteArray(" NEXTDELAY:5\r\n1 -0.000001 -0.0000049 30\r\n");
    QTest::newRow("salon colour of more than six digits")
        << QStringLiteral("route/script.txt") << QByteArray(" SALON_COLOR:#fffabcdef\r\n");
}

// The writers' output read back and written again gives the same bytes.
void TestHostileInput::savesToFixedPoint()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);

    QTemporaryDir parent;
    const QString folder = writeRouteFolder(parent.path(), {{file, content}});
    RouteData first;
    QVERIFY(first.load(folder));
    QVERIFY(first.save());
    const Files saved = filesOf(parent.path());
    RouteData second;
    QVERIFY(second.load(folder));
    QVERIFY(second.save());
    QVERIFY(filesOf(parent.path()) == saved);
}

// Every byte order mark but the one that starts a file is text, and survives decoding.
void TestHostileInput::byteOrderMarksInsideText()
{
    const QString mark(QChar::ByteOrderMark);
    QCOMPARE(decodeFileText("\xEF\xBB\xBF"
                            "12"),
             mark + QLatin1String("12"));
    QCOMPARE(decodeFileText("\xEF\xBB\xBF\xEF\xBB\xBF"), mark + mark);
    QCOMPARE(decodeFileText("1\xEF\xBB\xBF"
                            "2"),
             QLatin1Char('1') + mark + QLatin1Char('2'));
}

void TestHostileInput::adFolderStaysBesideRoute_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("adFolder");

    QTest::newRow("beside") << QByteArray("/Реклама/") << QStringLiteral("Реклама");
    QTest::newRow("inside") << QByteArray("/route/Rek/") << QStringLiteral("route/Rek");
    QTest::newRow("down and up again") << QByteArray("/route/../Rek/") << QStringLiteral("route/../Rek");
    QTest::newRow("up out of the parent") << QByteArray("/../Reklama/") << QStringLiteral("Reklama");
    QTest::newRow("up to the root") << QByteArray("/../../../../../../../../tmp/") << QStringLiteral("Reklama");
    QTest::newRow("up after a folder") << QByteArray("/route/../../x/") << QStringLiteral("Reklama");
}

// script.txt names the advertising folder relative to the parent of the route folder; a
// value that climbs out of it is ignored, so a save never writes rscript.txt elsewhere.
void TestHostileInput::adFolderStaysBesideRoute()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, adFolder);

    QTemporaryDir parent;
    const QString folder
        = writeRouteFolder(parent.path(), {{QStringLiteral("route/script.txt"), " PATH_REKLAMA:" + value + "\r\n"}});
    RouteData route;
    QVERIFY(route.load(folder));
    QCOMPARE(route.adFolder(), parent.filePath(adFolder));
}

namespace {

// The huge inputs are made only when their case runs, so that one case's input does not
// weigh on another's memory.
struct HugeCase
{
    const char *name;
    const char *file;
    QByteArray (*content)();
};

const int longLine = 10 * megabyte;

const HugeCase hugeCases[] = {
    // Thousands of stops: sidetab.txt and rscript.txt were built by appending string builder
    // expressions, each of which copied the whole file so far; without the C library's
    // in-place growth (under the address sanitizer) this save took minutes.
    {"50 MB station list", "route/ost.txt",
     []() -> QByteArray {
         const QByteArray stop = "Остановка " + repeated("Длинное название ", 400) + "\\\\Следующая остановка";
         QByteArray list = "\xEF\xBB\xBF"
                           "12\\\\A\\\\B\\\\F11;R4;#080400;\r\n";
         for (int number = 1; list.size() < 50 * megabyte; ++number)
             list
                 += QByteArray::number(number) + ' ' + stop + "\r\n  " + QByteArray::number(number) + ".wav, a.txt\r\n";
         return list;
     }},
    {"header of mode letters", "route/ost.txt",
     []() -> QByteArray { return "12\\\\A" + repeated("_S", longLine) + "\r\n"; }},
    {"header of items", "route/backtab.txt",
     []() -> QByteArray { return "12\\\\A\\\\B\\\\" + repeated("#1,;", longLine) + "\r\n"; }},
    {"colour list of commas", "route/sidetab.txt",
     []() -> QByteArray { return "12\\\\A\\\\B\\\\#" + repeated(",", longLine) + "\r\n"; }},
    {"header of empty items", "route/backtab.txt",
     []() -> QByteArray { return "12\\\\A\\\\B\\\\" + repeated(";", longLine) + "\r\n"; }},
    {"stop name", "route/ost.txt", []() -> QByteArray { return "12\r\n1 " + repeated("Имя ", longLine) + "\r\n"; }},
    {"files line", "route/ost.txt",
     []() -> QByteArray { return "12\r\n1 A\r\n  " + repeated("a.wav,", longLine) + "\r\n"; }},
    {"quoted script value", "route/script.txt",
     []() -> QByteArray { return " MARSH:\"" + repeated("\\\"a", longLine) + "\"\r\n"; }},
    {"script keys", "route/script.txt", []() -> QByteArray { return repeated(" SM:R", longLine) + "\r\n"; }},
    {"script station line", "route/script.txt",
     []() -> QByteArray { return "1 " + repeated("\"b c.mp3\",", longLine) + "\r\n"; }},
    {"coordinates of blanks", "route/coord.txt",
     []() -> QByteArray { return "1" + repeated(" ", longLine) + "55.1 37.2 30\r\n"; }},
    {"advertising name", "Reklama/rscript.txt", []() -> QByteArray { return repeated("r", longLine) + ".txt\r\n"; }},
    {"side name", "route/sidetab.txt", []() -> QByteArray { return "12\r\n1 " + repeated("Имя", longLine) + "\r\n"; }},
};

} // namespace

void TestHostileInput::hugeFile_data()
{
    QTest::addColumn<int>("index");

    for (int index = 0; index < int(std::size(hugeCases)); ++index)
        QTest::newRow(hugeCases[index].name) << index;
}

// A huge file or line loads and saves in a few seconds, with memory in proportion to its size.
void TestHostileInput::hugeFile()
{
    QFETCH(int, index);
    const HugeCase &hugeCase = hugeCases[index];
    const QByteArray content = hugeCase.content();

    QTemporaryDir parent;
    const QString folder = writeRouteFolder(parent.path(), {{QString::fromLatin1(hugeCase.file), content}});
    const bool measured = resetPeakMemory();
    const qint64 memoryBefore = peakMemory();
    QElapsedTimer timer;
    timer.start();
    {
        RouteData route;
        QVERIFY(route.load(folder));
        QVERIFY(route.save());
    }
    QVERIFY2(timer.elapsed() < timeLimit, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    const qint64 grown = peakMemory() - memoryBefore;
    qDebug("%lld ms, %lld MB for %d MB", timer.elapsed(), grown / megabyte, int(content.size() / megabyte));
    if (measured && !sanitizedAllocator)
        QVERIFY2(grown < memoryFactor * qint64(content.size()) + 64 * megabyte,
                 qPrintable(QStringLiteral("%1 MB").arg(grown / megabyte)));
}

void TestHostileInput::nulBytes_data()
{
    QTest::addColumn<QString>("file");

    for (const char *file : {"route/ost.txt", "route/sidetab.txt", "route/backtab.txt", "route/script.txt",
                             "route/coord.txt", "Reklama/rscript.txt"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

// A file of zero bytes, as a broken copy leaves it, loads and saves to a fixed point.
void TestHostileInput::nulBytes()
{
    QFETCH(QString, file);

    QTemporaryDir parent;
    const QString folder = writeRouteFolder(parent.path(), {{file, QByteArray(megabyte, '\0')}});
    RouteData first;
    QVERIFY(first.load(folder));
    QVERIFY(first.save());
    const Files saved = filesOf(parent.path());
    RouteData second;
    QVERIFY(second.load(folder));
    QVERIFY(second.save());
    QVERIFY(filesOf(parent.path()) == saved);
}

void TestHostileInput::folderInPlaceOfFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("loads");

    QTest::newRow("ost.txt") << QStringLiteral("route/ost.txt") << false;
    for (const char *file :
         {"route/sidetab.txt", "route/backtab.txt", "route/script.txt", "route/coord.txt", "Reklama/rscript.txt"})
        QTest::newRow(file) << QString::fromLatin1(file) << true;
}

// A folder where a file should be reads like a missing file, and the save that cannot
// replace it fails without touching it.
void TestHostileInput::folderInPlaceOfFile()
{
    QFETCH(QString, file);
    QFETCH(bool, loads);

    QTemporaryDir parent;
    const QString folder = writeRouteFolder(parent.path(), {});
    QFile::remove(parent.filePath(file));
    QVERIFY(writeFile(parent.filePath(file + QLatin1String("/inside.txt")), "kept"));
    RouteData route;
    QCOMPARE(route.load(folder), loads);
    if (!loads)
        return;
    QCOMPARE(route.stationCount(), 2);
    QVERIFY(!route.save());
    QVERIFY(QFileInfo(parent.filePath(file)).isDir());
    QCOMPARE(filesOf(parent.filePath(file)), (Files{{QStringLiteral("inside.txt"), "kept"}}));
}

void TestHostileInput::oddFolderName_data()
{
    QTest::addColumn<QString>("routeName");
    QTest::addColumn<QString>("adName");

    QTest::newRow("advertising folder beside") << QStringLiteral("Маршрут \"12\" А") << QStringLiteral("Реклама 'Б'");
    QTest::newRow("advertising folder inside")
        << QStringLiteral("Маршрут \"12\" А") << QStringLiteral("Маршрут \"12\" А/Рек \"1\"");
}

// Blanks, Cyrillic letters and quotes in the folder names survive the advertising folder's
// trip through script.txt.
void TestHostileInput::oddFolderName()
{
    QFETCH(QString, routeName);
    QFETCH(QString, adName);

    QTemporaryDir parent;
    const QString folder = parent.filePath(routeName);
    const QString adFolder = parent.filePath(adName);
    QVERIFY(writeFile(folder + QLatin1String("/ost.txt"), stationList));
    QVERIFY(QDir().mkpath(adFolder));
    RouteData route;
    QVERIFY(route.load(folder));
    route.setAdFolder(adFolder);
    route.setAdTextFiles({QStringLiteral("реклама \"1\".txt")});
    QVERIFY(route.save());

    RouteData reloaded;
    QVERIFY(reloaded.load(folder));
    QCOMPARE(reloaded.adFolder(), adFolder);
    QCOMPARE(reloaded.adTextFiles(), QStringList{QStringLiteral("реклама \"1\".txt")});
    QCOMPARE(reloaded.stationCount(), 2);
}

void TestHostileInput::hostileFeed_data()
{
    QTest::addColumn<int>("index");

    for (int index = 0; index < hostileFeeds().size(); ++index)
        QTest::newRow(hostileFeeds().at(index).name) << index;
}

// A feed damaged or made to harm is refused with a message that says where, and nothing is
// written.
void TestHostileInput::hostileFeed()
{
    QFETCH(int, index);
    const HostileFeed &feed = hostileFeeds().at(index);

    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(feed.write(feedPath));
    const QString folder = dir.filePath(QStringLiteral("route"));
    GtfsImportOptions options;
    options.route = QStringLiteral("12");
    QStringList notes;
    QString error;
    QVERIFY(importGtfsIntoFolder(feedPath, options, folder, notes, error) == GtfsImportResult::FeedRefused);
    QVERIFY2(error.startsWith(QString::fromUtf8(feed.message)), qPrintable(error));
    QVERIFY(!QFileInfo::exists(folder));
}

QTEST_GUILESS_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
