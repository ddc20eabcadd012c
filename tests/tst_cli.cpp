#include "support/fixturefiles.h"
#include "support/gtfsfeeds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include <unistd.h>

using namespace FixtureFiles;

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usage_data();
    void usage();
    void dump();
    void dumpShowsOrderBytes();
    void dumpRelativeFolder();
    void unreadableFolder_data();
    void unreadableFolder();
    void unreadableRouteFile_data();
    void unreadableRouteFile();
    void resave_data();
    void resave();
    void resaveWriteFailure();
    void newRoute();
    void newRefused_data();
    void newRefused();
    void renderHelp();
    void renderAscii_data();
    void renderAscii();
    void renderFramesFlipLanguage();
    void renderPng_data();
    void renderPng();
    void renderWithoutDisplay();
    void renderUsage_data();
    void renderUsage();
    void renderFailure_data();
    void renderFailure();
    void measure_data();
    void measure();
    void check_data();
    void check();
    void checkEveryFolder_data();
    void checkEveryFolder();
    void importGtfs();
    void importGtfsWords();
    void importGtfsRefused_data();
    void importGtfsRefused();
    void speak();
    void speakWithoutVoice();
    void importGtfsAll();
    void renameStopAndDiff();
};

namespace {

struct ToolRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs marvolt-route with arguments, under launcher when one is given.
ToolRun runTool(const QStringList &arguments, const QString &workingDirectory = QString(),
                const QStringList &launcher = QStringList())
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    const QStringList command = launcher + QStringList{QStringLiteral(MARVOLT_ROUTE_TOOL)} + arguments;
    process.start(command.first(), command.mid(1));
    ToolRun run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

bool isOneLine(const QByteArray &message)
{
    return message.endsWith('\n') && message.count('\n') == 1 && message.size() > 1;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result.append(QLatin1String(name));
    return result;
}

const QStringList textKeys = names({"folder", "frontNumber", "sideNumber", "backNumber", "sideSeparator",
                                    "salonTimeText", "adFolder", "salonTabloOrder"});
const QStringList pairKeys
    = names({"frontStartingPoint", "frontDestination", "sideStartingPoint", "sideDestination", "backStartingPoint",
             "backDestination", "stationWord", "nextWord", "salonTempText", "outsideTempText", "routeText"});
const QStringList integerKeys
    = names({"leftSofitColor",  "rightSofitColor",  "frontNumberColor", "frontStartColor",  "frontDestColor",
             "sideNumberColor", "sideStartColor",   "sideDestColor",    "backNumberColor",  "backStartColor",
             "backDestColor",   "salonColor",       "frontFont",        "sideFont",         "backFont",
             "frontMode",       "sideMode",         "backMode",         "frontNameTimeout", "sideNameTimeout",
             "backNameTimeout", "nextStationDelay", "sideSValue",       "sideStationCount", "backStationIndex"});
const QStringList booleanKeys = names({"cyclePlay", "frontFontFromStationList"});
const QStringList listKeys = names({"adTextFiles", "brValues", "stations"});
const QStringList stationKeys
    = names({"name", "nextName", "sideName", "soundFiles", "textFiles", "coordinate", "radius"});

bool isInteger(const QJsonValue &value)
{
    return value.isDouble() && value.toDouble() == double(value.toInt());
}

bool isStringPair(const QJsonValue &value)
{
    const QJsonArray pair = value.toArray();
    return value.isArray() && pair.size() == 2 && pair.at(0).isString() && pair.at(1).isString();
}

bool isStringList(const QJsonValue &value)
{
    const QJsonArray list = value.toArray();
    return value.isArray()
        && std::all_of(list.begin(), list.end(), [](const QJsonValue &item) { return item.isString(); });
}

// Checks the keys and the kind of every value of a dump; reports the first key that is off.
QString shapeError(const QJsonObject &route)
{
    if (sorted(route.keys()) != sorted(textKeys + pairKeys + integerKeys + booleanKeys + listKeys))
        return QStringLiteral("keys: ") + route.keys().join(QLatin1Char(' '));
    for (const QString &key : textKeys) {
        if (!route.value(key).isString())
            return key;
    }
    for (const QString &key : pairKeys) {
        if (!isStringPair(route.value(key)))
            return key;
    }
    for (const QString &key : integerKeys) {
        if (!isInteger(route.value(key)))
            return key;
    }
    for (const QString &key : booleanKeys) {
        if (!route.value(key).isBool())
            return key;
    }
    const QJsonArray br = route.value(QLatin1String("brValues")).toArray();
    if (br.size() != 2 || !isInteger(br.at(0)) || !isInteger(br.at(1)))
        return QStringLiteral("brValues");
    if (!isStringList(route.value(QLatin1String("adTextFiles"))))
        return QStringLiteral("adTextFiles");
    for (const QJsonValue &value : route.value(QLatin1String("stations")).toArray()) {
        const QJsonObject station = value.toObject();
        const QJsonValue coordinate = station.value(QLatin1String("coordinate"));
        if (sorted(station.keys()) != sorted(stationKeys) || !isStringPair(station.value(QLatin1String("name")))
            || !isStringPair(station.value(QLatin1String("nextName")))
            || !isStringPair(station.value(QLatin1String("sideName")))
            || !isStringList(station.value(QLatin1String("soundFiles")))
            || !isStringList(station.value(QLatin1String("textFiles")))
            || !isInteger(station.value(QLatin1String("radius")))
            || !(coordinate.isNull() || (coordinate.isArray() && coordinate.toArray().size() == 2)))
            return QStringLiteral("station ")
                + QString::fromUtf8(QJsonDocument(station).toJson(QJsonDocument::Compact));
    }
    return QString();
}

QJsonObject dumpObject(const ToolRun &run)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning("no JSON object: %s", qPrintable(error.errorString()));
    return document.object();
}

// Copies a fixture case into dir; the route folders always lie below dir, so that the
// advertising folder beside them is inside dir too.
QString routeCopy(const QTemporaryDir &dir, const QString &caseFolder, const QString &target = QString())
{
    const QString copy = target.isEmpty() ? dir.path() : dir.filePath(target);
    return copyFolder(fixture(caseFolder), copy) ? dir.path() : QString();
}

