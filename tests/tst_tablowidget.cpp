#include "dotcompare.h"
#include "tablowidget.h"

#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(const TabloFont *)

class TestTabloWidget : public QObject
{
    Q_OBJECT

private slots:
    void setBoardSize_data();
    void setBoardSize();
    void fillRect_data();
    void fillRect();
    void drawTextDrawsGlyphBits_data();
    void drawTextDrawsGlyphBits();
    void drawTextAdvances();
    void drawTextCentred_data();
    void drawTextCentred();
    void drawTextKeepsToClip();
    void emptyBoardDrawsNothing();
    void scrollLeftOneTakesColumnBuffer();
    void scrollUpOne();
    void stepScrollLetterGap_data();
    void stepScrollLetterGap();
    void stepSlideUp();
    void runningTextCut_data();
    void runningTextCut();
    void fullBrightness_data();
    void fullBrightness();
    void geometry();
    void paintPitchAndDotSize_data();
    void paintPitchAndDotSize();
    void paintEventPaintsDots();
};

namespace {

// Whether dot column c of glyph row k of character is lit in font.
bool glyphBit(const TabloFont &font, QChar character, int c, int k)
{
    const int glyph = font.charToGlyph(character.unicode());
    if (glyph < 0 || c < 0 || c >= glyphWidth(font, glyph).columns || k < 0 || k >= font.rows)
        return false;
    return glyphRow(font, glyph, k) & (1 << (font.bitWidth - 1 - c));
}

int advanceOf(const TabloFont &font, QChar character)
{
    return glyphWidth(font, font.charToGlyph(character.unicode())).advance;
}

int litCount(const TabloWidget &board, const QRect &area)
{
    int count = 0;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        for (int col = area.left(); col <= area.right(); ++col)
            count += board.dot(col, row) != 0;
    }
    return count;
}

// The text drawn letter by letter with gap extra dark columns after each letter's own gap.
void drawSpaced(TabloWidget &board, const QString &text, int x, int y, const TabloFont &font, int gap)
{
    for (const QChar character : text)
        x = board.drawText(QString(character), x, y, font) + gap;
}

// The board painted into an image of size at the scale of a high-density screen: the image has
// scale times as many pixels each way.
QImage painted(const TabloWidget &board, const QSize &size, qreal scale = 1)
{
    QImage image((QSizeF(size) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    board.paintDots(painter, size);
    return image;
}

} // namespace

void TestTabloWidget::setBoardSize_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("hasDots");

    QTest::newRow("128 x 16") << 128 << 16 << QSize(128, 16) << true;
    QTest::newRow("negative width") << -40 << 20 << QSize(40, 20) << true;
    QTest::newRow("negative height") << 10 << -3 << QSize(10, 3) << true;
    QTest::newRow("no columns") << 0 << 5 << QSize(0, 5) << false;
    QTest::newRow("no rows") << 5 << 0 << QSize(5, 0) << false;
    QTest::newRow("most negative width is capped") << std::numeric_limits<int>::min() << 1 << QSize(4096, 1) << true;
}

void TestTabloWidget::setBoardSize()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QSize, size);
    QFETCH(bool, hasDots);

    TabloWidget board;
    board.setBoardSize(cols, rows);
    QCOMPARE(board.boardSize(), size);
    QCOMPARE(board.dots() != nullptr, hasDots);
    QCOMPARE(board.clipRect(), QRect(QPoint(0, 0), size));
    if (hasDots)
        QCOMPARE(litCount(board, QRect(QPoint(0, 0), size)), 0);
}

void TestTabloWidget::fillRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("filled");

    QTest::newRow("negative corner keeps the size") << QRect(-5, -5, 10, 10) << QRect(0, 0, 10, 10);
    QTest::newRow("cut at the right and bottom edges") << QRect(120, 10, 50, 50) << QRect(120, 10, 8, 6);
    QTest::newRow("inside") << QRect(3, 4, 5, 6) << QRect(3, 4, 5, 6);
    QTest::newRow("outside") << QRect(200, 0, 5, 5) << QRect();
    QTest::newRow("negative width") << QRect(10, 0, -5, 5) << QRect();
}

void TestTabloWidget::fillRect()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, filled);

    TabloWidget board;
    board.setBoardSize(128, 16);
    // The clip is for text only; fills ignore it.
    board.setClipLeft(50);
    board.setClipBottom(2);
    board.setBackground(0x00ff00);
    board.fillRect(rect.x(), rect.y(), rect.width(), rect.height());
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 128; ++col)
            QCOMPARE(board.dot(col, row), filled.contains(col, row) ? 0x00ff00 : 0);
    }
}

