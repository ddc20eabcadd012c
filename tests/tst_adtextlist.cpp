#include "adtextlistfile.h"
#include "routedata.h"
#include "support/fixturefiles.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

using namespace FixtureFiles;

namespace {

QStringList list(std::initializer_list<const char *> names)
{
    QStringList result;
    for (const char *name : names)
        result.append(QString::fromUtf8(name));
    return result;
}

} // namespace

class TestAdTextList : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void missingFileGivesEmptyList();
    void write_data();
    void write();
    void missingAdFolderIsNotWritten();
    void adFolderThatIsAFileFails();
    void roundTrip_data();
    void roundTrip();
};

void TestAdTextList::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("CR LF lines") << QByteArray("r1.txt\r\nr2.txt\r\n") << list({"r1.txt", "r2.txt"});
    QTest::newRow("last line without line end") << QByteArray("r1.txt\r\nr2.txt") << list({"r1.txt", "r2.txt"});
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBFr1.txt\r\n") << list({"r1.txt"});
    QTest::newRow("blanks around the name")
        << QByteArray("  r1.txt \t\r\n\tr 2.txt  \n") << list({"r1.txt", "r 2.txt"});
    QTest::newRow("carriage return only at the end") << QByteArray("r1.txt\r") << list({"r1.txt"});
    QTest::newRow("upper-case extension") << QByteArray("R1.TXT\r\nr2.Txt\r\n") << list({"R1.TXT", "r2.Txt"});
    QTest::newRow("other files and blank lines are dropped")
        << QByteArray("a.wav\r\n\r\n   \r\nnotes\r\nb.txt.bak\r\nc.txt\r\n") << list({"c.txt"});
    QTest::newRow("duplicates stay") << QByteArray("a.txt\r\na.txt\r\n") << list({"a.txt", "a.txt"});
    QTest::newRow("UTF-8 names") << QStringLiteral("реклама 1.txt\r\n").toUtf8()
                                 << QStringList{QStringLiteral("реклама 1.txt")};
    QTest::newRow("Windows-1251 names")
        << QTextCodec::codecForName("Windows-1251")->fromUnicode(QStringLiteral("реклама 1.txt\r\nскидки.txt\r\n"))
        << QStringList{QStringLiteral("реклама 1.txt"), QStringLiteral("скидки.txt")};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestAdTextList::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, names);

    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("rscript.txt")), content));
    QCOMPARE(readAdTextList(dir.path()), names);

    RouteData route;
    route.setAdFolder(dir.path());
    route.setAdTextFiles({QStringLiteral("old.txt")});
    QVERIFY(route.readAdTexts());
    QCOMPARE(route.adTextFiles(), names);
}

void TestAdTextList::missingFileGivesEmptyList()
{
    QTemporaryDir dir;
    QVERIFY(readAdTextList(dir.path()).isEmpty());
    QVERIFY(readAdTextList(dir.filePath(QStringLiteral("missing"))).isEmpty());

    RouteData route;
    route.setAdFolder(dir.filePath(QStringLiteral("missing")));
    route.setAdTextFiles({QStringLiteral("old.txt")});
    QVERIFY(!route.readAdTexts());
    QVERIFY(route.adTextFiles().isEmpty());
}

void TestAdTextList::write_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("names") << list({"r1.txt", "r 2.txt"}) << QByteArray("r1.txt\r\nr 2.txt\r\n");
    QTest::newRow("UTF-8 without byte order mark")
        << QStringList{QStringLiteral("скидки.txt")} << QStringLiteral("скидки.txt\r\n").toUtf8();
    QTest::newRow("empty list gives an empty file") << QStringList() << QByteArray("");
}

void TestAdTextList::write()
{
    QFETCH(QStringList, names);
    QFETCH(QByteArray, content);

    QTemporaryDir dir;
    RouteData route;
    route.setAdFolder(dir.path());
    route.setAdTextFiles(names);
    QVERIFY(route.writeAdTexts());
    QByteArray written;
    QVERIFY(readFile(dir.filePath(QStringLiteral("rscript.txt")), written));
    QCOMPARE(written, content);
}

void TestAdTextList::missingAdFolderIsNotWritten()
{
    QTemporaryDir dir;
    const QString adFolder = dir.filePath(QStringLiteral("Reklama"));
    RouteData route;
    route.setAdFolder(adFolder);
    route.setAdTextFiles({QStringLiteral("r1.txt")});
    QVERIFY(route.writeAdTexts());
    QVERIFY(!QFileInfo::exists(adFolder));
}

void TestAdTextList::adFolderThatIsAFileFails()
{
    QTemporaryDir dir;
    const QString adFolder = dir.filePath(QStringLiteral("Reklama"));
    QVERIFY(writeFile(adFolder, "not a folder"));
    RouteData route;
    route.setAdFolder(adFolder);
    QVERIFY(!route.writeAdTexts());
    QByteArray content;
    QVERIFY(readFile(adFolder, content));
    QCOMPARE(content, QByteArray("not a folder"));
}

void TestAdTextList::roundTrip_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    for (const char *name : {"canonical", "handwritten", "windows-1251"}) {
        const QString base = fixture(QStringLiteral("adtextlist/") + QLatin1String(name));
        QTest::newRow(name) << base + QLatin1String("/input") << base + QLatin1String("/expected/rscript.txt");
    }
}

void TestAdTextList::roundTrip()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(copyFolder(input, dir.path()));
    RouteData route;
    route.setAdFolder(dir.path());
    QVERIFY(route.readAdTexts());
    QVERIFY(route.writeAdTexts());
    QByteArray written;
    QByteArray wanted;
    QVERIFY(readFile(dir.filePath(QStringLiteral("rscript.txt")), written));
    QVERIFY2(readFile(expected, wanted), qPrintable(expected));
    QCOMPARE(written, wanted);
}

QTEST_GUILESS_MAIN(TestAdTextList)
#include "tst_adtextlist.moc"
