#include "keytoken.h"
#include "routedata.h"
#include "scriptfile.h"
#include "support/fixturefiles.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <functional>

using namespace FixtureFiles;

class TestScript : public QObject
{
    Q_OBJECT

private slots:
    void readKeyToken_data();
    void readKeyToken();
    void quotedValueReadsBack_data();
    void quotedValueReadsBack();
    void sofitColorLetters_data();
    void sofitColorLetters();
    void sofitColorFromLetter_data();
    void sofitColorFromLetter();
    void headerKeys_data();
    void headerKeys();
    void missingFileGivesStartValues();
    void stationLines_data();
    void stationLines();
    void roundTrip_data();
    void roundTrip();
    void sevenLines_data();
    void sevenLines();
    void valuesWithBlanksComeBack_data();
    void valuesWithBlanksComeBack();
    void writeIntoMissingFolderFails();
};

namespace {

const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// Three stops, each with one sound file, and no font item, so TABLO_FONT counts.
const QByteArray stationList
    = QByteArrayLiteral("\xEF\xBB\xBF"
                        "12\\\\A\\\\B\\\\R4;#080400;\r\n"
                        "1 One\r\n  01.wav\r\n2 Two\r\n  02.wav\r\n3 Three\r\n  03.wav\r\n4 END\r\n");
// The same with a font item: TABLO_FONT is then ignored.
const QByteArray stationListWithFont = QByteArrayLiteral("\xEF\xBB\xBF"
                                                         "12\\\\A\\\\B\\\\F00;R4;#080400;\r\n"
                                                         "1 One\r\n  01.wav\r\n2 Two\r\n  02.wav\r\n3 Three\r\n"
                                                         "  03.wav\r\n4 END\r\n");

QByteArray windows1251(const QString &text)
{
    return QTextCodec::codecForName("Windows-1251")->fromUnicode(text);
}

QString parentOf(const QString &folder)
{
    return folder.left(folder.lastIndexOf(QLatin1Char('/')));
}

// One route field that script.txt carries, readable and settable by name, so that rows can
// name the fields they expect to change and every other field is checked to stay put.
struct ScriptField
{
    QString name;
    std::function<QVariant(const RouteData &)> get;
    std::function<void(RouteData &, const QVariant &)> set;
};

ScriptField intField(const char *name, int (RouteData::*get)() const, void (RouteData::*set)(int))
{
    return {QLatin1String(name), [get](const RouteData &route) { return QVariant((route.*get)()); },
            [set](RouteData &route, const QVariant &value) { (route.*set)(value.toInt()); }};
}

ScriptField pairField(const char *name, int language, QString (RouteData::*get)(int) const,
                      void (RouteData::*set)(int, const QString &))
{
    return {QLatin1String(name) + QString::number(language),
            [get, language](const RouteData &route) { return QVariant((route.*get)(language)); },
            [set, language](RouteData &route, const QVariant &value) { (route.*set)(language, value.toString()); }};
}

QList<ScriptField> scriptFields()
{
    QList<ScriptField> fields{
        {QStringLiteral("salonTabloOrder"), [](const RouteData &route) { return QVariant(route.salonTabloOrder()); },
         [](RouteData &route, const QVariant &value) { route.setSalonTabloOrder(value.toByteArray()); }},
        // Relative to the parent of the route folder, so rows do not depend on the temporary path.
        {QStringLiteral("adFolder"),
         [](const RouteData &route) { return QVariant(route.adFolder().mid(parentOf(route.folder()).size())); },
         [](RouteData &route, const QVariant &value) {
             route.setAdFolder(parentOf(route.folder()) + value.toString());
         }},
        {QStringLiteral("brValues0"), [](const RouteData &route) { return QVariant(route.brValues(0)); },
         [](RouteData &route, const QVariant &value) { route.setBrValues(0, value.toInt()); }},
        {QStringLiteral("brValues1"), [](const RouteData &route) { return QVariant(route.brValues(1)); },
         [](RouteData &route, const QVariant &value) { route.setBrValues(1, value.toInt()); }},
        {QStringLiteral("cyclePlay"), [](const RouteData &route) { return QVariant(route.cyclePlay()); },
         [](RouteData &route, const QVariant &value) { route.setCyclePlay(value.toBool()); }},
        {QStringLiteral("salonTimeText"), [](const RouteData &route) { return QVariant(route.salonTimeText()); },
         [](RouteData &route, const QVariant &value) { route.setSalonTimeText(value.toString()); }},
        intField("leftSofitColor", &RouteData::leftSofitColor, &RouteData::setLeftSofitColor),
        intField("rightSofitColor", &RouteData::rightSofitColor, &RouteData::setRightSofitColor),
        intField("frontFont", &RouteData::frontFont, &RouteData::setFrontFont),
        intField("salonColor", &RouteData::salonColor, &RouteData::setSalonColor),
    };
    for (int language = 0; language < 2; ++language) {
        fields.append(pairField("routeText", language, &RouteData::routeText, &RouteData::setRouteText));
        fields.append(
            pairField("outsideTempText", language, &RouteData::outsideTempText, &RouteData::setOutsideTempText));
        fields.append(pairField("salonTempText", language, &RouteData::salonTempText, &RouteData::setSalonTempText));
        fields.append(pairField("stationWord", language, &RouteData::stationWord, &RouteData::setStationWord));
        fields.append(pairField("nextWord", language, &RouteData::nextWord, &RouteData::setNextWord));
    }
    return fields;
}

QVariantMap fieldValues(const RouteData &route)
{
    QVariantMap values;
    for (const ScriptField &field : scriptFields())
        values.insert(field.name, field.get(route));
    return values;
}

void setFieldValues(RouteData &route, const QVariantMap &values)
{
    for (const ScriptField &field : scriptFields()) {
        if (values.contains(field.name))
            field.set(route, values.value(field.name));
    }
}

// What a route read from stationList holds before script.txt is applied.
QVariantMap startValues()
{
    return {
        {QStringLiteral("salonTabloOrder"), QByteArray("(MO)2(MNNSABTR)0")},
        {QStringLiteral("adFolder"), QStringLiteral("/Reklama")},
        {QStringLiteral("leftSofitColor"), 0},
        {QStringLiteral("rightSofitColor"), 0},
        {QStringLiteral("brValues0"), 1},
        {QStringLiteral("brValues1"), 0},
        {QStringLiteral("frontFont"), 0},
        {QStringLiteral("salonColor"), 0x800000},
        {QStringLiteral("cyclePlay"), false},
        {QStringLiteral("routeText0"), QStringLiteral("Маршрут %n.")},
        {QStringLiteral("routeText1"), QString()},
        {QStringLiteral("outsideTempText0"), QStringLiteral("<&F1 <&V03    На улице %t>")},
        {QStringLiteral("outsideTempText1"), QString()},
        {QStringLiteral("salonTempText0"), QStringLiteral("<&F1 <&V03    В салоне %t>")},
        {QStringLiteral("salonTempText1"), QString()},
        {QStringLiteral("stationWord0"), QString()},
        {QStringLiteral("stationWord1"), QString()},
        {QStringLiteral("nextWord0"), QString()},
        {QStringLiteral("nextWord1"), QString()},
        {QStringLiteral("salonTimeText"), QStringLiteral("'<&F1 <&L06'   hh:mm  dd.MM.yyyy>")},
    };
}

void compareFields(const QVariantMap &actual, const QVariantMap &expected)
{
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QVariant value = actual.value(it.key());
        QVERIFY2(
            value == it.value(),
            qPrintable(QStringLiteral("%1: %2, expected %3").arg(it.key(), value.toString(), it.value().toString())));
    }
}

