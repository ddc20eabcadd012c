#include "routedata.h"
#include "routedefaults.h"
#include "support/fixturefiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace FixtureFiles;

class TestRouteDefaults : public QObject
{
    Q_OBJECT

private slots:
    void exampleRouteFiles_data();
    void exampleRouteFiles();
    void exampleRouteSettings();
    void createNewRefused_data();
    void createNewRefused();
    void replaceLeadingWord_data();
    void replaceLeadingWord();
    void generatedTexts_data();
    void generatedTexts();
};

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

void TestRouteDefaults::exampleRouteFiles_data()
{
    QTest::addColumn<bool>("afterFailedLoad");

    QTest::newRow("empty route") << false;
    // The route page creates the example right after load() failed on a folder without ost.txt.
    QTest::newRow("after a failed load") << true;
}

void TestRouteDefaults::exampleRouteFiles()
{
    QFETCH(bool, afterFailedLoad);

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new"));
    QVERIFY(QDir().mkpath(folder));
    RouteData route;
    if (afterFailedLoad)
        QVERIFY(!route.load(folder));
    QVERIFY(route.createNew(folder));
    QVERIFY(route.save());

    const QString expected = fixture(QStringLiteral("routedefaults/new"));
    QCOMPARE(filesBelow(folder), filesBelow(expected));
    for (const QString &file : filesBelow(expected)) {
        QByteArray written;
        QByteArray wanted;
        QVERIFY(readFile(folder + QLatin1Char('/') + file, written));
        QVERIFY(readFile(expected + QLatin1Char('/') + file, wanted));
        QVERIFY2(written == wanted, qPrintable(file));
    }
}

// What the written files cannot show: the paths, the font flag and the radius of stops
// without position. Everything else of the example is in the files compared above.
void TestRouteDefaults::exampleRouteSettings()
{
    RouteData route;
    QVERIFY(route.createNew(QStringLiteral("/routes/new")));
    QCOMPARE(route.folder(), QStringLiteral("/routes/new"));
    QCOMPARE(route.adFolder(), QStringLiteral("/routes/new/Rek"));
    QVERIFY(route.adTextFiles().isEmpty());
    QVERIFY(!route.frontFontFromStationList());
    QCOMPARE(route.stationCount(), 6);
    for (int index = 0; index < route.stationCount(); ++index)
        QCOMPARE(int(route.stationAt(index)->radius), 25);
}

void TestRouteDefaults::createNewRefused_data()
{
    QTest::addColumn<QString>("loadedFolder");
    QTest::addColumn<QString>("path");

    QTest::newRow("route already created") << QStringLiteral("/routes/a") << QStringLiteral("/routes/b");
    QTest::newRow("empty path") << QString() << QString();
}

void TestRouteDefaults::createNewRefused()
{
    QFETCH(QString, loadedFolder);
    QFETCH(QString, path);

    RouteData route;
    if (!loadedFolder.isEmpty()) {
        QVERIFY(route.createNew(loadedFolder));
        route.removeStation(0);
        route.setFrontNumber(QStringLiteral("99"));
    }
    QVERIFY(!route.createNew(path));
    QCOMPARE(route.folder(), loadedFolder);
    QCOMPARE(route.stationCount(), loadedFolder.isEmpty() ? 0 : 5);
    QCOMPARE(route.frontNumber(), loadedFolder.isEmpty() ? QString() : QStringLiteral("99"));
}

void TestRouteDefaults::replaceLeadingWord_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");

    const QString next = text("Следующая остановка");
    const QString stop = text("Остановка");
    QTest::newRow("word exchanged") << next << stop << text("Следующая остановка Пункт Б.")
                                    << text("Остановка Пункт Б.");
    QTest::newRow("blanks around the rest")
        << next << stop << text("Следующая остановка   Пункт  ") << text("Остановка Пункт");
    QTest::newRow("text without the word") << next << stop << text("  Пункт Б. ") << text("Остановка Пункт Б.");
    QTest::newRow("the word alone") << next << stop << next << stop;
    QTest::newRow("case-sensitive") << next << stop << text("следующая остановка Пункт")
                                    << text("Остановка следующая остановка Пункт");
    QTest::newRow("word glued to the name")
        << stop << next << text("ОстановкаПункт") << text("Следующая остановка Пункт");
    QTest::newRow("empty word to remove") << QString() << stop << text(" Пункт ") << text("Остановка Пункт");
    QTest::newRow("empty word to put") << stop << QString() << text("Остановка Пункт") << text("Пункт");
    QTest::newRow("both words empty") << QString() << QString() << text("  x ") << text("x");
    QTest::newRow("empty text") << next << stop << QString() << stop;
}

void TestRouteDefaults::replaceLeadingWord()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, input);
    QFETCH(QString, output);

    QCOMPARE(::replaceLeadingWord(from, to, input), output);
}

void TestRouteDefaults::generatedTexts_data()
{
    QTest::addColumn<bool>("toStation");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");

    QTest::newRow("stop from next stop") << true << 0 << text("Следующая остановка Пункт Б.")
                                         << text("Остановка Пункт Б.");
    QTest::newRow("next stop from stop") << false << 0 << text("Остановка Пункт Б.")
                                         << text("Следующая остановка Пункт Б.");
    QTest::newRow("stop from a bare name") << true << 0 << text("Пункт Б") << text("Остановка Пункт Б");
    QTest::newRow("stop from the next-stop word alone")
        << true << 0 << text("Следующая остановка") << text("Остановка");
    QTest::newRow("second language without words") << true << 1 << text("  Stop A ") << text("Stop A");
    QTest::newRow("second language, empty text") << false << 1 << QString() << QString();
}

void TestRouteDefaults::generatedTexts()
{
    QFETCH(bool, toStation);
    QFETCH(int, language);
    QFETCH(QString, input);
    QFETCH(QString, output);

    RouteData route;
    QVERIFY(route.createNew(QStringLiteral("/routes/new")));
    QCOMPARE(toStation ? route.toStationText(language, input) : route.toNextText(language, input), output);
}

QTEST_GUILESS_MAIN(TestRouteDefaults)
#include "tst_routedefaults.moc"
