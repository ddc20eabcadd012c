#include "tablofont.h"

#include <QtTest>

Q_DECLARE_METATYPE(const TabloFont *)

class TestTabloFont : public QObject
{
    Q_OBJECT

private slots:
    void textFontGlyph_data();
    void textFontGlyph();
    void digitFontGlyph_data();
    void digitFontGlyph();
    void tellingWidths_data();
    void tellingWidths();
    void blanksAndUnmapped_data();
    void blanksAndUnmapped();
    void fontForHeight_data();
    void fontForHeight();
    void tables_data();
    void tables();
    void thinFontsHaveFewerDots_data();
    void thinFontsHaveFewerDots();
    void fontByName();
};

namespace {

const TabloFont *textFonts[] = {&Font32, &Font20, &Font16, &Font12, &Font10Bold, &Font10Thin, &Font8Bold, &Font8Thin};

int litDots(const TabloFont &font)
{
    int dots = 0;
    for (int glyph = 0; glyph < font.glyphCount; ++glyph) {
        for (int row = 0; row < font.rows; ++row)
            dots += qPopulationCount(quint32(glyphRow(font, glyph, row)));
    }
    return dots;
}

int orOfRows(const TabloFont &font, int glyph)
{
    int bits = 0;
    for (int row = 0; row < font.rows; ++row)
        bits |= glyphRow(font, glyph, row);
    return bits;
}

} // namespace

void TestTabloFont::textFontGlyph_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("glyph");

    QTest::newRow("tab") << 0x09 << -1;
    QTest::newRow("line feed") << 0x0A << 0;
    QTest::newRow("carriage return") << 0x0D << 0;
    QTest::newRow("unit separator") << 0x1F << -1;
    QTest::newRow("space") << 0x20 << 0;
    QTest::newRow("A") << 0x41 << 33;
    QTest::newRow("delete") << 0x7F << 95;
    QTest::newRow("U+0080") << 0x80 << -1;
    QTest::newRow("U+00AF") << 0xAF << -1;
    QTest::newRow("degree sign") << 0xB0 << 96;
    QTest::newRow("superscript one") << 0xB9 << 105;
    QTest::newRow("inverted question mark") << 0xBF << 111;
    QTest::newRow("A with grave") << 0xC0 << -1;
    QTest::newRow("e with acute") << 0xE9 << -1;
    QTest::newRow("y with diaeresis") << 0xFF << -1;
    QTest::newRow("A with macron") << 0x100 << 112;
    QTest::newRow("long s") << 0x17F << 239;
    QTest::newRow("U+0180") << 0x180 << -1;
    QTest::newRow("U+03FF") << 0x3FF << -1;
    QTest::newRow("Cyrillic Ie with grave") << 0x400 << 240;
    QTest::newRow("Cyrillic A") << 0x410 << 256;
    QTest::newRow("Cyrillic ya") << 0x44F << 319;
    QTest::newRow("Cyrillic dzhe") << 0x45F << 335;
    QTest::newRow("U+0460") << 0x460 << -1;
    QTest::newRow("U+048F") << 0x48F << -1;
    QTest::newRow("Cyrillic Ghe with upturn") << 0x490 << 336;
    QTest::newRow("U+04BF") << 0x4BF << 383;
    QTest::newRow("U+04C0") << 0x4C0 << -1;
    QTest::newRow("U+04CF") << 0x4CF << -1;
    QTest::newRow("Cyrillic A with breve") << 0x4D0 << 384;
    QTest::newRow("U+04EF") << 0x4EF << 415;
    QTest::newRow("U+04F0") << 0x4F0 << -1;
    QTest::newRow("U+2115") << 0x2115 << -1;
    QTest::newRow("numero sign") << 0x2116 << 105;
    QTest::newRow("U+FFFF") << 0xFFFF << -1;
}

void TestTabloFont::textFontGlyph()
{
    QFETCH(int, code);
    QFETCH(int, glyph);
    QCOMPARE(::textFontGlyph(char16_t(code)), glyph);
    for (const TabloFont *font : textFonts)
        QCOMPARE(font->charToGlyph(char16_t(code)), glyph);
}