void TestTabloWidget::drawTextDrawsGlyphBits_data()
{
    QTest::addColumn<const TabloFont *>("font");
    QTest::addColumn<QString>("text");

    QTest::newRow("Font8Bold") << &Font8Bold << QStringLiteral("AЖ");
    QTest::newRow("Font12") << &Font12 << QStringLiteral("W0");
    QTest::newRow("Font16") << &Font16 << QStringLiteral("Ш1");
    QTest::newRow("Font32") << &Font32 << QStringLiteral("W");
    QTest::newRow("Digits16") << &Digits16 << QStringLiteral("10");
}

void TestTabloWidget::drawTextDrawsGlyphBits()
{
    QFETCH(const TabloFont *, font);
    QFETCH(QString, text);

    // Text goes over what is there: unset glyph bits leave the blue background.
    TabloWidget board;
    board.setBoardSize(64, 40);
    board.setBackground(0x0000ff);
    board.clearBoard();
    board.setForeground(0xff8000);
    const int x0 = 3;
    const int y0 = 2;
    board.drawText(text, x0, y0, *font);
    int x = x0;
    for (const QChar character : text) {
        for (int k = 0; k < font->rows; ++k) {
            for (int c = 0; c < advanceOf(*font, character); ++c)
                QCOMPARE(board.dot(x + c, y0 + k), glyphBit(*font, character, c, k) ? 0xff8000 : 0x0000ff);
        }
        x += advanceOf(*font, character);
    }
    QCOMPARE(board.dot(x0 - 1, y0), 0x0000ff);
    QCOMPARE(board.dot(x0, y0 - 1), 0x0000ff);
}

void TestTabloWidget::drawTextAdvances()
{
    TabloWidget board;
    board.setBoardSize(100, 16);
    const int end = board.drawText(QStringLiteral("A B"), 5, 0, Font16);
    QCOMPARE(end, 5 + advanceOf(Font16, QLatin1Char('A')) + 6 + advanceOf(Font16, QLatin1Char('B')));
    QCOMPARE(board.drawText(QString(), 7, 0, Font16), 7);

    // A character without a glyph takes no room.
    TabloWidget skipped;
    skipped.setBoardSize(100, 16);
    skipped.setForeground(0xffffff);
    board.setForeground(0xffffff);
    board.clearBoard();
    QCOMPARE(skipped.drawText(QStringLiteral("A\u00e9B"), 5, 0, Font16),
             board.drawText(QStringLiteral("AB"), 5, 0, Font16));
    QCOMPARE(difference(skipped, board, QRect(0, 0, 100, 16)), QString());
}

void TestTabloWidget::drawTextCentred_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("clipRight");

    QTest::newRow("short text") << QStringLiteral("AB") << 10 << 90;
    QTest::newRow("odd room") << QStringLiteral("W") << 0 << 51;
    QTest::newRow("does not fit") << QStringLiteral("WWWWWWWWWWWWWWW") << 0 << 40;
}

void TestTabloWidget::drawTextCentred()
{
    QFETCH(QString, text);
    QFETCH(int, x);
    QFETCH(int, clipRight);

    TabloWidget board;
    board.setBoardSize(100, 16);
    board.setForeground(0xffffff);
    board.setClipRight(clipRight);
    board.drawText(text, x, 0, Font16, true);

    const int width = textWidth(Font16, text);
    const int expectedX = width < clipRight - x ? x + (clipRight - x - width) / 2 : x;
    TabloWidget expected;
    expected.setBoardSize(100, 16);
    expected.setForeground(0xffffff);
    expected.setClipRight(clipRight);
    expected.drawText(text, expectedX, 0, Font16);
    QCOMPARE(difference(board, expected, QRect(0, 0, 100, 16)), QString());
}