// The stops' files as "number kind name" lines, in list order.
QStringList stationFiles(const RouteData &route)
{
    QStringList files;
    for (int index = 0; index < route.stationCount(); ++index) {
        const Station *station = route.stationAt(index);
        for (const QString &name : station->soundFiles)
            files.append(QStringLiteral("%1 sound %2").arg(index + 1).arg(name));
        for (const QString &name : station->textFiles)
            files.append(QStringLiteral("%1 text %2").arg(index + 1).arg(name));
    }
    return files;
}

// The route folder "12" below dir, with the given station list and script.txt.
QString writeRouteFolder(const QTemporaryDir &dir, const QByteArray &stations, const QByteArray &script)
{
    const QString folder = dir.filePath(QStringLiteral("12"));
    if (!writeFile(folder + QLatin1String("/ost.txt"), stations))
        return QString();
    if (!script.isNull() && !writeFile(folder + QLatin1String("/script.txt"), script))
        return QString();
    return folder;
}

} // namespace

void TestScript::readKeyToken_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArrayList>("tokens");

    QTest::newRow("bare value") << QByteArray(" BT:(MO)2") << QByteArrayList{"BT=(MO)2"};
    QTest::newRow("two items") << QByteArray(" SM:RB BR:10") << QByteArrayList{"SM=RB", "BR=10"};
    QTest::newRow("quoted value with blanks")
        << QByteArray(" MARSH:\"a b  c\" X:1") << QByteArrayList{"MARSH=a b  c", "X=1"};
    QTest::newRow("escaped quotes") << QByteArray(" MARSH:\"say \\\"hi\\\"\"") << QByteArrayList{"MARSH=say \"hi\""};
    QTest::newRow("other backslashes stay")
        << QByteArray(" MARSH:\"C:\\dir\\x\"") << QByteArrayList{"MARSH=C:\\dir\\x"};
    QTest::newRow("unclosed quote runs to the end") << QByteArray(" MARSH:\"a b") << QByteArrayList{"MARSH=a b"};
    QTest::newRow("item right after a closing quote") << QByteArray(" A:\"x\"B:y") << QByteArrayList{"A=x", "B=y"};
    QTest::newRow("colon at the end") << QByteArray(" BT:") << QByteArrayList{"BT="};
    QTest::newRow("empty bare value") << QByteArray(" BT: SM:RG") << QByteArrayList{"BT=", "SM=RG"};
    QTest::newRow("key without value") << QByteArray(" CYCLE_PLAY SM:RB") << QByteArrayList{"CYCLE_PLAY=", "SM=RB"};
    QTest::newRow("key at the end") << QByteArray("SM:RB CYCLE_PLAY") << QByteArrayList{"SM=RB", "CYCLE_PLAY="};
    QTest::newRow("control and high bytes before a key")
        << QByteArray("\t\x01\xC0\xFF SM:RB") << QByteArrayList{"SM=RB"};
    QTest::newRow("tab stays in a bare value") << QByteArray(" A:x\ty B:z") << QByteArrayList{"A=x\ty", "B=z"};
    QTest::newRow("bare value keeps colons") << QByteArray(" P:/a:b/") << QByteArrayList{"P=/a:b/"};
    QTest::newRow("colon first ends the line") << QByteArray(" :x SM:RB") << QByteArrayList{};
    QTest::newRow("empty line") << QByteArray() << QByteArrayList{};
    QTest::newRow("blanks only") << QByteArray("  \t ") << QByteArrayList{};
}