bool sameFiles(const QString &folder, const QString &expected)
{
    if (filesBelow(folder) != filesBelow(expected))
        return false;
    for (const QString &file : filesBelow(expected)) {
        QByteArray a;
        QByteArray b;
        if (!readFile(folder + QLatin1Char('/') + file, a) || !readFile(expected + QLatin1Char('/') + file, b)
            || a != b)
            return false;
    }
    return true;
}

// The example route in dir, for the board pictures; the example itself stays untouched.
QString exampleCopy(const QTemporaryDir &dir)
{
    const QString copy = dir.filePath(QStringLiteral("route-12"));
    return copyFolder(QStringLiteral(EXAMPLES_DIR "/route-12"), copy) ? copy : QString();
}

// The board rows of an ASCII picture; empty when a line is not cols dots of "." and "#".
QList<QByteArray> boardLines(const QByteArray &ascii, int cols)
{
    QList<QByteArray> lines = ascii.split('\n');
    if (lines.isEmpty() || !lines.last().isEmpty())
        return {};
    lines.removeLast();
    for (const QByteArray &line : lines) {
        if (line.size() != cols || line.count('.') + line.count('#') != cols)
            return {};
    }
    return lines;
}

// Whether every board row has the same dot in each of the columns.
bool columnsAre(const QList<QByteArray> &lines, int first, int last, char dot)
{
    for (const QByteArray &line : lines) {
        for (int col = first; col <= last; ++col) {
            if (line.at(col) != dot)
                return false;
        }
    }
    return true;
}

} // namespace

void TestCli::initTestCase()
{
    QVERIFY2(QFileInfo(QStringLiteral(MARVOLT_ROUTE_TOOL)).isExecutable(), MARVOLT_ROUTE_TOOL);
}

void TestCli::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("shown");

    const QStringList commands = names({"dump", "resave", "new"});
    QTest::newRow("no arguments") << QStringList() << 2 << QStringList();
    QTest::newRow("unknown command") << names({"bogus", "/tmp"}) << 2 << QStringList();
    QTest::newRow("option instead of a command") << names({"--bogus"}) << 2 << QStringList();
    QTest::newRow("dump without folder") << names({"dump"}) << 2 << QStringList();
    QTest::newRow("dump with two folders") << names({"dump", "a", "b"}) << 2 << QStringList();
    QTest::newRow("unknown option") << names({"dump", "--bogus", "a"}) << 2 << QStringList();
    QTest::newRow("--help") << names({"--help"}) << 0 << commands;
    QTest::newRow("-h") << names({"-h"}) << 0 << commands;
    QTest::newRow("dump --help") << names({"dump", "--help"}) << 0 << names({"dump", "FOLDER", "--help"});
    QTest::newRow("resave -h") << names({"resave", "-h"}) << 0 << names({"resave", "FOLDER"});
    QTest::newRow("new --help") << names({"new", "--help", "x"}) << 0 << names({"new", "FOLDER"});
    QTest::newRow("measure without text") << names({"measure", "--font", "Font16"}) << 2 << QStringList();
    QTest::newRow("measure, unknown font") << names({"measure", "--font", "Font7", "a"}) << 2 << QStringList();
    QTest::newRow("measure, font and height")
        << names({"measure", "--font", "Font16", "--height", "16", "a"}) << 2 << QStringList();
    QTest::newRow("measure, bad height") << names({"measure", "--height", "x", "a"}) << 2 << QStringList();
    QTest::newRow("measure --help") << names({"measure", "--help"}) << 0
                                    << names({"measure", "TEXT", "--font", "--bold"});
    QTest::newRow("speak, rate too low") << names({"speak", "--rate", "10", "a"}) << 2 << QStringList();
    QTest::newRow("speak, stops backwards") << names({"speak", "--stops", "5-3", "a"}) << 2 << QStringList();
    QTest::newRow("speak, voice with a path") << names({"speak", "--voice", "ru,../en", "a"}) << 2 << QStringList();
    QTest::newRow("speak, missing and replace")
        << names({"speak", "--missing", "--replace", "a"}) << 2 << QStringList();
    QTest::newRow("diff of one folder") << names({"diff", "a"}) << 2 << QStringList();
    QTest::newRow("rename-stop without --to") << names({"rename-stop", "--from", "A", "a"}) << 2 << QStringList();
    QTest::newRow("rename-stop, --from2 alone")
        << names({"rename-stop", "--from", "A", "--to", "B", "--from2", "C", "a"}) << 2 << QStringList();
    QTest::newRow("import-gtfs --all with --route")
        << names({"import-gtfs", "feed.zip", "--all", "--route", "12", "depot"}) << 2 << QStringList();
}

void TestCli::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, shown);

    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0) {
        QVERIFY(run.err.isEmpty());
        for (const QString &text : shown)
            QVERIFY2(run.out.contains(text.toUtf8()), qPrintable(text));
    } else {
        QVERIFY(run.out.isEmpty());
        QVERIFY2(isOneLine(run.err), run.err.constData());
    }
}