void TestTabloWidget::drawTextKeepsToClip()
{
    TabloWidget board;
    board.setBoardSize(60, 20);
    board.setForeground(0xffffff);
    const int advance = advanceOf(Font16, QLatin1Char('W'));
    // The second glyph starts left of the clip's right edge and is cut; the third starts on it.
    board.setClipLeft(2);
    board.setClipTop(3);
    board.setClipRight(advance + 3);
    board.setClipBottom(12);
    const int end = board.drawText(QStringLiteral("WWW"), 0, 0, Font16);
    QCOMPARE(end, 2 * advance);
    for (int row = 0; row < 20; ++row) {
        for (int col = 0; col < 60; ++col) {
            const bool inClip = col >= 2 && col < advance + 3 && row >= 3 && row < 12;
            const bool lit = glyphBit(Font16, QLatin1Char('W'), col < advance ? col : col - advance, row);
            QCOMPARE(board.dot(col, row) != 0, inClip && lit);
        }
    }
    // The cut is told for the rows the text stands in inside the clip, until the board is cleared.
    QVERIFY(board.textClipped(11, 12));
    QVERIFY(!board.textClipped(0, 3));
    QVERIFY(!board.textClipped(12, 20));
    board.clearBoard();
    QVERIFY(!board.textClipped(0, 20));
}

void TestTabloWidget::emptyBoardDrawsNothing()
{
    TabloWidget board;
    board.setBoardSize(0, 16);
    QCOMPARE(board.drawText(QStringLiteral("A"), 4, 0, Font16), 4);
    QCOMPARE(board.drawToColumnBuffer(QLatin1Char('A'), 0, Font16), 0);
    board.fillRect(0, 0, 10, 10);
    board.scrollLeftOne(0, 0, 10, 10);
    board.scrollUpOne(0, 0, 10, 10);
    TabloEffectState state;
    state.font = &Font16;
    state.text = QStringLiteral("AB");
    state.step = 5;
    QVERIFY(board.stepSlideUp(state));
    QCOMPARE(board.dot(0, 0), 0);
    QCOMPARE(board.heightForWidth(300), 0);
}

void TestTabloWidget::scrollLeftOneTakesColumnBuffer()
{
    TabloWidget board;
    board.setBoardSize(10, 4);
    for (int col = 0; col < 10; ++col) {
        board.setBackground(col + 1);
        board.fillRect(col, 0, 1, 4);
    }
    board.setForeground(0xaaaaaa);
    board.setBackground(0x111111);
    board.drawToColumnBuffer(QLatin1Char('I'), 0, Font8Bold);
    board.setBackground(0x222222);
    board.scrollLeftOne(2, 1, 5, 2);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 10; ++col) {
            int expected = col + 1;
            if (row >= 1 && row <= 2 && col >= 2 && col <= 5)
                expected = col + 2;
            else if (row >= 1 && row <= 2 && col == 6)
                expected = glyphBit(Font8Bold, QLatin1Char('I'), 0, row) ? 0xaaaaaa : 0x111111;
            QCOMPARE(board.dot(col, row), expected);
        }
    }
    // The strip moved left too, and the new background came in at its end.
    for (int step = 0; step < 4; ++step)
        board.scrollLeftOne(6, 1, 1, 1);
    QCOMPARE(board.dot(6, 1), 0x222222);
}

void TestTabloWidget::scrollUpOne()
{
    TabloWidget board;
    board.setBoardSize(6, 6);
    for (int row = 0; row < 6; ++row) {
        board.setBackground(row + 1);
        board.fillRect(0, row, 6, 1);
    }
    board.setBackground(0x777777);
    board.scrollUpOne(1, 2, 3, 3);
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            int expected = row + 1;
            if (col >= 1 && col <= 3 && row >= 2 && row <= 4)
                expected = row == 4 ? 0x777777 : row + 2;
            QCOMPARE(board.dot(col, row), expected);
        }
    }
}

void TestTabloWidget::stepScrollLetterGap_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("gap");

    QTest::newRow("16 rows") << 16 << 1;
    QTest::newRow("20 rows") << 20 << 1;
    QTest::newRow("24 rows") << 24 << 1;
    QTest::newRow("32 rows") << 32 << 2;
}

// The text runs in whole; a 32-row line keeps a two-dot gap between letters, others one dot.
void TestTabloWidget::stepScrollLetterGap()
{
    QFETCH(int, height);
    QFETCH(int, gap);

    const QString text = QStringLiteral("HЖ I");
    const TabloFont &font = fontForHeight(height, false);
    TabloWidget board;
    board.setBoardSize(160, 40);
    board.setForeground(0x00ff00);
    TabloEffectState state;
    state.text = text;
    state.font = &font;
    state.x = 10;
    state.y = 4;
    state.w = 140;
    state.h = height;
    int calls = 1;
    while (!board.stepScroll(state))
        ++calls;
    int expectedCalls = 1;
    for (const QChar character : text)
        expectedCalls += advanceOf(font, character) + gap - 1;
    QCOMPARE(calls, expectedCalls);
    QCOMPARE(state.step, 0);
    QCOMPARE(state.charIndex, text.size());

    // The letters stand at the right end of the region, the gap after the last one included.
    int width = 0;
    for (const QChar character : text)
        width += advanceOf(font, character) + gap - 1;
    TabloWidget expected;
    expected.setBoardSize(160, 40);
    expected.setForeground(0x00ff00);
    drawSpaced(expected, text, 150 - width, 4, font, gap - 1);
    QCOMPARE(difference(board, expected, QRect(0, 0, 160, 40)), QString());
}