void TestScript::readKeyToken()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArrayList, tokens);

    QByteArrayList read;
    int position = 0;
    QByteArray key;
    QByteArray value;
    while (::readKeyToken(line, position, key, value)) {
        read.append(key + '=' + value);
        QVERIFY2(position <= line.size(), "position beyond the line");
    }
    QVERIFY(key.isEmpty());
    QCOMPARE(read, tokens);
}

void TestScript::quotedValueReadsBack_data()
{
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("plain") << QByteArray("Маршрут %n.");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blanks") << QByteArray("  two  blanks  ");
    QTest::newRow("quotes") << QByteArray("\"Экспресс\" \"");
    QTest::newRow("backslash before a quote") << QByteArray("a\\\"b");
    QTest::newRow("backslash inside") << QByteArray("C:\\dir");
    QTest::newRow("backslash at the end") << QByteArray("C:\\dir\\");
}

void TestScript::quotedValueReadsBack()
{
    QFETCH(QByteArray, value);

    const QByteArray line = " K:" + quotedTokenValue(value) + " NEXT:1";
    int position = 0;
    QByteArray key;
    QByteArray read;
    QVERIFY(::readKeyToken(line, position, key, read));
    // The quoting has no escape for a backslash itself: one that ends the value makes the
    // closing quote part of the text, and the rest of the line with it.
    QEXPECT_FAIL("backslash at the end", "a value ending in a backslash cannot be quoted", Abort);
    QCOMPARE(read, value);
    QVERIFY(::readKeyToken(line, position, key, read));
    QCOMPARE(key, QByteArray("NEXT"));
}

