#include "editorini.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// editor.ini: the board types of one route folder.
class TestEditorIni : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void missingFile();
    void write();
};

void TestEditorIni::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("types");

    QTest::newRow("all three") << QByteArray("frontTabloType=4\r\nsideTabloType=6\r\nbackTabloType=5\r\n") << QList<int>{4, 6, 5};
    QTest::newRow("unix line ends") << QByteArray("frontTabloType=4\nsideTabloType=6\nbackTabloType=5") << QList<int>{4, 6, 5};
    QTest::newRow("out of range") << QByteArray("frontTabloType=12\r\nsideTabloType=-1\r\n") << QList<int>{0, 1, 1};
    QTest::newRow("leading part of a key") << QByteArray("front=7\r\nback=2\r\n") << QList<int>{7, 1, 2};
    QTest::newRow("longer than the key") << QByteArray("frontTabloTypes=7\r\n") << QList<int>{0, 1, 1};
    QTest::newRow("empty name is the front") << QByteArray("=9\r\n") << QList<int>{9, 1, 1};
    QTest::newRow("later line wins") << QByteArray("sideTabloType=3\r\nsideTabloType=10\r\n") << QList<int>{0, 10, 1};
    QTest::newRow("unreadable value is 0") << QByteArray("sideTabloType=x\r\n") << QList<int>{0, 0, 1};
    QTest::newRow("lines without = and unknown keys") << QByteArray("[board]\r\ncolour=3\r\nbackTabloType=11\r\n")
                                                       << QList<int>{0, 1, 11};
}

void TestEditorIni::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, types);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("editor.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    EditorIni ini;
    QVERIFY(ini.read(folder.path()));
    QCOMPARE((QList<int>{ini.front, ini.side, ini.back}), types);
}

void TestEditorIni::missingFile()
{
    QTemporaryDir folder;
    EditorIni ini;
    ini.side = FrontTablo20x120Color;
    QVERIFY(!ini.read(folder.path()));
    QCOMPARE(ini.side, FrontTablo20x120Color);
}

void TestEditorIni::write()
{
    QTemporaryDir folder;
    EditorIni ini;
    ini.front = FrontTablo32x320Color;
    ini.side = FrontTablo24x144Color;
    ini.back = FrontTablo32x256Color;
    QVERIFY(ini.write(folder.path()));
    QFile file(folder.filePath(QStringLiteral("editor.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("frontTabloType=4\r\nsideTabloType=6\r\nbackTabloType=5\r\n"));
    QVERIFY(!ini.write(folder.filePath(QStringLiteral("missing"))));
}

QTEST_GUILESS_MAIN(TestEditorIni)
#include "tst_editorini.moc"
