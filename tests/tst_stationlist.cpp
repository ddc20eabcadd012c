#include "fixturefiles.h"
#include "routedata.h"
#include "stationlistfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// ost.txt, sidetab.txt and backtab.txt: reading, writing byte for byte, and what a failed
// write leaves behind.
class TestStationList : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void header_data();
    void header();
    void stops();
    void fileLists_data();
    void fileLists();
    void numberedSoundFile();
    void sideNames_data();
    void sideNames();
    void missingBoardFiles();
    void writerOutput();
    void utf8SurvivesSaving_data();
    void utf8SurvivesSaving();
    void failedWriteKeepsFiles();
    void readOnlyFolder();
};

namespace {

const QStringList boardFiles{QStringLiteral("ost.txt"), QStringLiteral("sidetab.txt"), QStringLiteral("backtab.txt")};

// The content of a file that must exist; a missing one fails the comparison that follows.
QByteArray readFile(const QString &path)
{
    QByteArray content;
    if (!FixtureFiles::readFile(path, content))
        return QByteArrayLiteral("<cannot read ") + path.toUtf8() + '>';
    return content;
}

QString fixture(const QString &name)
{
    return FixtureFiles::fixture(QStringLiteral("boards/") + name);
}

// Loads a route from the given ost.txt content alone.
void loadStationList(RouteData &route, const QTemporaryDir &folder, const QByteArray &stationList)
{
    QVERIFY(FixtureFiles::writeFile(folder.filePath(QStringLiteral("ost.txt")), stationList));
    QVERIFY(route.load(folder.path()));
}

} // namespace

void TestStationList::roundTrip_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    for (const QString &name : {QStringLiteral("canonical"), QStringLiteral("lf-without-bom"), QStringLiteral("windows-1251")})
        QTest::newRow(qPrintable(name)) << fixture(name + QStringLiteral("/input")) << fixture(name + QStringLiteral("/expected"));
}

void TestStationList::roundTrip()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    for (const QString &name : boardFiles)
        QVERIFY(QFile::copy(input + QLatin1Char('/') + name, folder.filePath(name)));

    RouteData route;
    QVERIFY(route.load(folder.path()));
    QVERIFY(route.writeStationList());
    QVERIFY(route.writeSideBoard());
    QVERIFY(route.writeBackBoard());
    for (const QString &name : boardFiles)
        QCOMPARE(readFile(folder.filePath(name)), readFile(expected + QLatin1Char('/') + name));

    QCOMPARE(route.stationCount(), 6);
    QCOMPARE(route.backStationIndex(), 3);
    QVERIFY(route.frontDestination(0).startsWith(QStringLiteral("Парк ")));
    QCOMPARE(route.stationAt(0)->soundFiles, QStringList({QStringLiteral("01.wav"), QStringLiteral("Вокзал, перрон 2.mp3")}));
    QCOMPARE(route.stationAt(1)->soundFiles, QStringList());
    QCOMPARE(route.stationAt(5)->textFiles, QStringList{QStringLiteral("перрон 1.txt")});
    QCOMPARE(route.stationAt(0)->sideName[1], QStringLiteral("Station"));
    QCOMPARE(route.sideSeparator(), QStringLiteral("hh:mm"));
    QCOMPARE(route.backStartingPoint(0), QString());
    QCOMPARE(route.backDestination(1), QStringLiteral("Druzhba_Park"));
}