void TestCli::dump()
{
    QTemporaryDir dir;
    const QString root = routeCopy(dir, QStringLiteral("routefolder/city"));
    QVERIFY(!root.isEmpty());
    const ToolRun dumped = runTool({QStringLiteral("dump"), root + QLatin1String("/12/")});
    QCOMPARE(dumped.exitCode, 0);
    QVERIFY2(dumped.err.isEmpty(), dumped.err.constData());
    const QJsonObject route = dumpObject(dumped);
    const QString error = shapeError(route);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QCOMPARE(route.value(QLatin1String("folder")).toString(), root + QLatin1String("/12"));
    QCOMPARE(route.value(QLatin1String("adFolder")).toString(), root + QLatin1String("/Reklama"));
    QCOMPARE(route.value(QLatin1String("sideNumber")).toString(), QStringLiteral("12А"));
    QCOMPARE(route.value(QLatin1String("routeText")).toArray(),
             (QJsonArray{QStringLiteral("Маршрут %n \"Вокзал - Парк\"."), QStringLiteral("Route %n.")}));
    QCOMPARE(route.value(QLatin1String("salonTabloOrder")).toString(), QStringLiteral("(MO)3(MNSABTR)0"));
    QCOMPARE(route.value(QLatin1String("frontNumberColor")).toInt(), 0xff0000);
    QCOMPARE(route.value(QLatin1String("salonColor")).toInt(), 0x00ff80);
    QCOMPARE(route.value(QLatin1String("brValues")).toArray(), (QJsonArray{2, 1}));
    QCOMPARE(route.value(QLatin1String("cyclePlay")).toBool(), true);
    QCOMPARE(route.value(QLatin1String("backStationIndex")).toInt(), 3);
    QCOMPARE(route.value(QLatin1String("adTextFiles")).toArray().size(), 3);

    const QJsonArray stations = route.value(QLatin1String("stations")).toArray();
    QCOMPARE(stations.size(), 5);
    const QJsonObject first = stations.at(0).toObject();
    QCOMPARE(first.value(QLatin1String("name")).toArray(),
             (QJsonArray{QStringLiteral("Остановка Вокзал."), QStringLiteral("Stop Railway station.")}));
    QCOMPARE(first.value(QLatin1String("textFiles")).toArray(), QJsonArray{QStringLiteral("вокзал инфо.txt")});
    // Degrees come out with every digit the route holds, not rounded for display.
    QCOMPARE(first.value(QLatin1String("coordinate")).toArray(), (QJsonArray{55.75123, 37.61234}));
    QVERIFY(dumped.out.contains("55.75123") && dumped.out.contains("37.61234"));
    QCOMPARE(stations.at(2).toObject().value(QLatin1String("radius")).toInt(), 255);
    QVERIFY(stations.at(4).toObject().value(QLatin1String("coordinate")).isNull());
}

void TestCli::dumpShowsOrderBytes()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("route/ost.txt")), "1\\\\A\\\\B\\\\F11;\r\n"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("route/script.txt")), " BT:(M\xC0)1\r\n"));
    const ToolRun run = runTool({QStringLiteral("dump"), dir.filePath(QStringLiteral("route"))});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(dumpObject(run).value(QLatin1String("salonTabloOrder")).toString(), QString::fromLatin1("(M\xC0)1"));
}

void TestCli::dumpRelativeFolder()
{
    QTemporaryDir dir;
    QVERIFY(!routeCopy(dir, QStringLiteral("routefolder/city")).isEmpty());
    const ToolRun run = runTool({QStringLiteral("dump"), QStringLiteral("12")}, dir.path());
    QCOMPARE(run.exitCode, 0);
    const QJsonObject route = dumpObject(run);
    QCOMPARE(route.value(QLatin1String("folder")).toString(), QStringLiteral("12"));
    QCOMPARE(route.value(QLatin1String("adFolder")).toString(),
             QDir(dir.path()).canonicalPath() + QLatin1String("/Reklama"));
    QCOMPARE(route.value(QLatin1String("adTextFiles")).toArray().size(), 3);
}

void TestCli::unreadableFolder_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("folder");

    for (const char *command : {"dump", "resave"}) {
        QTest::addRow("%s, empty folder", command) << QString::fromLatin1(command) << QStringLiteral("empty");
        QTest::addRow("%s, missing folder", command) << QString::fromLatin1(command) << QStringLiteral("missing/route");
    }
}

// Without a readable ost.txt nothing is printed and nothing is written.
void TestCli::unreadableFolder()
{
    QFETCH(QString, command);
    QFETCH(QString, folder);

    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("empty"))));
    const ToolRun run = runTool({command, dir.filePath(folder)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(isOneLine(run.err), run.err.constData());
    QVERIFY(filesBelow(dir.path()).isEmpty());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}

void TestCli::unreadableRouteFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");

    QTest::newRow("resave, side board") << "resave"
                                        << "12/sidetab.txt";
    QTest::newRow("resave, advertising list") << "resave"
                                              << "Reklama/rscript.txt";
    QTest::newRow("check, script") << "check"
                                   << "12/script.txt";
}