void TestScript::sofitColorLetters_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<char>("letter");
    QTest::addColumn<int>("readBack");

    QTest::newRow("off") << 0 << 'O' << 0;
    QTest::newRow("blue") << 1 << 'B' << 1;
    QTest::newRow("green") << 2 << 'G' << 2;
    QTest::newRow("green and blue") << 3 << 'O' << 0;
    QTest::newRow("red") << 4 << 'R' << 4;
    QTest::newRow("red and blue") << 5 << 'O' << 0;
    QTest::newRow("yellow") << 6 << 'Y' << 6;
    QTest::newRow("white") << 7 << 'W' << 7;
    QTest::newRow("below the range") << -1 << 'O' << 0;
    QTest::newRow("above the range") << 8 << 'O' << 0;
}

void TestScript::sofitColorLetters()
{
    QFETCH(int, code);
    QFETCH(char, letter);
    QFETCH(int, readBack);

    QCOMPARE(sofitColorLetter(code), letter);
    QCOMPARE(::sofitColorFromLetter(letter), readBack);
}

void TestScript::sofitColorFromLetter_data()
{
    QTest::addColumn<char>("letter");
    QTest::addColumn<int>("code");

    QTest::newRow("lower case red") << 'r' << 0;
    QTest::newRow("lower case white") << 'w' << 0;
    QTest::newRow("unknown letter") << 'X' << 0;
    QTest::newRow("digit") << '4' << 0;
}

void TestScript::sofitColorFromLetter()
{
    QFETCH(char, letter);
    QFETCH(int, code);

    QCOMPARE(::sofitColorFromLetter(letter), code);
}