void TestStationList::header_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("font");
    QTest::addColumn<bool>("fontItem");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<QList<int>>("colors");

    const QList<int> amber{0x080400, 0x080400, 0x080400};
    QTest::newRow("number alone") << QByteArray("12") << "12" << "" << "" << 0 << 0 << false << 4 << amber;
    QTest::newRow("empty line") << QByteArray() << "" << "" << "" << 0 << 0 << false << 4 << amber;
    QTest::newRow("missing separators") << QByteArray("5\\\\A") << "5" << "A" << "" << 0 << 0 << false << 4 << amber;
    QTest::newRow("example") << QByteArray("12\\\\Пункт А\\\\Пункт Б_S_C\\\\F11;R4;#080400;") << "12" << "Пункт А"
                             << "Пункт Б" << 9 << 0 << true << 4 << amber;
    QTest::newRow("F0 sets both") << QByteArray("1\\\\a\\\\b\\\\F0") << "1" << "a" << "b" << 0 << 3 << true << 4 << amber;
    QTest::newRow("F1 sets none") << QByteArray("1\\\\a\\\\b\\\\F1") << "1" << "a" << "b" << 0 << 0 << true << 4 << amber;
    QTest::newRow("F alone") << QByteArray("1\\\\a\\\\b\\\\F;") << "1" << "a" << "b" << 0 << 0 << true << 4 << amber;
    QTest::newRow("F01") << QByteArray("1\\\\a\\\\b\\\\F01") << "1" << "a" << "b" << 0 << 1 << true << 4 << amber;
    QTest::newRow("R99 clamps") << QByteArray("1\\\\a\\\\b\\\\R99") << "1" << "a" << "b" << 0 << 0 << false << 16 << amber;
    QTest::newRow("R-3 clamps") << QByteArray("1\\\\a\\\\b\\\\R-3") << "1" << "a" << "b" << 0 << 0 << false << 0 << amber;
    QTest::newRow("R no number") << QByteArray("1\\\\a\\\\b\\\\Rx") << "1" << "a" << "b" << 0 << 0 << false << 0 << amber;
    QTest::newRow("three-digit colour") << QByteArray("1\\\\a\\\\b\\\\#abc") << "1" << "a" << "b" << 0 << 0 << false << 4
                                        << QList<int>{0xa0b0c0, 0xa0b0c0, 0xa0b0c0};
    QTest::newRow("two colours") << QByteArray("1\\\\a\\\\b\\\\#ff0000,#00ff00") << "1" << "a" << "b" << 0 << 0 << false << 4
                                 << QList<int>{0xff0000, 0x00ff00, 0x00ff00};
    QTest::newRow("unknown items") << QByteArray("1\\\\a\\\\b\\\\;;Q7;N40;R2") << "1" << "a" << "b" << 0 << 0 << false << 2 << amber;
    QTest::newRow("destination suffix letter") << QByteArray("1\\\\a\\\\Terminal_C") << "1" << "a" << "Terminal" << 8 << 0
                                               << false << 4 << amber;
    QTest::newRow("unknown letter removed") << QByteArray("1\\\\a\\\\Terminal_x") << "1" << "a" << "Terminal" << 0 << 0
                                            << false << 4 << amber;
    QTest::newRow("start suffix wins") << QByteArray("1\\\\a_M\\\\b_S") << "1" << "a" << "b_S" << 16 << 0 << false << 4 << amber;
    QTest::newRow("blank destination with mode") << QByteArray("1\\\\ \\\\ _S_N_V_C_M\\\\") << "1" << "" << "" << 31 << 0
                                                 << false << 4 << amber;
    QTest::newRow("surrounding blanks trimmed") << QByteArray(" 12 \\\\  A  \\\\ B _C \\\\") << "12" << "A" << "B" << 8 << 0
                                                << false << 4 << amber;
}

void TestStationList::header()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, number);
    QFETCH(QString, start);
    QFETCH(QString, destination);
    QFETCH(int, mode);
    QFETCH(int, font);
    QFETCH(bool, fontItem);
    QFETCH(int, timeout);
    QFETCH(QList<int>, colors);

    QTemporaryDir folder;
    RouteData route;
    loadStationList(route, folder, line + "\r\n");
    QCOMPARE(route.frontNumber(), number);
    QCOMPARE(route.frontStartingPoint(0), start);
    QCOMPARE(route.frontDestination(0), destination);
    QCOMPARE(route.frontMode(), mode);
    QCOMPARE(route.frontFont(), font);
    QCOMPARE(route.frontFontFromStationList(), fontItem);
    QCOMPARE(route.frontNameTimeout(), timeout);
    QCOMPARE((QList<int>{route.frontNumberColor(), route.frontStartColor(), route.frontDestColor()}), colors);
    QCOMPARE(route.stationCount(), 0);
    QVERIFY(!route.hasReturnDirection());
}