// A 16-row slide from step 16 draws the text at rows 15, 14 … 0 below y and ends on call 17,
// never touching rows outside its region.
void TestTabloWidget::stepSlideUp()
{
    const QString text = QStringLiteral("ЖW");
    TabloWidget board;
    board.setBoardSize(80, 40);
    board.setBackground(0x0000ff);
    board.fillRect(0, 0, 80, 40);
    board.setBackground(0);
    board.fillRect(5, 10, 60, 16);
    board.setForeground(0xffff00);
    TabloEffectState state;
    state.text = text;
    state.font = &Font16;
    state.x = 5;
    state.y = 10;
    state.w = 60;
    state.h = 16;
    state.step = 16;
    state.centred = true;
    board.setClipRight(65);
    for (int call = 1; call <= 16; ++call) {
        QVERIFY(!board.stepSlideUp(state));
        TabloWidget expected;
        expected.setBoardSize(80, 40);
        expected.setBackground(0x0000ff);
        expected.fillRect(0, 0, 80, 40);
        expected.setBackground(0);
        expected.fillRect(5, 10, 60, 16);
        expected.setForeground(0xffff00);
        expected.setClipRight(65);
        expected.setClipTop(10);
        expected.setClipBottom(26);
        expected.drawText(text, 5, 10 + 16 - call, Font16, true);
        QVERIFY2(difference(board, expected, QRect(0, 0, 80, 40)).isEmpty(),
                 qPrintable(QStringLiteral("call %1: ").arg(call) + difference(board, expected, QRect(0, 0, 80, 40))));
    }
    QCOMPARE(state.step, 0);
    QVERIFY(board.stepSlideUp(state));
    QCOMPARE(board.clipRect(), QRect(0, 0, 65, 40));
}

void TestTabloWidget::runningTextCut_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("cut");

    QTest::newRow("room to run") << QSize(60, 16) << 60 << false;
    QTest::newRow("no room") << QSize(60, 16) << 0 << true;
    // "W" of the 16-row font is 9 columns, one more than the strip of an 8-row board.
    QTest::newRow("glyph wider than the strip") << QSize(60, 8) << 60 << true;
}

// A running text is cut only when some of its columns can never enter the region.
void TestTabloWidget::runningTextCut()
{
    QFETCH(QSize, size);
    QFETCH(int, width);
    QFETCH(bool, cut);
    TabloWidget board;
    board.setBoardSize(size.width(), size.height());
    TabloEffectState state;
    state.text = QStringLiteral("W");
    state.font = &Font16;
    state.w = width;
    state.h = size.height();
    board.stepScroll(state);
    QCOMPARE(board.textClipped(0, size.height()), cut);
}

void TestTabloWidget::fullBrightness_data()
{
    QTest::addColumn<int>("rgb");
    QTest::addColumn<int>("full");

    QTest::newRow("dark red") << 0x800000 << 0xff0000;
    QTest::newRow("brown keeps hue and saturation") << 0x402010 << 0xff8040;
    QTest::newRow("route default") << 0x080400 << 0xff8000;
    QTest::newRow("black") << 0x000000 << 0xffffff;
    QTest::newRow("grey") << 0x808080 << 0xffffff;
    QTest::newRow("full already") << 0x00ff00 << 0x00ff00;
    QTest::newRow("high bits ignored") << int(0xff0000ff) << 0x0000ff;
}

void TestTabloWidget::fullBrightness()
{
    QFETCH(int, rgb);
    QFETCH(int, full);

    QCOMPARE(TabloWidget::fullBrightness(rgb), full);
}