void TestScript::headerKeys_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("fontInStationList");
    QTest::addColumn<QVariantMap>("changes");

    auto row = [](const char *name, const QByteArray &script, const QVariantMap &changes, bool font = false) {
        QTest::newRow(name) << script << font << changes;
    };
    row("no items", byteOrderMark + " UNKNOWN:1\r\n", {});
    row("BT", byteOrderMark + " BT:(MO)3(NNS)0", {{QStringLiteral("salonTabloOrder"), QByteArray("(MO)3(NNS)0")}});
    row("BT bytes are not decoded", " BT:(\xC0\xFF)1",
        {{QStringLiteral("salonTabloOrder"), QByteArray("(\xC0\xFF)1")}});
    row("empty BT keeps the default", " BT: SM:RG",
        {{QStringLiteral("leftSofitColor"), 4}, {QStringLiteral("rightSofitColor"), 2}});
    row("PATH_REKLAMA beside the route", " PATH_REKLAMA:/Реклама/",
        {{QStringLiteral("adFolder"), QStringLiteral("/Реклама")}});
    row("PATH_REKLAMA inside the route", " PATH_REKLAMA:/12/Rek/",
        {{QStringLiteral("adFolder"), QStringLiteral("/12/Rek")}});
    row("PATH_REKLAMA without slashes", " PATH_REKLAMA:Rek", {{QStringLiteral("adFolder"), QStringLiteral("/Rek")}});
    row("PATH_REKLAMA quoted", " PATH_REKLAMA:\"/Реклама 2/\"",
        {{QStringLiteral("adFolder"), QStringLiteral("/Реклама 2")}});
    row("PATH_REKLAMA in Windows-1251", windows1251(QStringLiteral(" PATH_REKLAMA:/Реклама/")),
        {{QStringLiteral("adFolder"), QStringLiteral("/Реклама")}});
    row("SM two letters", " SM:YW", {{QStringLiteral("leftSofitColor"), 6}, {QStringLiteral("rightSofitColor"), 7}});
    row("SM one letter", " SM:B", {{QStringLiteral("leftSofitColor"), 1}});
    row("SM lower case after upper case", " SM:RB SM:rb", {});
    row("BR two digits", " BR:23", {{QStringLiteral("brValues0"), 2}, {QStringLiteral("brValues1"), 3}});
    row("BR one digit", " BR:3", {{QStringLiteral("brValues0"), 3}});
    row("BR digit out of range", " BR:9", {});
    row("BR second digit out of range", " BR:04", {{QStringLiteral("brValues0"), 0}});
    row("TABLO_FONT single 0", " TABLO_FONT:0", {{QStringLiteral("frontFont"), 3}});
    row("TABLO_FONT single 1", " TABLO_FONT:1", {});
    row("TABLO_FONT 01", " TABLO_FONT:01", {{QStringLiteral("frontFont"), 1}});
    row("TABLO_FONT 10", " TABLO_FONT:10", {{QStringLiteral("frontFont"), 2}});
    row("TABLO_FONT 11 after 00", " TABLO_FONT:00 TABLO_FONT:11", {});
    row("TABLO_FONT ignored after an ost.txt font item", " TABLO_FONT:11", {{QStringLiteral("frontFont"), 3}}, true);
    row("SALON_COLOR three digits", " SALON_COLOR:#F80", {{QStringLiteral("salonColor"), 0xF08000}});
    row("SALON_COLOR six digits without #", " SALON_COLOR:ff8001", {{QStringLiteral("salonColor"), 0xFF8001}});
    row("SALON_COLOR no number", " SALON_COLOR:#xyz", {{QStringLiteral("salonColor"), 0}});
    row("SALON_COLOR empty", " SALON_COLOR:", {});
    row("CYCLE_PLAY", " CYCLE_PLAY", {{QStringLiteral("cyclePlay"), true}});
    row("CYCLE_PLAY with a value", " CYCLE_PLAY:0", {{QStringLiteral("cyclePlay"), true}});
    row("texts of both languages",
        " MARSH:\"М %n\" MARSH2:\"R %n\"\r\n TEMP_OUT:\"Улица\" TEMP_OUT2:\"Out\"\r\n TEMP_IN:\"Салон\" "
        "TEMP_IN2:\"In\"",
        {{QStringLiteral("routeText0"), QStringLiteral("М %n")},
         {QStringLiteral("routeText1"), QStringLiteral("R %n")},
         {QStringLiteral("outsideTempText0"), QStringLiteral("Улица")},
         {QStringLiteral("outsideTempText1"), QStringLiteral("Out")},
         {QStringLiteral("salonTempText0"), QStringLiteral("Салон")},
         {QStringLiteral("salonTempText1"), QStringLiteral("In")}});
    row("route texts keep their blanks", " MARSH:\"  М  \" TEMP_IN:\" \"",
        {{QStringLiteral("routeText0"), QStringLiteral("  М  ")},
         {QStringLiteral("salonTempText0"), QStringLiteral(" ")}});
    row("words and time are trimmed",
        " WORD_ST:\" Остановка \" WORD_ST2:\"\tStop \" WORD_NEXT_ST:\" Далее\" WORD_NEXT_ST2:\"Next \" SALON_TIME:\" "
        "hh:mm \"",
        {{QStringLiteral("stationWord0"), QStringLiteral("Остановка")},
         {QStringLiteral("stationWord1"), QStringLiteral("Stop")},
         {QStringLiteral("nextWord0"), QStringLiteral("Далее")},
         {QStringLiteral("nextWord1"), QStringLiteral("Next")},
         {QStringLiteral("salonTimeText"), QStringLiteral("hh:mm")}});
    row("empty quoted text", " MARSH:\"\"", {{QStringLiteral("routeText0"), QString()}});
    row("unquoted text ends at a blank", " MARSH:Маршрут 12 TEMP_IN:Салон",
        {{QStringLiteral("routeText0"), QStringLiteral("Маршрут")},
         {QStringLiteral("salonTempText0"), QStringLiteral("Салон")}});
    row("escaped quotes", " MARSH:\"Маршрут \\\"Экспресс\\\"\"",
        {{QStringLiteral("routeText0"), QStringLiteral("Маршрут \"Экспресс\"")}});
    row("texts in Windows-1251", windows1251(QStringLiteral(" MARSH:\"Маршрут №%n\" WORD_ST:\"Остановка\"")),
        {{QStringLiteral("routeText0"), QStringLiteral("Маршрут №%n")},
         {QStringLiteral("stationWord0"), QStringLiteral("Остановка")}});
    row("later keys overwrite", " WORD_ST:\"А\" BR:22\r\n WORD_ST:\"Б\"\r\n BR:3",
        {{QStringLiteral("stationWord0"), QStringLiteral("Б")},
         {QStringLiteral("brValues0"), 3},
         {QStringLiteral("brValues1"), 2}});
    row("keys are case-sensitive", " marsh:\"x\" Sm:RB cycle_play", {});
    row("LF line ends", " MARSH:\"A\"\n MARSH2:\"B\"\n",
        {{QStringLiteral("routeText0"), QStringLiteral("A")}, {QStringLiteral("routeText1"), QStringLiteral("B")}});
    row("an empty line stays in the header", "\r\n\r\n MARSH:\"A\"\r\n",
        {{QStringLiteral("routeText0"), QStringLiteral("A")}});
    row("items after the first station line are no keys", " MARSH:\"A\"\r\n1 a.wav\r\n MARSH:\"B\"\r\n",
        {{QStringLiteral("routeText0"), QStringLiteral("A")}});
    row("a first line starting with a digit is a station line", byteOrderMark + "1 a.wav\r\n MARSH:\"B\"\r\n", {});
}