void TestStationList::stops()
{
    QTemporaryDir folder;
    RouteData route;
    loadStationList(route, folder,
                    "12\\\\A\\\\B\\\\\n"
                    "  Second\\\\Language\n"
                    "  skipped header line\n"
                    "1 First\\\\Next\\\\with separator\n"
                    "  Erste\\\\Nächste\n"
                    "  a.wav\n"
                    "  b.txt, c.mp3\n"
                    "\n"
                    "0 ignored text\n"
                    "x no number\n"
                    "5 STOPover\n"
                    "6 STOP Back\n"
                    "  not a file list\n"
                    "  and not a second name\n"
                    "7 Last\n"
                    "8 END\n"
                    "9 After end\n");
    QCOMPARE(route.frontStartingPoint(1), QStringLiteral("Second"));
    QCOMPARE(route.frontDestination(1), QStringLiteral("Language"));
    QCOMPARE(route.stationCount(), 7);
    const Station *first = route.stationAt(0);
    QCOMPARE(first->name, (TextPair{QStringLiteral("First"), QStringLiteral("Erste")}));
    QCOMPARE(first->nextName, (TextPair{QStringLiteral("Next\\\\with separator"), QStringLiteral("Nächste")}));
    QCOMPARE(first->soundFiles, (QStringList{QStringLiteral("a.wav"), QStringLiteral("c.mp3")}));
    QCOMPARE(first->textFiles, QStringList{QStringLiteral("b.txt")});
    QCOMPARE(first->radius, quint8(25));
    for (int index : {1, 2, 3})
        QCOMPARE(route.stationAt(index)->name[0], QString());
    QCOMPARE(route.stationAt(4)->name[0], QStringLiteral("over"));
    QCOMPARE(route.stationAt(5)->name[0], QStringLiteral("Back"));
    QCOMPARE(route.stationAt(5)->name[1], QStringLiteral("not a file list"));
    QCOMPARE(route.backStationIndex(), 5);
    QVERIFY(route.hasReturnDirection());
}

void TestStationList::fileLists_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("count");

    QTest::newRow("plain") << QByteArray("  a.wav, b.txt") << QStringList{"a.wav"} << QStringList{"b.txt"} << 2;
    QTest::newRow("no commas") << QByteArray("  a.wav\tb.MP3 c.ape") << QStringList{"a.wav", "b.MP3", "c.ape"} << QStringList()
                               << 3;
    QTest::newRow("quoted") << QByteArray("  \"Вокзал, перрон.wav\",\"x y.txt\"") << QStringList{"Вокзал, перрон.wav"}
                            << QStringList{"x y.txt"} << 2;
    QTest::newRow("unclosed quote") << QByteArray("  \"open name.wav") << QStringList{"open name.wav"} << QStringList() << 1;
    QTest::newRow("other kinds ignored") << QByteArray("  a.doc, b.wav") << QStringList{"b.wav"} << QStringList() << 1;
    QTest::newRow("nothing") << QByteArray("  ,, ") << QStringList() << QStringList() << 0;
    QTest::newRow("windows-1251 name") << QByteArray("  \xC2\xEE\xEA\xE7\xE0\xEB.wav") << QStringList{"Вокзал.wav"}
                                       << QStringList() << 1;
}

void TestStationList::fileLists()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, sounds);
    QFETCH(QStringList, texts);
    QFETCH(int, count);
    Station station;
    QCOMPARE(parseFileList(line, station), count);
    QCOMPARE(station.soundFiles, sounds);
    QCOMPARE(station.textFiles, texts);
}

void TestStationList::numberedSoundFile()
{
    QTemporaryDir folder;
    QVERIFY(FixtureFiles::writeFile(folder.filePath(QStringLiteral("05.wav")), QByteArray()));
    QVERIFY(FixtureFiles::writeFile(folder.filePath(QStringLiteral("123.wav")), QByteArray()));
    RouteData route;
    loadStationList(route, folder, "1\r\n5 Fifth\r\n123 Many\r\n  .wav\r\n7 Seventh\r\n  own.txt\r\n");
    QCOMPARE(route.stationAt(0)->soundFiles, QStringList{QStringLiteral("05.wav")});
    // A stop written without files ("  .wav") stays without files.
    QCOMPARE(route.stationAt(1)->soundFiles, QStringList());
    QCOMPARE(route.stationAt(2)->soundFiles, QStringList());
}

void TestStationList::sideNames_data()
{
    QTest::addColumn<QByteArray>("stationList");
    QTest::addColumn<QByteArray>("sideBoard");
    QTest::addColumn<QStringList>("names");

    const QByteArray oneEntryPerStop = "1\r\n1 Остановка \"А\".\\\\Следующая Б\r\n2 Остановка Б\r\n3 STOP Остановка Б\\\\x\r\n4 Остановка А\r\n";
    const QByteArray alternating = "1\r\n1 Остановка А\r\n2 Следующая Б\r\n3 Остановка Б\r\n4 STOP Остановка Б\r\n5 Следующая А\r\n6 Остановка А\r\n";
    QTest::newRow("read") << oneEntryPerStop << QByteArray("1\r\n2 Bee\r\n  Zwei\r\n9 out of range\r\n0 zero\r\n")
                          << QStringList{"", "Bee", "", ""};
    QTest::newRow("no stop named") << oneEntryPerStop << QByteArray("1\r\n9 out of range\r\n1\r\n")
                                   << QStringList{"А", "Б", "Б", "А"};
    QTest::newRow("no file") << oneEntryPerStop << QByteArray() << QStringList{"А", "Б", "Б", "А"};
    QTest::newRow("alternating") << alternating << QByteArray() << QStringList{"А", "", "Б", "Б", "", "А"};
}