// A route file that is there but cannot be read, here for want of permission, stops the tool
// before it writes anything: a save would replace the file with defaults.
void TestCli::unreadableRouteFile()
{
    QFETCH(QString, command);
    QFETCH(QString, file);
    if (geteuid() != 0)
        QSKIP("the tool runs as another user, which takes root");
    QTemporaryDir dir;
    QVERIFY(!routeCopy(dir, QStringLiteral("routefolder/city")).isEmpty());
    // Everything is open to the other user, who could write the folder, but not read the file.
    const QFileDevice::Permissions open = QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther
        | QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    for (const QString &folder : {QString(), QStringLiteral("/12"), QStringLiteral("/Reklama")})
        QVERIFY(QFile::setPermissions(dir.path() + folder, open));
    for (const QString &name : filesBelow(dir.path()))
        QVERIFY(QFile::setPermissions(dir.filePath(name), open));
    QVERIFY(QFile::setPermissions(dir.filePath(file), QFileDevice::WriteOwner));
    const Files before = filesOf(dir.path());
    const ToolRun run = runTool({command, dir.filePath(QStringLiteral("12"))}, QString(),
                                {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                 QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(dir.filePath(file).toUtf8()), run.err.constData());
    QCOMPARE(filesOf(dir.path()), before);
}

void TestCli::resave_data()
{
    QTest::addColumn<QString>("caseFolder");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expectedScript");

    QTest::newRow("own output stays byte-identical")
        << QStringLiteral("routefolder/city") << QString() << QStringLiteral("routefolder/city/12/script.txt");
    QTest::newRow("hand-written script is rewritten")
        << QStringLiteral("script/handwritten/input") << QStringLiteral("12")
        << QStringLiteral("script/handwritten/expected/script.txt");
}

void TestCli::resave()
{
    QFETCH(QString, caseFolder);
    QFETCH(QString, target);
    QFETCH(QString, expectedScript);

    QTemporaryDir dir;
    QVERIFY(!routeCopy(dir, caseFolder, target).isEmpty());
    const QString folder = dir.filePath(QStringLiteral("12"));
    const ToolRun run = runTool({QStringLiteral("resave"), folder});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QByteArray written;
    QByteArray wanted;
    QVERIFY(readFile(folder + QLatin1String("/script.txt"), written));
    QVERIFY(readFile(fixture(expectedScript), wanted));
    QCOMPARE(written, wanted);
    if (caseFolder == QLatin1String("routefolder/city"))
        QVERIFY(sameFiles(dir.path(), fixture(caseFolder)));
}

void TestCli::resaveWriteFailure()
{
    QTemporaryDir dir;
    QVERIFY(!routeCopy(dir, QStringLiteral("routefolder/city")).isEmpty());
    const QString coordinates = dir.filePath(QStringLiteral("12/coord.txt"));
    QVERIFY(QFile::remove(coordinates));
    QVERIFY(QDir().mkpath(coordinates));
    const ToolRun run = runTool({QStringLiteral("resave"), dir.filePath(QStringLiteral("12"))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(isOneLine(run.err), run.err.constData());
}

void TestCli::newRoute()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("routes/2024/new"));
    const ToolRun created = runTool({QStringLiteral("new"), folder + QLatin1Char('/')});
    QCOMPARE(created.exitCode, 0);
    QVERIFY(created.out.isEmpty());
    QVERIFY2(created.err.isEmpty(), created.err.constData());
    QVERIFY(sameFiles(folder, fixture(QStringLiteral("routedefaults/new"))));

    const ToolRun dumped = runTool({QStringLiteral("dump"), folder});
    QCOMPARE(dumped.exitCode, 0);
    const QJsonObject route = dumpObject(dumped);
    QVERIFY(shapeError(route).isEmpty());
    QCOMPARE(route.value(QLatin1String("stations")).toArray().size(), 6);
    QCOMPARE(route.value(QLatin1String("adFolder")).toString(), folder + QLatin1String("/Rek"));
}

void TestCli::newRefused_data()
{
    QTest::addColumn<QString>("existing");

    QTest::newRow("folder with a station list") << QStringLiteral("route/ost.txt");
    QTest::newRow("file in place of the folder") << QStringLiteral("route");
}

void TestCli::newRefused()
{
    QFETCH(QString, existing);

    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(existing), "somebody's work"));
    const ToolRun run = runTool({QStringLiteral("new"), dir.filePath(QStringLiteral("route"))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(isOneLine(run.err), run.err.constData());
    QCOMPARE(filesBelow(dir.path()), QStringList{existing});
    QByteArray content;
    QVERIFY(readFile(dir.filePath(existing), content));
    QCOMPARE(content, QByteArray("somebody's work"));
}

void TestCli::renderHelp()
{
    QVERIFY(runTool({QStringLiteral("--help")}).out.contains("render"));
    const ToolRun run = runTool({QStringLiteral("render"), QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    for (const char *option : {"--board", "--type", "--frames", "--language", "--png", "--ascii"})
        QVERIFY2(run.out.contains(option), option);
}

void TestCli::renderAscii_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("stripWidth");

    // The example's editor.ini gives 32x320 front, 24x144 side and 32x256 back boards, and
    // its green strips light the front and back boards.
    QTest::newRow("front") << names({"--board", "front"}) << 320 << 32 << 15;
    QTest::newRow("side") << names({"--board", "side"}) << 144 << 24 << 0;
    QTest::newRow("back") << names({"--board", "back"}) << 256 << 32 << 15;
    QTest::newRow("front as type 7") << names({"--board", "front", "--type", "7"}) << 128 << 16 << 10;
    QTest::newRow("back as type 2") << names({"--board", "back", "--type", "2"}) << 114 << 16 << 10;
    QTest::newRow("side as type 1, animated")
        << names({"--board", "side", "--type", "1", "--frames", "300"}) << 128 << 16 << 0;
    QTest::newRow("number only") << names({"--board", "back", "--type=11"}) << 40 << 20 << 0;
}

void TestCli::renderAscii()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, stripWidth);

    QTemporaryDir dir;
    const QString folder = exampleCopy(dir);
    QVERIFY(!folder.isEmpty());
    const ToolRun run = runTool(QStringList{QStringLiteral("render"), folder, QStringLiteral("--ascii")} + arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const QList<QByteArray> lines = boardLines(run.out, cols);
    QCOMPARE(lines.size(), rows);
    if (stripWidth > 0) {
        QVERIFY(columnsAre(lines, 0, stripWidth - 1, '#'));
        QVERIFY(columnsAre(lines, cols - stripWidth, cols - 1, '#'));
        QVERIFY(columnsAre(lines, stripWidth, stripWidth, '.'));
        QVERIFY(columnsAre(lines, cols - stripWidth - 1, cols - stripWidth - 1, '.'));
    }
    // The route number stands at the left, after the strip (centred on the number-only board).
    QVERIFY(lines.at(rows / 2).mid(stripWidth, 40).contains('#'));
    QVERIFY(filesBelow(folder) == filesBelow(QStringLiteral(EXAMPLES_DIR "/route-12")));
}

// The example's front board turns its language page on every tick: one frame shows language
// 2, two frames language 1 again.
void TestCli::renderFramesFlipLanguage()
{
    QTemporaryDir dir;
    const QString folder = exampleCopy(dir);
    QVERIFY(!folder.isEmpty());
    const auto ascii = [&](std::initializer_list<const char *> options) {
        return runTool(QStringList{QStringLiteral("render"), folder, QStringLiteral("--ascii"),
                                   QStringLiteral("--board"), QStringLiteral("front")}
                       + names(options))
            .out;
    };
    const QByteArray still = ascii({});
    const QByteArray second = ascii({"--language", "2"});
    QVERIFY(!still.isEmpty());
    QVERIFY(still != second);
    QCOMPARE(ascii({"--frames", "1"}), second);
    QCOMPARE(ascii({"--frames", "2"}), still);
    QCOMPARE(ascii({"--frames", "1", "--language", "2"}), still);
}

void TestCli::renderPng_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");

    QTest::newRow("front") << names({"--board", "front"}) << 320 << 32;
    QTest::newRow("side, animated") << names({"--board", "side", "--frames", "40"}) << 144 << 24;
    QTest::newRow("back as type 3") << names({"--board", "back", "--type", "3"}) << 96 << 16;
}