void TestScript::headerKeys()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, fontInStationList);
    QFETCH(QVariantMap, changes);

    QTemporaryDir dir;
    const QString folder = writeRouteFolder(dir, fontInStationList ? stationListWithFont : stationList, script);
    QVERIFY(!folder.isEmpty());
    RouteData route;
    QVERIFY(route.load(folder));

    QVariantMap expected = startValues();
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        expected.insert(it.key(), it.value());
    compareFields(fieldValues(route), expected);
}

void TestScript::missingFileGivesStartValues()
{
    QTemporaryDir dir;
    const QString folder = writeRouteFolder(dir, stationList, QByteArray());
    RouteData route;
    QVERIFY(route.load(folder));
    compareFields(fieldValues(route), startValues());

    // Every read starts from the start values, also over values of an earlier read.
    setFieldValues(route,
                   {{QStringLiteral("routeText0"), QStringLiteral("x")},
                    {QStringLiteral("salonColor"), 1},
                    {QStringLiteral("cyclePlay"), true},
                    {QStringLiteral("brValues0"), 3}});
    QVERIFY(!route.readScript());
    compareFields(fieldValues(route), startValues());
}

void TestScript::stationLines_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QStringList>("files");

    const QStringList fromStationList{QStringLiteral("1 sound 01.wav"), QStringLiteral("2 sound 02.wav"),
                                      QStringLiteral("3 sound 03.wav")};
    QTest::newRow("no station lines") << QByteArray(" MARSH:\"A\"\r\n") << fromStationList;
    QTest::newRow("quoted, bare, text and other names")
        << QByteArray(" MARSH:\"A\"\r\n3 \"Вокзал центральный.wav\", 03b.mp3 справка.txt notes.doc\r\n")
        << QStringList{QStringLiteral("1 sound 01.wav"),  QStringLiteral("2 sound 02.wav"),
                       QStringLiteral("3 sound 03.wav"),  QStringLiteral("3 sound Вокзал центральный.wav"),
                       QStringLiteral("3 sound 03b.mp3"), QStringLiteral("3 text справка.txt")};
    QTest::newRow("numbers outside the list are ignored")
        << QByteArray("0 a.wav\r\n4 b.wav\r\n-1 c.wav\r\nx d.wav\r\n") << fromStationList;
    QTest::newRow("lines for one stop add up in order")
        << QByteArray("2 b.txt\n2 a.TXT,c.WAV\n")
        << QStringList{QStringLiteral("1 sound 01.wav"), QStringLiteral("2 sound 02.wav"),
                       QStringLiteral("2 sound c.WAV"),  QStringLiteral("2 text b.txt"),
                       QStringLiteral("2 text a.TXT"),   QStringLiteral("3 sound 03.wav")};
    QTest::newRow("Windows-1251 names") << windows1251(QStringLiteral("1 \"вокзал 1.wav\" справка.txt\r\n"))
                                        << QStringList{
                                               QStringLiteral("1 sound 01.wav"), QStringLiteral("1 sound вокзал 1.wav"),
                                               QStringLiteral("1 text справка.txt"), QStringLiteral("2 sound 02.wav"),
                                               QStringLiteral("3 sound 03.wav")};
    QTest::newRow("first line right after the byte order mark")
        << QByteArray("\xEF\xBB\xBF"
                      "2 x.mp3\r\n")
        << QStringList{QStringLiteral("1 sound 01.wav"), QStringLiteral("2 sound 02.wav"),
                       QStringLiteral("2 sound x.mp3"), QStringLiteral("3 sound 03.wav")};
    QTest::newRow("empty and unclosed quotes")
        << QByteArray("1 \"\" \"a b.ape")
        << QStringList{QStringLiteral("1 sound 01.wav"), QStringLiteral("1 sound a b.ape"),
                       QStringLiteral("2 sound 02.wav"), QStringLiteral("3 sound 03.wav")};
    QTest::newRow("a tab after the number spoils it") << QByteArray("1\ta.wav\r\n") << fromStationList;
}