void TestStationList::sideNames()
{
    QFETCH(QByteArray, stationList);
    QFETCH(QByteArray, sideBoard);
    QFETCH(QStringList, names);
    QTemporaryDir folder;
    if (!sideBoard.isEmpty())
        QVERIFY(FixtureFiles::writeFile(folder.filePath(QStringLiteral("sidetab.txt")), sideBoard));
    RouteData route;
    route.setStationWord(0, QStringLiteral("Остановка"));
    loadStationList(route, folder, stationList);
    QStringList read;
    for (int index = 0; index < route.stationCount(); ++index)
        read.append(route.stationAt(index)->sideName[0]);
    QCOMPARE(read, names);
}

void TestStationList::missingBoardFiles()
{
    QTemporaryDir folder;
    RouteData route;
    loadStationList(route, folder, "7\\\\A\\\\B_S\\\\F01;R9;#ff0000,00ff00;\r\n  A2\\\\B2\r\n");
    QCOMPARE(route.sideNumber(), QStringLiteral("7"));
    QCOMPARE(route.sideStartingPoint(1), QStringLiteral("A2"));
    QCOMPARE(route.sideDestination(0), QStringLiteral("B"));
    QCOMPARE(route.sideMode(), 11);
    QCOMPARE(route.sideFont(), 1);
    QCOMPARE(route.sideNameTimeout(), 9);
    QCOMPARE(route.sideSValue(), 3);
    QCOMPARE(route.sideStationCount(), 5);
    QCOMPARE(route.sideSeparator(), QStringLiteral("hh:mm dd.MM.yy"));
    QCOMPARE(route.sideStartColor(), 0x00ff00);
    QCOMPARE(route.backNumber(), QStringLiteral("7"));
    QCOMPARE(route.backDestination(1), QStringLiteral("B2"));
    QCOMPARE(route.backMode(), 1);
    QCOMPARE(route.backFont(), 1);
    QCOMPARE(route.backNameTimeout(), 9);
    QCOMPARE(route.backNumberColor(), 0xff0000);

    // A side board file without items keeps its own defaults, not the front values.
    QVERIFY(FixtureFiles::writeFile(folder.filePath(QStringLiteral("sidetab.txt")), "7\\\\A\\\\B\r\n"));
    RouteData reread;
    QVERIFY(reread.load(folder.path()));
    QCOMPARE(reread.sideMode(), 0);
    QCOMPARE(reread.sideNameTimeout(), 4);
    QCOMPARE(reread.sideSeparator(), QString());
}