// The picture is the widget's painting at pitch 4: 3 x 3 dots on black, one per "#" of the
// ASCII picture of the same board.
void TestCli::renderPng()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, cols);
    QFETCH(int, rows);

    QTemporaryDir dir;
    const QString folder = exampleCopy(dir);
    QVERIFY(!folder.isEmpty());
    const QString png = dir.filePath(QStringLiteral("board.png"));
    const ToolRun drawn
        = runTool(QStringList{QStringLiteral("render"), folder, QStringLiteral("--png"), png} + arguments);
    QCOMPARE(drawn.exitCode, 0);
    QVERIFY(drawn.out.isEmpty());
    QVERIFY2(drawn.err.isEmpty(), drawn.err.constData());
    QImage image;
    QVERIFY(image.load(png, "PNG"));
    QCOMPARE(image.size(), QSize(4 + 4 * cols, 4 + 4 * rows));

    const QList<QByteArray> lines = boardLines(
        runTool(QStringList{QStringLiteral("render"), folder, QStringLiteral("--ascii")} + arguments).out, cols);
    QCOMPARE(lines.size(), rows);
    const QRgb black = qRgb(0, 0, 0);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const QPoint corner(2 + 4 * col, 2 + 4 * row);
            const bool lit = lines.at(row).at(col) == '#';
            QCOMPARE(image.pixel(corner + QPoint(1, 1)) != black, lit);
            QCOMPARE(image.pixel(corner) == image.pixel(corner + QPoint(2, 2)), true);
            QCOMPARE(image.pixel(corner + QPoint(3, 3)), black);
        }
    }
    QCOMPARE(image.pixel(0, 0), black);
}

// Without a display and without a platform named, the tool draws off screen by itself.
void TestCli::renderWithoutDisplay()
{
    QTemporaryDir dir;
    const QString folder = exampleCopy(dir);
    QVERIFY(!folder.isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MARVOLT_ROUTE_TOOL),
                  {QStringLiteral("render"), folder, QStringLiteral("--board"), QStringLiteral("back"),
                   QStringLiteral("--ascii")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(boardLines(process.readAllStandardOutput(), 256).size(), 32);
}

void TestCli::renderUsage_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("no board") << names({"--ascii"});
    QTest::newRow("unknown board") << names({"--board", "top", "--ascii"});
    QTest::newRow("type too large") << names({"--board", "front", "--type", "12", "--ascii"});
    QTest::newRow("type not a number") << names({"--board", "front", "--type", "x", "--ascii"});
    QTest::newRow("negative frames") << names({"--board", "front", "--frames", "-1", "--ascii"});
    QTest::newRow("language 3") << names({"--board", "front", "--language", "3", "--ascii"});
    QTest::newRow("both outputs") << names({"--board", "front", "--ascii", "--png", "x.png"});
    QTest::newRow("no output") << names({"--board", "front"});
    QTest::newRow("board without value") << names({"--ascii", "--board"});
}

void TestCli::renderUsage()
{
    QFETCH(QStringList, arguments);

    QTemporaryDir dir;
    const QString folder = exampleCopy(dir);
    QVERIFY(!folder.isEmpty());
    const ToolRun run = runTool(QStringList{QStringLiteral("render"), folder} + arguments, dir.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(isOneLine(run.err), run.err.constData());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("x.png"))));
    const ToolRun withoutFolder = runTool(
        {QStringLiteral("render"), QStringLiteral("--board"), QStringLiteral("front"), QStringLiteral("--ascii")});
    QCOMPARE(withoutFolder.exitCode, 2);
}

void TestCli::renderFailure_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("png");

    QTest::newRow("no route") << QStringLiteral("empty") << QStringLiteral("board.png");
    QTest::newRow("picture in a missing folder") << QStringLiteral("route-12") << QStringLiteral("missing/board.png");
    QTest::newRow("picture over a folder") << QStringLiteral("route-12") << QStringLiteral("route-12");
}

void TestCli::renderFailure()
{
    QFETCH(QString, folder);
    QFETCH(QString, png);

    QTemporaryDir dir;
    QVERIFY(!exampleCopy(dir).isEmpty());
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("empty"))));
    const ToolRun run = runTool({QStringLiteral("render"), dir.filePath(folder), QStringLiteral("--board"),
                                 QStringLiteral("front"), QStringLiteral("--png"), dir.filePath(png)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(isOneLine(run.err), run.err.constData());
    QVERIFY(!QFileInfo(dir.filePath(png)).isFile());
}

void TestCli::measure_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("widths");

    QTest::newRow("by name") << names({"measure", "--font", "Font32", "W", "0", "1", "i"})
                             << QByteArray("16\n11\n6\n2\n");
    QTest::newRow("name in any case") << names({"measure", "--font", "digits20", "0", "1"}) << QByteArray("11\n6\n");
    QTest::newRow("Cyrillic as wide as Latin")
        << QStringList{"measure", "--font", "Font12", "Ж", "W"} << QByteArray("7\n7\n");
    QTest::newRow("by height, thin") << names({"measure", "--height", "8", "W", "i"}) << QByteArray("5\n1\n");
    QTest::newRow("by height, bold") << names({"measure", "--height", "8", "--bold", "W"}) << QByteArray("7\n");
    QTest::newRow("default height 16") << names({"measure", "W", ""}) << QByteArray("9\n0\n");
}

void TestCli::measure()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, widths);
    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, widths);
    QVERIFY(run.err.isEmpty());
}

void TestCli::check_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("withError");
    QTest::addColumn<int>("exitCode");

    // The example leaves one stop without a position: a warning.
    QTest::newRow("warnings only") << QStringList() << false << 0;
    QTest::newRow("warnings, strict") << QStringList{"--strict"} << false << 1;
    QTest::newRow("an error") << QStringList() << true << 1;
}