void TestTabloFont::digitFontGlyph_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("glyph");

    QTest::newRow("slash") << int('/') << -1;
    QTest::newRow("0") << int('0') << 0;
    QTest::newRow("9") << int('9') << 9;
    QTest::newRow("colon") << int(':') << -1;
    QTest::newRow("A") << int('A') << -1;
    QTest::newRow("Cyrillic A") << 0x410 << -1;
    QTest::newRow("Arabic-Indic zero") << 0x660 << -1;
}

void TestTabloFont::digitFontGlyph()
{
    QFETCH(int, code);
    QFETCH(int, glyph);
    for (const TabloFont *font : {&Digits16, &Digits20, &Digits24, &Digits32})
        QCOMPARE(font->charToGlyph(char16_t(code)), glyph);
}

void TestTabloFont::tellingWidths_data()
{
    QTest::addColumn<const TabloFont *>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");

    const struct
    {
        const TabloFont *font;
        const char *text;
        int width;
    } widths[] = {
        {&Font32, "W", 16},   {&Font32, "0", 11},   {&Font32, "1", 6},    {&Font32, "i", 2},
        {&Font20, "W", 9},    {&Font20, "0", 6},    {&Font20, "1", 4},    {&Font16, "W", 9},
        {&Font16, "0", 6},    {&Font16, "1", 4},    {&Font12, "W", 7},    {&Font12, "0", 5},
        {&Font8Bold, "W", 7}, {&Font8Bold, "0", 6}, {&Font8Bold, "i", 2}, {&Font8Thin, "W", 5},
        {&Font8Thin, "0", 4}, {&Font8Thin, "i", 1}, {&Digits32, "0", 14}, {&Digits32, "1", 8},
        {&Digits24, "0", 14}, {&Digits24, "1", 8},  {&Digits20, "0", 11}, {&Digits20, "1", 6},
        {&Digits16, "0", 8},  {&Digits16, "1", 6},
    };
    for (const auto &entry : widths)
        QTest::addRow("%s %s", entry.font->name, entry.text) << entry.font << QString::fromLatin1(entry.text)
                                                            << entry.width;
    // The layouts size Cyrillic lines by the Latin "W".
    for (const TabloFont *font : textFonts)
        QTest::addRow("%s Zhe", font->name) << font << QStringLiteral("Ж") << textWidth(*font, u"W");
}

void TestTabloFont::tellingWidths()
{
    QFETCH(const TabloFont *, font);
    QFETCH(QString, text);
    QFETCH(int, width);
    QCOMPARE(textWidth(*font, text), width);
    const TabloGlyphWidth glyph = glyphWidth(*font, font->charToGlyph(text.at(0).unicode()));
    QCOMPARE(glyph.columns, width);
    QCOMPARE(glyph.advance, width + 1);
}

void TestTabloFont::blanksAndUnmapped_data()
{
    QTest::addColumn<const TabloFont *>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");

    const int letterA = textWidth(Font8Thin, u"A");
    QTest::newRow("empty") << &Font8Thin << QString() << 0;
    QTest::newRow("space, 8-bit") << &Font8Bold << QStringLiteral(" ") << 3;
    QTest::newRow("space, 16-bit") << &Font16 << QStringLiteral(" ") << 5;
    QTest::newRow("two spaces") << &Font8Bold << QStringLiteral("  ") << 7;
    QTest::newRow("line feed") << &Font8Thin << QStringLiteral("\n") << 3;
    QTest::newRow("carriage return, 16-bit") << &Font20 << QStringLiteral("\r") << 5;
    QTest::newRow("line feed inside") << &Font8Thin << QStringLiteral("A\nA") << 2 * letterA + 1 + 4;
    QTest::newRow("e with acute alone") << &Font8Thin << QStringLiteral("é") << 0;
    QTest::newRow("e with acute takes no room") << &Font8Thin << QStringLiteral("AéA") << 2 * letterA + 1;
    QTest::newRow("numero sign as superscript one") << &Font12 << QStringLiteral("№") << textWidth(Font12, u"¹");
    QTest::newRow("letters in a digit font") << &Digits16 << QStringLiteral("12А")
                                              << textWidth(Digits16, u"12");
}