void TestStationList::writerOutput()
{
    QTemporaryDir folder;
    RouteData route;
    loadStationList(route, folder, "1\r\n");
    route.setFrontNumber(QString());
    route.setFrontStartingPoint(0, QStringLiteral("Пункт А"));
    route.setFrontDestination(0, QString());
    route.setFrontDestination(1, QStringLiteral("B"));
    route.setFrontMode(RouteData::StaticMode | RouteData::EnlargedDestinationMode);
    route.setFrontFont(2);
    route.setFrontNameTimeout(16);
    route.setFrontNumberColor(0xff0000);
    route.setFrontStartColor(0xff0000);
    route.setFrontDestColor(0x00ff00);
    route.insertStation(0);
    route.insertStation(1);
    route.insertStation(2);
    Station *first = route.stationAt(0);
    first->name = {QStringLiteral("Один"), QString()};
    first->nextName = {QStringLiteral("Два"), QStringLiteral("Two")};
    first->soundFiles = QStringList{QStringLiteral("a b.wav"), QStringLiteral("c.mp3")};
    first->textFiles = QStringList{QStringLiteral("d,e.txt")};
    route.stationAt(1)->name = {QStringLiteral("Два"), QStringLiteral("Two")};
    route.stationAt(1)->sideName = {QString(), QStringLiteral("Two")};
    route.stationAt(2)->nextName = {QString(), QStringLiteral("lost")};
    route.setBackStationIndex(1);
    route.setSideSeparator(QString());
    route.setSideStationCount(40);
    route.setBackFont(3);

    QVERIFY(route.writeStationList());
    QVERIFY(route.writeSideBoard());
    QVERIFY(route.writeBackBoard());
    QCOMPARE(readFile(folder.filePath(QStringLiteral("ost.txt"))),
             QByteArray("\xEF\xBB\xBF \\\\Пункт А\\\\ _S_M\\\\F10;R16;#ff0000,ff0000,00ff00;\r\n"
                        "   \\\\B\r\n"
                        "1 Один\\\\Два\r\n"
                        "  \"a b.wav\", c.mp3, \"d,e.txt\"\r\n"
                        "2 STOP Два\r\n"
                        "  Two\r\n"
                        "  .wav\r\n"
                        "3 \r\n"
                        "  .wav\r\n"
                        "4 END\r\n"));
    QCOMPARE(readFile(folder.filePath(QStringLiteral("sidetab.txt"))),
             QByteArray("\xEF\xBB\xBF" "1\\\\ \\\\ _S_N_C\\\\F11;R4;N40;S3;#080400;\r\n1 \r\n2 \r\n  Two\r\n3 \r\n"));
    QCOMPARE(readFile(folder.filePath(QStringLiteral("backtab.txt"))),
             QByteArray("\xEF\xBB\xBF" "1\\\\ \\\\ \\\\F00;R4;#080400;\r\n"));
}

void TestStationList::utf8SurvivesSaving_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("numero") << QStringLiteral("№ 5");
    QTest::newRow("en dash") << QStringLiteral("Пункт А – Пункт Б");
    QTest::newRow("short cyrillic") << QStringLiteral("Я");
}

void TestStationList::utf8SurvivesSaving()
{
    QFETCH(QString, text);
    QTemporaryDir folder;
    RouteData route;
    loadStationList(route, folder, "1\r\n");
    route.setFrontNumber(text);
    route.setFrontDestination(0, text);
    route.insertStation(0);
    route.stationAt(0)->name[0] = text;
    route.stationAt(0)->sideName[0] = text;
    route.setSideNumber(text);
    QVERIFY(route.writeStationList());
    QVERIFY(route.writeSideBoard());
    for (int cycle = 0; cycle < 2; ++cycle) {
        RouteData reread;
        QVERIFY(reread.load(folder.path()));
        QCOMPARE(reread.frontNumber(), text);
        QCOMPARE(reread.frontDestination(0), text);
        QCOMPARE(reread.stationAt(0)->name[0], text);
        QCOMPARE(reread.stationAt(0)->sideName[0], text);
        QCOMPARE(reread.sideNumber(), text);
        QVERIFY(reread.writeStationList());
        QVERIFY(reread.writeSideBoard());
    }
}

void TestStationList::failedWriteKeepsFiles()
{
    // A folder standing where sidetab.txt belongs makes that file fail: ost.txt, written
    // before it, is new; backtab.txt, after it, is untouched.
    QTemporaryDir folder;
    RouteData route;
    loadStationList(route, folder, "1\r\n1 Stop\r\n");
    const QByteArray oldBack = "old back board, not to be touched\r\n";
    QVERIFY(FixtureFiles::writeFile(folder.filePath(QStringLiteral("backtab.txt")), oldBack));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sidetab.txt")));
    route.setFrontNumber(QStringLiteral("2"));
    QVERIFY(!route.save());
    QVERIFY(readFile(folder.filePath(QStringLiteral("ost.txt"))).startsWith("\xEF\xBB\xBF" "2\\\\"));
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("sidetab.txt"))).isDir());
    QCOMPARE(readFile(folder.filePath(QStringLiteral("backtab.txt"))), oldBack);
}

void TestStationList::readOnlyFolder()
{
    if (geteuid() == 0)
        QSKIP("the superuser writes into read-only folders");
    QTemporaryDir folder;
    RouteData route;
    const QByteArray oldList = "1\r\n1 Stop\r\n";
    loadStationList(route, folder, oldList);
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    route.setFrontNumber(QStringLiteral("2"));
    const bool saved = route.save();
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("ost.txt"))), oldList);
}

QTEST_GUILESS_MAIN(TestStationList)
#include "tst_stationlist.moc"