// Two folders in one run: a list of reports, each with its problems and counts.
void TestCli::check()
{
    QFETCH(QStringList, options);
    QFETCH(bool, withError);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QString example = exampleCopy(dir);
    const QString other = dir.filePath(QStringLiteral("other"));
    QVERIFY(copyFolder(example, other));
    if (withError)
        QVERIFY(QFile::remove(other + QStringLiteral("/vokzal.txt")));
    const ToolRun run
        = runTool(QStringList{QStringLiteral("check"), QStringLiteral("--json"), example, other} + options);
    QCOMPARE(run.exitCode, exitCode);
    const QJsonObject top = QJsonDocument::fromJson(run.out).object();
    QVERIFY(QDateTime::fromString(top.value(QLatin1String("checkedAt")).toString(), Qt::ISODate).timeSpec() == Qt::UTC);
    QVERIFY(!top.value(QLatin1String("version")).toString().isEmpty());
    const QJsonArray reports = top.value(QLatin1String("folders")).toArray();
    QCOMPARE(reports.size(), 2);
    const QJsonObject report = reports.at(1).toObject();
    QCOMPARE(report.value(QLatin1String("folder")).toString(), other);
    QCOMPARE(report.value(QLatin1String("counts")).toObject().value(QLatin1String("error")).toInt(), withError ? 1 : 0);
    const QJsonObject first = report.value(QLatin1String("problems")).toArray().at(0).toObject();
    QCOMPARE(first.keys(), (QStringList{"code", "file", "language", "message", "severity", "stop"}));
    QCOMPARE(first.value(QLatin1String("code")).toString(),
             withError ? QStringLiteral("missing-file") : QStringLiteral("no-position"));
    QCOMPARE(first.value(QLatin1String("stop")).toInt(), withError ? 6 : 8);

    const ToolRun text = runTool({QStringLiteral("check"), other});
    QVERIFY(text.out.startsWith((other + QStringLiteral(": ")).toUtf8()));
    QCOMPARE(runTool({QStringLiteral("check"), dir.filePath(QStringLiteral("none"))}).exitCode, 2);
}

void TestCli::checkEveryFolder_data()
{
    QTest::addColumn<QStringList>("options");
    // What the output holds (JSON without blanks), with EXAMPLE, MISSING and OTHER for the folders.
    QTest::addColumn<QStringList>("holds");

    QTest::newRow("text") << QStringList() << QStringList{"EXAMPLE: warning no-position", "OTHER: error missing-file"};
    QTest::newRow("JSON") << QStringList{"--json"}
                          << QStringList{
                                 "{\"error\":\"cannot read the station list of MISSING.\",\"folder\":\"MISSING\"}",
                                 "\"folder\":\"EXAMPLE\"", "\"folder\":\"OTHER\""};
    QTest::newRow("summary") << QStringList{"--summary"}
                             << QStringList{"error missing-file: 1 in 1 of 2 folders\n"
                                            "warning no-position: 2 in 2 of 2 folders\n"};
    QTest::newRow("summary, JSON")
        << QStringList{"--summary", "--json"}
        << QStringList{"{\"code\":\"missing-file\",\"folders\":1,\"problems\":1,\"severity\":\"error\"}",
                       "\"unreadable\":[\"MISSING\"]"};
}

// A folder that cannot be read does not stop the check of the others: every result is printed
// and the exit status is the worst.
void TestCli::checkEveryFolder()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, holds);
    QTemporaryDir dir;
    const QString example = exampleCopy(dir);
    const QString missing = dir.filePath(QStringLiteral("none"));
    const QString other = dir.filePath(QStringLiteral("other"));
    QVERIFY(copyFolder(example, other));
    QVERIFY(QFile::remove(other + QStringLiteral("/vokzal.txt")));
    const ToolRun run = runTool(QStringList{QStringLiteral("check"), example, missing, other} + options);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(isOneLine(run.err) && run.err.contains(missing.toUtf8()), run.err.constData());
    const QByteArray out = options.contains(QLatin1String("--json"))
        ? QJsonDocument::fromJson(run.out).toJson(QJsonDocument::Compact)
        : run.out;
    for (QString piece : holds) {
        piece.replace(QLatin1String("EXAMPLE"), example)
            .replace(QLatin1String("MISSING"), missing)
            .replace(QLatin1String("OTHER"), other);
        QVERIFY2(out.contains(piece.toUtf8()), run.out.constData());
    }
}

// A line of a feed becomes a route folder with editor.ini, the same files the import writes;
// a folder that holds anything is refused; --list names the routes.
void TestCli::importGtfs()
{
    QTemporaryDir dir;
    const QString feed = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feed, fixtureFeed()));
    const ToolRun list = runTool({QStringLiteral("import-gtfs"), feed, QStringLiteral("--list")});
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.out.split('\n').at(1), QByteArray("R12\t12\tВокзал — Парк \"Дружба\"\t4\t2"));

    const QString folder = dir.filePath(QStringLiteral("route"));
    const ToolRun run = runTool({QStringLiteral("import-gtfs"), feed, QStringLiteral("--route"), QStringLiteral("12"),
                                 QStringLiteral("--second-language"), QStringLiteral("en"), folder});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("no-position"));
    for (const char *name : {"ost.txt", "sidetab.txt", "coord.txt"}) {
        QByteArray written;
        QByteArray expected;
        QVERIFY(readFile(folder + QLatin1Char('/') + QLatin1String(name), written));
        QVERIFY(readFile(fixture(QStringLiteral("gtfs/expected/")) + QLatin1String(name), expected));
        QCOMPARE(written, expected);
    }
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/editor.ini")));
    const ToolRun again
        = runTool({QStringLiteral("import-gtfs"), feed, QStringLiteral("--route"), QStringLiteral("12"), folder});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains("not empty"));
}

