#include "textrules.h"

#include <QTextCodec>
#include <QtTest>

class TestTextRules : public QObject
{
    Q_OBJECT

private slots:
    void decodeFileText_data();
    void decodeFileText();
    void looksLikeUtf8_data();
    void looksLikeUtf8();
    void codePages_data();
    void codePages();
    void strictUtf8_data();
    void strictUtf8();
    void fileKind_data();
    void fileKind();
    void parseHexColor_data();
    void parseHexColor();
    void formatHexColor_data();
    void formatHexColor();
};

namespace {

QByteArray windows1251(const QString &text)
{
    return QTextCodec::codecForName("Windows-1251")->fromUnicode(text);
}

} // namespace

void TestTextRules::decodeFileText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QStringList texts{QStringLiteral("Остановка Пункт А."), QStringLiteral("№ 5"),
                            QStringLiteral("Пункт А – Пункт Б"), QStringLiteral("Ёлка"), QStringLiteral("Stop 12"),
                            QString()};
    for (const QString &text : texts) {
        QTest::addRow("utf8 %s", qPrintable(text)) << text.toUtf8() << text;
        QTest::addRow("cp1251 %s", qPrintable(text)) << windows1251(text) << text;
    }
    // A zero byte within a field keeps what follows it, as the Windows-1251 decoding does.
    const QString withZero = QStringLiteral("Улица") + QChar(0) + QStringLiteral("Мира");
    QTest::newRow("utf8 with a zero byte") << withZero.toUtf8() << withZero;
    QTest::newRow("cp1251 with a zero byte") << windows1251(withZero) << withZero;
}

void TestTextRules::decodeFileText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(::decodeFileText(bytes), text);
}

void TestTextRules::looksLikeUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");

    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("ascii") << QByteArray("Route 12") << true;
    QTest::newRow("two-byte") << QByteArray("\xD0\x90") << true;
    QTest::newRow("E0 needs A0 or more") << QByteArray("\xE0\x80\x80\xE0\x80\x80\xE0\x80\x80\xE0\x80\x80\xE0\x80\x80")
                                         << false;
    QTest::newRow("E0 A0 80") << QByteArray("\xE0\xA0\x80") << true;
    QTest::newRow("numero sign") << QByteArray("\xE2\x84\x96") << true;
    QTest::newRow("en dash") << QByteArray("\xE2\x80\x93") << true;
    QTest::newRow("truncated three-byte at end") << QByteArray("\xE2\x84") << false;
    QTest::newRow("four-byte counts invalid") << QByteArray("\xF0\x9F\x98\x80") << false;
    QTest::newRow("cp1251 word") << windows1251(QStringLiteral("Остановка")) << false;
    // The score starts just above the threshold: one byte that fits no sequence tips it.
    QTest::newRow("one stray byte") << QByteArray("ab\xC0") << false;
    QTest::newRow("stray byte after a sequence") << QByteArray("\xD0\x90\xC0") << true;
    QTest::newRow("five stray bytes") << QByteArray("\xC0\xC0\xC0\xC0\xC0") << false;
    QTest::newRow("early yes") << QString(QStringLiteral("ЖЖЖЖЖ")).toUtf8() + "\xC0\xC0\xC0\xC0\xC0\xC0" << true;
    QTest::newRow("stops at zero byte") << QByteArray("ab\0\xC0\xC0\xC0\xC0\xC0", 8) << true;
}

void TestTextRules::looksLikeUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QCOMPARE(::looksLikeUtf8(bytes), utf8);
}

void TestTextRules::codePages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("codec");

    QTest::newRow("Windows-1251") << int(CodePage::Windows1251) << QByteArray("Windows-1251");
    QTest::newRow("Windows-1252") << int(CodePage::Windows1252) << QByteArray("Windows-1252");
}

// The project's tables read every byte as Qt's own codecs do, so that files read the same in
// every build.
void TestTextRules::codePages()
{
    QFETCH(int, page);
    QFETCH(QByteArray, codec);
    QByteArray every;
    for (int byte = 0; byte < 256; ++byte)
        every.append(char(byte));
    QCOMPARE(decodeCodePage(every, CodePage(page)), QTextCodec::codecForName(codec)->toUnicode(every));
}

void TestTextRules::strictUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");

    QTest::newRow("ASCII") << QByteArray("stop_name") << true;
    QTest::newRow("Cyrillic and a mark") << QByteArray("\xEF\xBB\xBF\xD0\x92\xE2\x84\x96") << true;
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x9A\x8C") << true;
    QTest::newRow("Latin-1") << QByteArray("Stra\xDF" "e") << false;
    QTest::newRow("cut off at the end") << QByteArray("\xD0") << false;
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("zero byte within") << QByteArray("id\0\xD0\x92", 5) << true;
}

void TestTextRules::strictUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QCOMPARE(isUtf8(bytes), utf8);
}

void TestTextRules::fileKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");

    QTest::newRow("empty") << QString() << int(OtherFile);
    QTest::newRow("wav") << QStringLiteral("01.wav") << int(SoundFile);
    QTest::newRow("MP3") << QStringLiteral("Остановка.MP3") << int(SoundFile);
    QTest::newRow("ape") << QStringLiteral("a.Ape") << int(SoundFile);
    QTest::newRow("txt") << QStringLiteral("r1.TXT") << int(TextFile);
    QTest::newRow("doc") << QStringLiteral("r1.doc") << int(OtherFile);
    QTest::newRow("no dot") << QStringLiteral("wav") << int(OtherFile);
}

void TestTextRules::fileKind()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QCOMPARE(::fileKind(name), kind);
}

void TestTextRules::parseHexColor_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("color");

    QTest::newRow("six digits") << QByteArray("ff8000") << 0xff8000;
    QTest::newRow("three digits widen") << QByteArray("abc") << 0xa0b0c0;
    QTest::newRow("F gives F0") << QByteArray("f80") << 0xf08000;
    QTest::newRow("two digits") << QByteArray("ab") << 0x00a0b0;
    QTest::newRow("one digit") << QByteArray("7") << 0x000070;
    QTest::newRow("four digits unchanged") << QByteArray("1234") << 0x1234;
    QTest::newRow("upper case") << QByteArray("FF0000") << 0xff0000;
    QTest::newRow("no number") << QByteArray("zz") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}

void TestTextRules::parseHexColor()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, color);
    QCOMPARE(::parseHexColor(bytes), color);
}

void TestTextRules::formatHexColor_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("amber") << 0x080400 << QByteArray("080400");
    QTest::newRow("black") << 0 << QByteArray("000000");
    QTest::newRow("white") << 0xffffff << QByteArray("ffffff");
    QTest::newRow("high bits dropped") << 0x7f123456 << QByteArray("123456");
}

void TestTextRules::formatHexColor()
{
    QFETCH(int, color);
    QFETCH(QByteArray, text);
    QCOMPARE(::formatHexColor(color), text);
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