void TestTabloFont::blanksAndUnmapped()
{
    QFETCH(const TabloFont *, font);
    QFETCH(QString, text);
    QFETCH(int, width);
    QCOMPARE(textWidth(*font, text), width);
}

void TestTabloFont::fontForHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("font");

    QTest::newRow("100") << 100 << false << "Font32";
    QTest::newRow("32 bold") << 32 << true << "Font32";
    QTest::newRow("31") << 31 << false << "Font20";
    QTest::newRow("20") << 20 << false << "Font20";
    QTest::newRow("19") << 19 << false << "Font16";
    QTest::newRow("16") << 16 << true << "Font16";
    QTest::newRow("15") << 15 << false << "Font12";
    QTest::newRow("12 bold") << 12 << true << "Font12";
    QTest::newRow("11 bold") << 11 << true << "Font10Bold";
    QTest::newRow("11 thin") << 11 << false << "Font10Thin";
    QTest::newRow("10 bold") << 10 << true << "Font10Bold";
    QTest::newRow("10 thin") << 10 << false << "Font10Thin";
    QTest::newRow("9 bold") << 9 << true << "Font8Bold";
    QTest::newRow("9 thin") << 9 << false << "Font8Thin";
    QTest::newRow("0 thin") << 0 << false << "Font8Thin";
}

void TestTabloFont::fontForHeight()
{
    QFETCH(int, height);
    QFETCH(bool, bold);
    QFETCH(QString, font);
    QCOMPARE(QString::fromLatin1(::fontForHeight(height, bold).name), font);
}

void TestTabloFont::tables_data()
{
    QTest::addColumn<const TabloFont *>("font");
    QTest::addColumn<int>("glyphCount");

    for (const TabloFont *font : allTabloFonts())
        QTest::newRow(font->name) << font << (font->charToGlyph(u'A') < 0 ? 10 : 416);
}

void TestTabloFont::tables()
{
    QFETCH(const TabloFont *, font);
    QFETCH(int, glyphCount);
    QCOMPARE(font->glyphCount, glyphCount);
    QCOMPARE(font->bitmapSize, font->glyphCount * font->rows * font->bitWidth / 8);
    for (int code = 0; code <= 0xFFFF; ++code)
        QVERIFY(font->charToGlyph(char16_t(code)) < font->glyphCount);
    for (int glyph = 0; glyph < font->glyphCount; ++glyph) {
        const int bits = orOfRows(*font, glyph);
        const int columns = bits ? font->bitWidth - qCountTrailingZeroBits(quint32(bits)) : 0;
        QCOMPARE(glyphWidth(*font, glyph).columns, columns);
        // Left-aligned: a glyph that draws anything lights its first column.
        QVERIFY2(!bits || bits >> (font->bitWidth - 1), qPrintable(QStringLiteral("glyph %1").arg(glyph)));
    }
    const QString needed = font->glyphCount == 10 ? QStringLiteral("0123456789")
                                                  : QStringLiteral("AZaz09№АЯаяЁё");
    for (const QChar character : needed)
        QVERIFY(orOfRows(*font, font->charToGlyph(character.unicode())) != 0);
}

void TestTabloFont::thinFontsHaveFewerDots_data()
{
    QTest::addColumn<const TabloFont *>("thin");
    QTest::addColumn<const TabloFont *>("bold");

    QTest::newRow("8 rows") << &Font8Thin << &Font8Bold;
    QTest::newRow("10 rows") << &Font10Thin << &Font10Bold;
}

void TestTabloFont::thinFontsHaveFewerDots()
{
    QFETCH(const TabloFont *, thin);
    QFETCH(const TabloFont *, bold);
    QVERIFY(litDots(*thin) * 4 < litDots(*bold) * 3);
}

void TestTabloFont::fontByName()
{
    for (const TabloFont *font : allTabloFonts())
        QCOMPARE(tabloFontByName(QString::fromLatin1(font->name)), font);
    QCOMPARE(tabloFontByName(u"font10bold"), &Font10Bold);
    QVERIFY(!tabloFontByName(u"Font33"));
    QVERIFY(!tabloFontByName(u""));
}

QTEST_GUILESS_MAIN(TestTabloFont)
#include "tst_tablofont.moc"