// An English line with words of the user's own, names cleaned, and a destination too wide for
// the front board: the output notes each change, then the check's summary and the too-wide text.
void TestCli::importGtfsWords()
{
    FeedFiles files = fixtureFeed();
    files[QStringLiteral("agency.txt")] = "agency_id,agency_name,agency_url,agency_timezone,agency_lang\n"
                                          "MGT,Transit,https://transit.example.org,Europe/Moscow,en\n";
    files[QStringLiteral("stops.txt")].replace("\"Парк \"\"Дружба\"\"\"",
                                               "Parkside Avenue and Rockaway Boulevard (shelter)");
    QTemporaryDir dir;
    const QString feed = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feed, files));
    const QString folder = dir.filePath(QStringLiteral("route"));
    const ToolRun run
        = runTool({QStringLiteral("import-gtfs"), feed, QStringLiteral("--route"), QStringLiteral("12"),
                   QStringLiteral("--next-word"), QStringLiteral("Then"), QStringLiteral("--clean-names"), folder});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.at(0),
             (folder
              + QStringLiteral(": Name cleaned: \"Parkside Avenue and Rockaway Boulevard (shelter)\" "
                               "is now \"Parkside Avenue and Rockaway Boulevard\""))
                 .toUtf8());
    QVERIFY2(lines.at(1).startsWith(folder.toUtf8() + ": ") && lines.at(1).contains("too-wide"),
             lines.at(1).constData());
    QVERIFY2(lines.at(2).contains(" too-wide ") && lines.at(2).contains("Parkside Avenue"), lines.at(2).constData());
    QByteArray stations;
    QVERIFY(readFile(folder + QStringLiteral("/ost.txt"), stations));
    QVERIFY(stations.contains("1 Stop Вокзал.\\\\Then Рынок, главный вход.\r\n"));
}

void TestCli::importGtfsRefused_data()
{
    QTest::addColumn<int>("index");

    for (int index = 0; index < hostileFeeds().size(); ++index)
        QTest::newRow(hostileFeeds().at(index).name) << index;
}

// Every feed the import refuses ends the tool with status 2, its message and no folder, for one
// line and for all.
void TestCli::importGtfsRefused()
{
    QFETCH(int, index);
    const HostileFeed &feed = hostileFeeds().at(index);

    QTemporaryDir dir;
    const QString feedPath = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(feed.write(feedPath));
    const QString folder = dir.filePath(QStringLiteral("route"));
    for (const QStringList &line :
         {QStringList{QStringLiteral("--route"), QStringLiteral("12")}, QStringList{QStringLiteral("--all")}}) {
        const ToolRun run = runTool(QStringList{QStringLiteral("import-gtfs"), feedPath} + line + QStringList{folder});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(QByteArray("marvolt-route: ") + feed.message) && isOneLine(run.err),
                 run.err.constData());
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFileInfo::exists(folder));
    }
}

// Every line of a feed with trips into a folder of its own, each byte for byte what importing
// that line alone writes; a depot that holds one of the folders is refused whole.
void TestCli::importGtfsAll()
{
    FeedFiles files = fixtureFeed();
    files[QStringLiteral("routes.txt")] += "R12B,MGT,12,Второй,3\nRN2,MGT,N/2,Ночной,3\nRX,MGT,X,,3\nRZ,MGT,Z,,3\n";
    files[QStringLiteral("trips.txt")] += "R12B,WD,T12B,,0,\nRN2,WD,TN2,,0,\nRX,WD,TX,,0,\n";
    files[QStringLiteral("stop_times.txt")] += "T12B,10:00:00,10:00:00,SHK,1,0,0\nT12B,10:05:00,10:05:00,DEPO,2,0,0\n"
                                               "TN2,11:00:00,11:00:00,DEPO,1,0,0\nTN2,11:05:00,11:05:00,VOK1,2,0,0\n";
    QTemporaryDir dir;
    const QString feed = dir.filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feed, files));
    const QString depot = dir.filePath(QStringLiteral("depot"));
    QVERIFY(QDir().mkpath(depot + QStringLiteral("/other")));
    const ToolRun run = runTool({QStringLiteral("import-gtfs"), feed, QStringLiteral("--all"), depot});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), depot + QStringLiteral(": The trips of route X have no stop times: it is left out"));
    QVERIFY2(lines.at(1).startsWith(depot + QStringLiteral("/7: ")), qPrintable(lines.at(1)));
    QCOMPARE(lines.last(), depot + QStringLiteral(": 4 route(s) imported, 34 stop times read"));
    const QStringList folders{"12", "12_2", "7", "N_2", "other"};
    QCOMPARE(QDir(depot).entryList(QDir::Dirs | QDir::NoDotAndDotDot), folders);

    const QStringList ids{"R12", "R12B", "R7", "RN2"};
    for (int index = 0; index < ids.size(); ++index) {
        const QString alone = dir.filePath(QStringLiteral("alone/") + folders.at(index));
        QCOMPARE(
            runTool({QStringLiteral("import-gtfs"), feed, QStringLiteral("--route"), ids.at(index), alone}).exitCode,
            0);
        const QStringList written = QDir(alone).entryList(QDir::Files);
        QCOMPARE(QDir(depot + QLatin1Char('/') + folders.at(index)).entryList(QDir::Files), written);
        for (const QString &name : written) {
            QByteArray expected;
            QByteArray actual;
            QVERIFY(readFile(alone + QLatin1Char('/') + name, expected));
            QVERIFY(readFile(depot + QLatin1Char('/') + folders.at(index) + QLatin1Char('/') + name, actual));
            QVERIFY2(actual == expected, qPrintable(folders.at(index) + QLatin1Char('/') + name));
        }
    }

    QVERIFY(QDir(depot + QStringLiteral("/7")).removeRecursively());
    const ToolRun clash = runTool({QStringLiteral("import-gtfs"), feed, QStringLiteral("--all"), depot});
    QCOMPARE(clash.exitCode, 1);
    QVERIFY2(isOneLine(clash.err) && clash.err.contains("already holds 12, 12_2, N_2; nothing was written"),
             clash.err.constData());
    QVERIFY(!QFileInfo::exists(depot + QStringLiteral("/7")));

    // On a terminal the import tells how far it has got.
    const QString fresh = dir.filePath(QStringLiteral("fresh"));
    QProcess terminal;
    terminal.start(QStringLiteral("script"),
                   {QStringLiteral("-qec"),
                    QStringLiteral("%1 import-gtfs %2 --all %3").arg(QStringLiteral(MARVOLT_ROUTE_TOOL), feed, fresh),
                    QStringLiteral("/dev/null")});
    QVERIFY(terminal.waitForFinished(30000));
    QVERIFY2(terminal.readAll().contains("\r34 stop times read, 4 of 4 routes written"), "no progress shown");
}