void TestScript::stationLines()
{
    QFETCH(QByteArray, script);
    QFETCH(QStringList, files);

    QTemporaryDir dir;
    const QString folder = writeRouteFolder(dir, stationList, script);
    RouteData route;
    QVERIFY(route.load(folder));
    QCOMPARE(stationFiles(route), files);
}

void TestScript::roundTrip_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    for (const char *name : {"canonical", "handwritten", "windows-1251"}) {
        const QString base = fixture(QStringLiteral("script/") + QLatin1String(name));
        QTest::newRow(name) << base + QLatin1String("/input") << base + QLatin1String("/expected/script.txt");
    }
}

void TestScript::roundTrip()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("12"));
    QVERIFY(copyFolder(input, folder));
    RouteData route;
    QVERIFY(route.load(folder));
    QVERIFY(route.writeScript());
    QByteArray written;
    QByteArray wanted;
    QVERIFY(readFile(folder + QLatin1String("/script.txt"), written));
    QVERIFY2(readFile(expected, wanted), qPrintable(expected));
    QCOMPARE(written, wanted);
}

void TestScript::sevenLines_data()
{
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<QByteArray>("script");

    QTest::newRow("start values") << QVariantMap()
                                  << QByteArray("\xEF\xBB\xBF"
                                                " BT:(MO)2(MNNSABTR)0 PATH_REKLAMA:/Reklama/ SM:OO BR:10 TABLO_FONT:1"
                                                " SALON_COLOR:#800000\r\n"
                                                " MARSH:\"Маршрут %n.\"\r\n"
                                                " TEMP_OUT:\"<&F1 <&V03    На улице %t>\"\r\n"
                                                " TEMP_IN:\"<&F1 <&V03    В салоне %t>\"\r\n"
                                                " WORD_ST:\"\"\r\n"
                                                " WORD_NEXT_ST:\"\"\r\n"
                                                " SALON_TIME:\"'<&F1 <&L06'   hh:mm  dd.MM.yyyy>\"\r\n");
    QTest::newRow("every field") << QVariantMap{{QStringLiteral("salonTabloOrder"), QByteArray("(M)1")},
                                                {QStringLiteral("adFolder"), QStringLiteral("/12/Rek")},
                                                {QStringLiteral("leftSofitColor"), 2},
                                                {QStringLiteral("rightSofitColor"), 4},
                                                {QStringLiteral("brValues0"), 3},
                                                {QStringLiteral("brValues1"), 2},
                                                {QStringLiteral("frontFont"), 1},
                                                {QStringLiteral("salonColor"), 0x0a0b0c},
                                                {QStringLiteral("cyclePlay"), true},
                                                {QStringLiteral("routeText0"), QStringLiteral("М \"1\"")},
                                                {QStringLiteral("routeText1"), QStringLiteral("R")},
                                                {QStringLiteral("outsideTempText0"), QString()},
                                                {QStringLiteral("outsideTempText1"), QStringLiteral("O")},
                                                {QStringLiteral("salonTempText1"), QStringLiteral("I")},
                                                {QStringLiteral("stationWord0"), QStringLiteral("Ост")},
                                                {QStringLiteral("stationWord1"), QStringLiteral("St")},
                                                {QStringLiteral("nextWord0"), QStringLiteral("След")},
                                                {QStringLiteral("nextWord1"), QStringLiteral("Nx")},
                                                {QStringLiteral("salonTimeText"), QStringLiteral("hh:mm")}}
                                 << QByteArray("\xEF\xBB\xBF"
                                               " BT:(M)1 PATH_REKLAMA:/12/Rek/ SM:GR BR:32 TABLO_FONT:0"
                                               " SALON_COLOR:#0a0b0c CYCLE_PLAY\r\n"
                                               " MARSH:\"М \\\"1\\\"\" MARSH2:\"R\"\r\n"
                                               " TEMP_OUT:\"\" TEMP_OUT2:\"O\"\r\n"
                                               " TEMP_IN:\"<&F1 <&V03    В салоне %t>\" TEMP_IN2:\"I\"\r\n"
                                               " WORD_ST:\"Ост\" WORD_ST2:\"St\"\r\n"
                                               " WORD_NEXT_ST:\"След\" WORD_NEXT_ST2:\"Nx\"\r\n"
                                               " SALON_TIME:\"hh:mm\"\r\n");
    QTest::newRow("codes without a letter, font bit 1 only")
        << QVariantMap{{QStringLiteral("leftSofitColor"), 3},
                       {QStringLiteral("rightSofitColor"), 9},
                       {QStringLiteral("frontFont"), 2},
                       {QStringLiteral("salonColor"), 0x1ffffff}}
        << QByteArray("\xEF\xBB\xBF"
                      " BT:(MO)2(MNNSABTR)0 PATH_REKLAMA:/Reklama/ SM:OO BR:10 TABLO_FONT:1 SALON_COLOR:#ffffff\r\n"
                      " MARSH:\"Маршрут %n.\"\r\n"
                      " TEMP_OUT:\"<&F1 <&V03    На улице %t>\"\r\n"
                      " TEMP_IN:\"<&F1 <&V03    В салоне %t>\"\r\n"
                      " WORD_ST:\"\"\r\n"
                      " WORD_NEXT_ST:\"\"\r\n"
                      " SALON_TIME:\"'<&F1 <&L06'   hh:mm  dd.MM.yyyy>\"\r\n");
}