void TestTabloWidget::geometry()
{
    TabloWidget board;
    QCOMPARE(board.heightForWidth(300), 0);
    QVERIFY(board.hasHeightForWidth());
    board.setBoardSize(128, 16);
    QCOMPARE(board.sizeHint(), QSize(4 + 256, 4 + 32));
    QCOMPARE(board.heightForWidth(300), 4 + 2 * 16);
    QCOMPARE(board.heightForWidth(600), 4 + 4 * 16);
    QCOMPARE(board.heightForWidth(2000), 4 + 4 * 16);
    QCOMPARE(board.heightForWidth(3), 4);
    QCOMPARE(board.maxPitchSize(), QSize(4 + 512, 4 + 64));
    // Less than a pixel per dot: nothing is painted.
    board.clearBoard();
    QCOMPARE(painted(board, QSize(100, 100)).pixel(50, 50), qRgb(255, 255, 255));
}

void TestTabloWidget::paintPitchAndDotSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("scale");
    // In pixels of the image: the board's edge, the distance of dots and their size.
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("dotSize");

    QTest::newRow("300 wide") << QSize(300, 100) << 1.0 << 2 << 2 << 2;
    QTest::newRow("600 wide") << QSize(600, 100) << 1.0 << 2 << 4 << 3;
    QTest::newRow("420 wide") << QSize(420, 100) << 1.0 << 2 << 3 << 2;
    QTest::newRow("low widget") << QSize(600, 40) << 1.0 << 2 << 2 << 2;
    QTest::newRow("very wide") << QSize(2000, 400) << 1.0 << 2 << 4 << 3;
    // On scaled screens the dots still lie on whole pixels, all of one size.
    QTest::newRow("420 wide at 1.25") << QSize(420, 100) << 1.25 << 3 << 4 << 3;
    QTest::newRow("very wide at 1.25") << QSize(2000, 400) << 1.25 << 3 << 5 << 4;
    QTest::newRow("300 wide at 2") << QSize(300, 100) << 2.0 << 4 << 4 << 3;
}

void TestTabloWidget::paintPitchAndDotSize()
{
    QFETCH(QSize, size);
    QFETCH(qreal, scale);
    QFETCH(int, edge);
    QFETCH(int, pitch);
    QFETCH(int, dotSize);

    TabloWidget board;
    board.setBoardSize(128, 16);
    // A checkerboard of two colours, so every dot's square and every gap shows.
    for (int row = 0; row < 16; ++row) {
        for (int col = row % 2; col < 128; col += 2) {
            board.setBackground(col % 4 < 2 ? 0xff0000 : 0x00ff00);
            board.fillRect(col, row, 1, 1);
        }
    }
    const QImage image = painted(board, size, scale);
    const QRgb black = qRgb(0, 0, 0);
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 128; ++col) {
            const QPoint corner(edge + col * pitch, edge + row * pitch);
            const QRgb colour = board.dot(col, row) == 0 ? black : QRgb(0xff000000u | uint(board.dot(col, row)));
            QCOMPARE(image.pixel(corner), colour);
            QCOMPARE(image.pixel(corner + QPoint(dotSize - 1, dotSize - 1)), colour);
            if (dotSize < pitch) {
                QCOMPARE(image.pixel(corner + QPoint(dotSize, 0)), black);
                QCOMPARE(image.pixel(corner + QPoint(0, dotSize)), black);
            }
        }
    }
    QCOMPARE(image.pixel(0, 0), black);
    QCOMPARE(image.pixel(2 * edge - 1 + 128 * pitch, 2 * edge - 1 + 16 * pitch), black);
    if (image.width() > 2 * edge + 128 * pitch)
        QCOMPARE(image.pixel(2 * edge + 128 * pitch, 0), qRgb(255, 255, 255));
    if (image.height() > 2 * edge + 16 * pitch)
        QCOMPARE(image.pixel(0, 2 * edge + 16 * pitch), qRgb(255, 255, 255));
}

void TestTabloWidget::paintEventPaintsDots()
{
    TabloWidget board;
    board.setBoardSize(128, 16);
    board.setForeground(0x00ffff);
    board.drawText(QStringLiteral("ЖW"), 0, 0, Font16);
    board.resize(600, board.heightForWidth(600));
    const QImage image = board.grab().toImage();
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 128; ++col) {
            const QRgb centre = image.pixel(2 + col * 4 + 1, 2 + row * 4 + 1);
            QCOMPARE(centre, board.dot(col, row) ? qRgb(0, 255, 255) : qRgb(0, 0, 0));
        }
    }
}

QTEST_MAIN(TestTabloWidget)
#include "tst_tablowidget.moc"