// A stop renamed in a copy of the example, first on trial; then what diff says of the two.
void TestCli::renameStopAndDiff()
{
    QTemporaryDir before;
    QTemporaryDir after;
    const QString original = exampleCopy(before);
    const QString renamed = exampleCopy(after);
    const QString missing = after.filePath(QStringLiteral("missing"));
    const QStringList rename{QStringLiteral("rename-stop"), QStringLiteral("--from"),
                             QStringLiteral("Центральный рынок"), QStringLiteral("--to"),
                             QStringLiteral("Новый рынок")};
    const ToolRun trial = runTool(rename + QStringList{QStringLiteral("--dry-run"), missing, renamed});
    QCOMPARE(trial.exitCode, 2);
    QVERIFY2(isOneLine(trial.err) && trial.err.contains(missing.toUtf8()), trial.err.constData());
    QVERIFY2(trial.out.endsWith(renamed.toUtf8() + ": 6 text(s) would change; nothing was written\n"),
             trial.out.constData());
    const ToolRun unchanged = runTool({QStringLiteral("diff"), original, renamed});
    QCOMPARE(unchanged.exitCode, 0);
    QVERIFY(unchanged.out.isEmpty());

    const ToolRun run = runTool(rename + QStringList{renamed});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count('\n'), 6);
    QVERIFY(run.out.startsWith(
        (renamed
         + QStringLiteral(": stop 3, language 1: stop text \"Остановка Центральный рынок.\" → \"Остановка Новый "
                          "рынок.\"\n"))
            .toUtf8()));
    const ToolRun text = runTool({QStringLiteral("diff"), original, renamed});
    QCOMPARE(text.exitCode, 1);
    QCOMPARE(
        text.out.split('\n').at(1),
        QByteArray("stop 3: stop text, language 1: \"Остановка Центральный рынок.\" → \"Остановка Новый рынок.\""));
    const ToolRun json = runTool({QStringLiteral("diff"), QStringLiteral("--json"), original, renamed});
    QCOMPARE(json.exitCode, 1);
    const QJsonArray changes = QJsonDocument::fromJson(json.out).object().value(QStringLiteral("changes")).toArray();
    QStringList kinds;
    for (const QJsonValue &change : changes)
        kinds.append(QStringLiteral("%1 %2/%3")
                         .arg(change[QStringLiteral("kind")].toString())
                         .arg(change[QStringLiteral("oldStop")].toInt())
                         .arg(change[QStringLiteral("newStop")].toInt()));
    QCOMPARE(kinds,
             (QStringList{"next-stop-text 2/2", "stop-text 3/3", "side-name 3/3", "next-stop-text 9/9",
                          "stop-text 10/10", "side-name 10/10"}));
    QCOMPARE(runTool({QStringLiteral("diff"), original, missing}).exitCode, 2);
}

// Drafts of the example's entries without sound, in both of its languages: attached in ost.txt,
// recordings left alone, a second run changing nothing, and --replace speaking drafts only.
void TestCli::speak()
{
    QTemporaryDir dir;
    const QString example = exampleCopy(dir);
    const Files before = filesOf(example);
    QCOMPARE(runTool({QStringLiteral("speak"), QStringLiteral("--dry-run"), example}).exitCode, 0);
    QVERIFY(filesOf(example) == before);

    const ToolRun run = runTool({QStringLiteral("speak"), example});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.endsWith(" s in all\n") && run.out.count('\n') == 9, run.out.constData());
    Files spoken = filesOf(example);
    for (const char *number : {"3", "5", "8", "10"}) {
        for (const char *language : {"ru", "en"}) {
            const QString file = QStringLiteral("tts_%1_%2.wav").arg(number, language);
            QVERIFY2(spoken[file].startsWith("RIFF"), qPrintable(file));
            spoken.erase(file);
        }
    }
    QVERIFY(spoken[QStringLiteral("ost.txt")].contains("\r\n  tts_3_ru.wav, tts_3_en.wav, rynok.txt\r\n"));
    spoken.erase(QStringLiteral("ost.txt"));
    Files recorded = before;
    recorded.erase(QStringLiteral("ost.txt"));
    QVERIFY(spoken == recorded);

    const Files afterFirst = filesOf(example);
    QCOMPARE(runTool({QStringLiteral("speak"), example}).exitCode, 0);
    QVERIFY(filesOf(example) == afterFirst);

    const ToolRun replaced
        = runTool({QStringLiteral("speak"), QStringLiteral("--replace"), QStringLiteral("--rate"),
                   QStringLiteral("300"), QStringLiteral("--stops"), QStringLiteral("1-3"), example});
    QCOMPARE(replaced.exitCode, 0);
    const Files afterReplace = filesOf(example);
    for (const auto &file : afterFirst) {
        const bool redone = file.first.startsWith(QLatin1String("tts_3_"));
        QVERIFY2((afterReplace.at(file.first) != file.second) == redone, qPrintable(file.first));
    }
}

// A language without a voice is said and left out; the other is spoken.
void TestCli::speakWithoutVoice()
{
    QTemporaryDir dir;
    const QString example = exampleCopy(dir);
    const ToolRun run = runTool({QStringLiteral("speak"), QStringLiteral("--voice"), QStringLiteral("ru,xx"),
                                 QStringLiteral("--stops"), QStringLiteral("3"), example});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(isOneLine(run.err) && run.err.contains("\"xx\""), run.err.constData());
    QVERIFY(QFileInfo::exists(example + QStringLiteral("/tts_3_ru.wav")));
    QVERIFY(!QFileInfo::exists(example + QStringLiteral("/tts_3_xx.wav")));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