void TestScript::sevenLines()
{
    QFETCH(QVariantMap, values);
    QFETCH(QByteArray, script);

    QTemporaryDir dir;
    const QString folder = writeRouteFolder(dir, stationList, QByteArray());
    RouteData route;
    QVERIFY(route.load(folder));
    setFieldValues(route, values);
    QVERIFY(route.writeScript());
    QByteArray written;
    QVERIFY(readFile(folder + QLatin1String("/script.txt"), written));
    QCOMPARE(written, script);
}

void TestScript::valuesWithBlanksComeBack_data()
{
    QTest::addColumn<QByteArray>("order");
    QTest::addColumn<QString>("adFolder");
    QTest::addColumn<QByteArray>("items");

    QTest::newRow("plain values stay bare") << QByteArray("(MO)2(MNNSABTR)0") << QStringLiteral("/Реклама")
                                            << QByteArray(" BT:(MO)2(MNNSABTR)0 PATH_REKLAMA:/Реклама/ ");
    QTest::newRow("folder with a blank") << QByteArray("(MO)2") << QStringLiteral("/12/Реклама 2")
                                         << QByteArray(" BT:(MO)2 PATH_REKLAMA:\"/12/Реклама 2/\" ");
    QTest::newRow("folder with a quote") << QByteArray("(MO)2") << QStringLiteral("/Rek\"lama")
                                         << QByteArray(" BT:(MO)2 PATH_REKLAMA:\"/Rek\\\"lama/\" ");
    QTest::newRow("order with a blank") << QByteArray("(MO)2 (NS)0") << QStringLiteral("/Reklama")
                                        << QByteArray(" BT:\"(MO)2 (NS)0\" PATH_REKLAMA:/Reklama/ ");
    QTest::newRow("order with a quote") << QByteArray("(M\"O)2") << QStringLiteral("/Reklama")
                                        << QByteArray(" BT:\"(M\\\"O)2\" PATH_REKLAMA:/Reklama/ ");
}

void TestScript::valuesWithBlanksComeBack()
{
    QFETCH(QByteArray, order);
    QFETCH(QString, adFolder);
    QFETCH(QByteArray, items);

    QTemporaryDir dir;
    const QString folder = writeRouteFolder(dir, stationList, QByteArray());
    RouteData route;
    QVERIFY(route.load(folder));
    setFieldValues(route, {{QStringLiteral("salonTabloOrder"), order}, {QStringLiteral("adFolder"), adFolder}});
    QVERIFY(route.writeScript());
    QByteArray written;
    QVERIFY(readFile(folder + QLatin1String("/script.txt"), written));
    QVERIFY2(written.startsWith(byteOrderMark + items), written.constData());

    RouteData reread;
    QVERIFY(reread.load(folder));
    QCOMPARE(reread.salonTabloOrder(), order);
    QCOMPARE(fieldValues(reread).value(QStringLiteral("adFolder")).toString(), adFolder);
}

void TestScript::writeIntoMissingFolderFails()
{
    QTemporaryDir dir;
    RouteData route;
    route.setFolder(dir.filePath(QStringLiteral("missing")));
    QVERIFY(!route.writeScript());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}

QTEST_GUILESS_MAIN(TestScript)
#include "tst_script.moc"
