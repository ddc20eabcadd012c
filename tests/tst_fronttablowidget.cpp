#include "boardfeed.h"
#include "dotcompare.h"
#include "fronttablotype.h"
#include "fronttablowidget.h"
#include "routedata.h"

#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// One text a layout should show: where, in which font and colour.
struct ExpectedText
{
    QString text;
    int y;
    const TabloFont *font;
    int colour;
};
using ExpectedTexts = QVector<ExpectedText>;

Q_DECLARE_METATYPE(const TabloFont *)
Q_DECLARE_METATYPE(ExpectedTexts)

class TestFrontTabloWidget : public QObject
{
    Q_OBJECT

private slots:
    void strips_data();
    void strips();
    void textsStayBetweenStrips();
    void numberOnlyCentred_data();
    void numberOnlyCentred();
    void numberFonts_data();
    void numberFonts();
    void staticLayouts_data();
    void staticLayouts();
    void stillLineTextOffset_data();
    void stillLineTextOffset();
    void languagePages_data();
    void languagePages();
    void staticPagesFlipOnEveryTick();
    void periodFollowsChanges();
    void startAnimation_data();
    void startAnimation();
    void runningLine_data();
    void runningLine();
    void sideStill_data();
    void sideStill();
    void separatorFocus_data();
    void separatorFocus();
    void verticalStops_data();
    void verticalStops();
    void runningStopsGap_data();
    void runningStopsGap();
    void clicks();
    void timerAnimates();
    void sideStopNames_data();
    void sideStopNames();
    void feedBoard_data();
    void feedBoard();
    void cuts_data();
    void cuts();
};

namespace {

const int red = 0xff0000;
const int green = 0x00ff00;
const int yellow = 0xffff00;

// A plain board on which a test draws what the preview should show.
class Expected : public TabloWidget
{
public:
    Expected(const QSize &size, int right)
    {
        setBoardSize(size.width(), size.height());
        setClipRight(right);
    }

    int text(const QString &text, int x, int y, const TabloFont &font, int colour, bool centred = false)
    {
        setForeground(colour);
        return drawText(text, x, y, font, centred);
    }

    void band(int x, int w, int colour)
    {
        setBackground(colour);
        fillRect(x, 0, w, boardSize().height());
        setBackground(0);
    }
};

QRect wholeBoard(const TabloWidget &board)
{
    return QRect(QPoint(0, 0), board.boardSize());
}

QRect lowerHalf(const TabloWidget &board)
{
    const QSize size = board.boardSize();
    return QRect(0, size.height() / 2, size.width(), size.height() - size.height() / 2);
}

bool same(const TabloWidget &actual, const TabloWidget &expected, const QRect &area)
{
    return difference(actual, expected, area).isEmpty();
}

// The lit columns of the area, each run of them as (first, last).
QVector<QPair<int, int>> litRuns(const TabloWidget &board, const QRect &area)
{
    QVector<QPair<int, int>> runs;
    for (int col = area.left(); col <= area.right(); ++col) {
        bool lit = false;
        for (int row = area.top(); row <= area.bottom() && !lit; ++row)
            lit = board.dot(col, row) != 0;
        if (lit && !runs.isEmpty() && runs.last().second == col - 1)
            runs.last().second = col;
        else if (lit)
            runs.append({col, col});
    }
    return runs;
}

// Dark columns at the left of a character's glyph cell.
int blankLeftColumns(const TabloFont &font, QChar character)
{
    const int glyph = font.charToGlyph(character.unicode());
    int bits = 0;
    for (int row = 0; row < font.rows; ++row)
        bits |= glyphRow(font, glyph, row);
    int blank = 0;
    while (blank < font.bitWidth && !(bits & (1 << (font.bitWidth - 1 - blank))))
        ++blank;
    return blank;
}

// The widest run of dark columns between two lit ones.
int widestDarkRun(const QVector<QPair<int, int>> &runs)
{
    int widest = -1;
    for (int index = 1; index < runs.size(); ++index)
        widest = qMax(widest, runs.at(index).first - runs.at(index - 1).second - 1);
    return widest;
}

// A board without strips and number, texts in red (line 1) and green (line 2).
void setUpPlain(FrontTabloWidget &preview, int type, int mode)
{
    preview.setType(type);
    preview.setMode(mode);
    preview.setLine1Colour(red);
    preview.setLine2Colour(green);
}

// A side board of 144 x 24 dots: 12-row halves, no strips, no number.
void setUpSide(FrontTabloWidget &preview, int mode)
{
    setUpPlain(preview, FrontTablo24x144Color, mode);
    preview.setStartingPoint(0, QStringLiteral("Север"));
    preview.setDestination(0, QStringLiteral("Вокзал"));
    preview.setStartingPoint(1, QStringLiteral("North"));
    preview.setDestination(1, QStringLiteral("Station"));
    preview.setStops(0, {QStringLiteral("Гагарина"), QStringLiteral("Рынок")});
    preview.setStops(1, {QStringLiteral("Market")});
    preview.setSeparator(QStringLiteral("'12:00'"));
}

const int S = RouteData::StaticMode;
const int N = RouteData::OnlyDestinationMode;
const int V = RouteData::VerticalStationsMode;
const int C = RouteData::CenteredMode;
const int M = RouteData::EnlargedDestinationMode;

Station *station(const QString &side0, const QString &side1)
{
    auto *stop = new Station;
    stop->sideName = {side0, side1};
    return stop;
}

} // namespace

void TestFrontTabloWidget::strips_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("textLeft");
    QTest::addColumn<int>("clipRight");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("leftColour");
    QTest::addColumn<int>("rightColour");

    QTest::newRow("type 0, strips off") << 0 << QSize(196, 32) << 0 << 0 << 0 << 196 << 15 << 0 << 0;
    QTest::newRow("type 0, green and red") << 0 << QSize(196, 32) << 2 << 4 << 17 << 179 << 15 << green << red;
    QTest::newRow("type 4, yellow and white") << 4 << QSize(320, 32) << 6 << 7 << 17 << 303 << 15 << yellow << 0xffffff;
    QTest::newRow("type 2 reserves its strips") << 2 << QSize(114, 16) << 0 << 0 << 11 << 103 << 10 << 0 << 0;
    QTest::newRow("type 7, red and blue") << 7 << QSize(128, 16) << 4 << 1 << 11 << 117 << 10 << red << 0x0000ff;
    QTest::newRow("type 7, codes 3 and 5 are dark") << 7 << QSize(128, 16) << 3 << 5 << 11 << 117 << 10 << 0 << 0;
    QTest::newRow("type 8, one strip") << 8 << QSize(200, 20) << 0 << 2 << 11 << 189 << 10 << 0 << green;
    QTest::newRow("type 9, unknown code is dark") << 9 << QSize(160, 20) << 9 << 0 << 11 << 149 << 10 << 0 << 0;
    QTest::newRow("type 3") << 3 << QSize(96, 16) << 4 << 4 << 0 << 96 << 0 << 0 << 0;
    QTest::newRow("type 5") << 5 << QSize(256, 32) << 0 << 1 << 17 << 239 << 15 << 0 << 0x0000ff;
    QTest::newRow("type 6") << 6 << QSize(144, 24) << 7 << 0 << 11 << 133 << 10 << 0xffffff << 0;
    QTest::newRow("type 10") << 10 << QSize(120, 20) << 2 << 2 << 11 << 109 << 10 << green << green;
    QTest::newRow("type 1 has no strips") << 1 << QSize(128, 16) << 4 << 4 << 0 << 128 << 0 << 0 << 0;
    // The number-only board has no texts, so where they would start does not matter.
    QTest::newRow("type 11 has no strips") << 11 << QSize(40, 20) << 4 << 4 << -1 << 40 << 0 << 0 << 0;
}

void TestFrontTabloWidget::strips()
{
    QFETCH(int, type);
    QFETCH(QSize, size);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, textLeft);
    QFETCH(int, clipRight);
    QFETCH(int, width);
    QFETCH(int, leftColour);
    QFETCH(int, rightColour);

    FrontTabloWidget preview;
    preview.setType(type);
    QCOMPARE(preview.boardSize(), size);
    preview.setType(12);
    QCOMPARE(preview.type(), type);
    preview.setLeftStrip(left);
    preview.setRightStrip(right);
    preview.refresh();
    if (textLeft >= 0)
        QCOMPARE(preview.textLeft(), textLeft);
    QCOMPARE(preview.clipRect().right() + 1, clipRight);
    Expected expected(size, clipRight);
    expected.band(0, width, leftColour);
    expected.band(size.width() - width, width, rightColour);
    QCOMPARE(difference(preview, expected, wholeBoard(preview)), QString());
}

// A text too long for the board ends at the strip gap; the strips stay whole.
void TestFrontTabloWidget::textsStayBetweenStrips()
{
    FrontTabloWidget preview;
    setUpPlain(preview, FrontTablo16x128Color, 0);
    preview.setLeftStrip(4);
    preview.setRightStrip(1);
    const QString text(30, QLatin1Char('W'));
    preview.setStartingPoint(0, text);
    preview.refresh();

    Expected expected(preview.boardSize(), 117);
    expected.band(0, 10, red);
    expected.band(118, 10, 0x0000ff);
    expected.text(text, 11, 0, Font16, red);
    QCOMPARE(difference(preview, expected, wholeBoard(preview)), QString());
    for (int row = 0; row < 16; ++row) {
        QCOMPARE(preview.dot(10, row), 0);
        QCOMPARE(preview.dot(117, row), 0);
    }
    QVERIFY(litRuns(preview, QRect(11, 0, 106, 16)).last().second == 116);
}

void TestFrontTabloWidget::numberOnlyCentred_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("digits");

    QTest::newRow("two digits") << QStringLiteral("12") << QStringLiteral("12");
    QTest::newRow("one digit") << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("digits and a letter") << QStringLiteral("12А") << QStringLiteral("12");
    QTest::newRow("too wide for the board") << QStringLiteral("1234567") << QStringLiteral("123");
}

// The number-only board shows the number centred, from column 0 when it does not fit, and no
// texts.
void TestFrontTabloWidget::numberOnlyCentred()
{
    QFETCH(QString, number);
    QFETCH(QString, digits);

    FrontTabloWidget preview;
    setUpPlain(preview, FrontTablo20x40Color, S | C);
    preview.setNumber(number);
    preview.setNumberColour(yellow);
    preview.setStartingPoint(0, QStringLiteral("Вокзал"));
    preview.setDestination(0, QStringLiteral("Парк"));
    preview.setLeftStrip(4);
    preview.refresh();

    const QString suffix = number.mid(digits.size());
    const int width = textWidth(Digits20, digits) + textWidth(Font20, suffix);
    if (number.size() > 3)
        QVERIFY2(width >= 40, "the wide number must not fit");
    Expected expected(preview.boardSize(), 40);
    const int x = expected.text(digits, qMax(0, (40 - width) / 2), 0, Digits20, yellow);
    expected.text(suffix, x, 0, Font20, yellow);
    QCOMPARE(difference(preview, expected, wholeBoard(preview)), QString());

    preview.startAnimation();
    QVERIFY(!preview.isAnimating());
}

void TestFrontTabloWidget::numberFonts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("digitCount");
    QTest::addColumn<const TabloFont *>("digitFont");
    QTest::addColumn<const TabloFont *>("suffixFont");

    const struct
    {
        int type;
        const TabloFont *digits;
        const TabloFont *suffix;
    } boards[] = {{FrontTablo16x128, &Digits16, &Font16},
                  {FrontTablo20x200Color, &Digits20, &Font20},
                  {FrontTablo24x144Color, &Digits24, &Font20},
                  {FrontTablo32x320Color, &Digits32, &Font32}};
    for (const auto &board : boards) {
        QTest::addRow("%s, 12А", board.digits->name)
            << board.type << QStringLiteral("12А") << 2 << board.digits << board.suffix;
        QTest::addRow("%s, four digits", board.digits->name)
            << board.type << QStringLiteral("1234") << 3 << board.digits << board.suffix;
        QTest::addRow("%s, letter first", board.digits->name)
            << board.type << QStringLiteral("А1") << 0 << board.digits << board.suffix;
    }
}

// At most three leading digits go into the digit font of the board's height, the rest into
// the text font; texts start one dot after the number.
void TestFrontTabloWidget::numberFonts()
{
    QFETCH(int, type);
    QFETCH(QString, number);
    QFETCH(int, digitCount);
    QFETCH(const TabloFont *, digitFont);
    QFETCH(const TabloFont *, suffixFont);

    FrontTabloWidget preview;
    setUpPlain(preview, type, S);
    preview.setNumber(number);
    preview.setNumberColour(yellow);
    preview.refresh();

    const QSize size = preview.boardSize();
    Expected expected(size, size.width());
    const int x = expected.text(number.left(digitCount), 0, 0, *digitFont, yellow);
    const int end = expected.text(number.mid(digitCount), x, 0, *suffixFont, yellow);
    QCOMPARE(difference(preview, expected, wholeBoard(preview)), QString());
    QCOMPARE(preview.textLeft(), end);
}

void TestFrontTabloWidget::staticLayouts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("fontBits");
    QTest::addColumn<bool>("startFirst");
    QTest::addColumn<int>("changeTime");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<ExpectedTexts>("expected");

    const QString start = QStringLiteral("Микрорайон");
    const QString dest = QStringLiteral("Вокзал");
    const QStringList plain{start, dest, QString(), QString()};
    const auto texts = [](const char *s0, const char *d0, const char *s1 = "", const char *d1 = "") {
        return QStringList{QString::fromUtf8(s0), QString::fromUtf8(d0), QString::fromUtf8(s1), QString::fromUtf8(d1)};
    };

    QTest::newRow("two-line, 16 rows") << 1 << S << 0 << true << 4000 << plain
                                       << ExpectedTexts{{start, 0, &Font8Thin, red}, {dest, 8, &Font8Thin, green}};
    QTest::newRow("two-line, 16 rows keep the _")
        << 1 << S << 2 << true << 4000 << texts("Микрорайон_Северный", "Вокзал")
        << ExpectedTexts{{QStringLiteral("Микрорайон_Северный"), 0, &Font8Thin, red}, {dest, 8, &Font8Bold, green}};
    QTest::newRow("two-line, 20 rows, thick line 1")
        << 9 << S << 1 << true << 4000 << plain
        << ExpectedTexts{{start, 0, &Font10Bold, red}, {dest, 10, &Font10Thin, green}};
    QTest::newRow("two-line, 24 rows") << 6 << S << 3 << true << 4000 << plain
                                       << ExpectedTexts{{start, 0, &Font12, red}, {dest, 12, &Font12, green}};
    QTest::newRow("two-line, 32 rows") << 4 << S << 0 << true << 4000 << plain
                                       << ExpectedTexts{{start, 0, &Font16, red}, {dest, 16, &Font16, green}};
    QTest::newRow("two-line, 32 rows, line 1 split")
        << 4 << S << 1 << true << 4000 << texts("Микрорайон_Северный", "Вокзал")
        << ExpectedTexts{{start, 0, &Font8Bold, red},
                         {QStringLiteral("Северный"), 8, &Font8Bold, red},
                         {dest, 16, &Font16, green}};
    QTest::newRow("two-line, 32 rows, both split") << 4 << S << 2 << true << 4000 << texts("A_B", "C_D_E")
                                                   << ExpectedTexts{{QStringLiteral("A"), 0, &Font8Thin, red},
                                                                    {QStringLiteral("B"), 8, &Font8Thin, red},
                                                                    {QStringLiteral("C"), 16, &Font8Bold, green},
                                                                    {QStringLiteral("D_E"), 24, &Font8Bold, green}};
    QTest::newRow("two-line, destination first")
        << 1 << S << 0 << false << 4000 << plain
        << ExpectedTexts{{dest, 0, &Font8Thin, red}, {start, 8, &Font8Thin, green}};

    QTest::newRow("enlarged, 16 rows is two-line")
        << 1 << (S | M) << 0 << true << 4000 << plain
        << ExpectedTexts{{start, 0, &Font8Thin, red}, {dest, 8, &Font8Thin, green}};
    QTest::newRow("enlarged, 20 rows") << 9 << (S | M) << 1 << true << 4000 << plain
                                       << ExpectedTexts{{start, 0, &Font8Bold, red}, {dest, 8, &Font12, green}};
    QTest::newRow("enlarged, 24 rows") << 6 << (S | M) << 1 << true << 4000 << plain
                                       << ExpectedTexts{{start, 0, &Font8Thin, red}, {dest, 8, &Font16, green}};
    QTest::newRow("enlarged, 32 rows") << 4 << (S | M | C) << 0 << true << 4000 << plain
                                       << ExpectedTexts{{start, 0, &Font12, red}, {dest, 12, &Font20, green}};

    QTest::newRow("destination only, 16 rows")
        << 1 << (S | N) << 0 << true << 4000 << plain << ExpectedTexts{{dest, 0, &Font16, red}};
    QTest::newRow("destination only, falls back to the starting point")
        << 1 << (S | N) << 0 << true << 4000 << texts("Микрорайон", "") << ExpectedTexts{{start, 0, &Font16, red}};
    QTest::newRow("destination only, starting point first")
        << 1 << (S | N) << 0 << false << 4000 << plain << ExpectedTexts{{start, 0, &Font16, red}};
    QTest::newRow("destination only, 16 rows, _")
        << 1 << (S | N) << 2 << true << 4000 << texts("", "Железнодорожный_вокзал")
        << ExpectedTexts{{QStringLiteral("Железнодорожный"), 0, &Font8Thin, red},
                         {QStringLiteral("вокзал"), 8, &Font8Bold, green}};
    QTest::newRow("destination only, 20 rows, two _")
        << 9 << (S | N) << 0 << true << 4000 << texts("", "A_B_C")
        << ExpectedTexts{{QStringLiteral("A"), 0, &Font10Thin, red}, {QStringLiteral("B_C"), 10, &Font10Thin, green}};
    QTest::newRow("destination only, 32 rows")
        << 4 << (S | N) << 0 << true << 4000 << plain << ExpectedTexts{{dest, 0, &Font32, red}};
    QTest::newRow("destination only, 32 rows, one _")
        << 4 << (S | N | C) << 3 << true << 4000 << texts("", "Железнодорожный_вокзал")
        << ExpectedTexts{{QStringLiteral("Железнодорожный"), 0, &Font16, red},
                         {QStringLiteral("вокзал"), 16, &Font16, green}};
    QTest::newRow("destination only, 32 rows, two _") << 4 << (S | N) << 2 << true << 4000 << texts("", "A_B_C")
                                                      << ExpectedTexts{{QStringLiteral("A"), 0, &Font8Thin, red},
                                                                       {QStringLiteral("B"), 8, &Font8Thin, red},
                                                                       {QStringLiteral("C"), 16, &Font8Bold, green}};
    QTest::newRow("destination only, 32 rows, four _") << 4 << (S | N) << 1 << true << 4000 << texts("", "A_B_C_D_E")
                                                       << ExpectedTexts{{QStringLiteral("A"), 0, &Font8Bold, red},
                                                                        {QStringLiteral("B"), 8, &Font8Bold, red},
                                                                        {QStringLiteral("C"), 16, &Font8Thin, green},
                                                                        {QStringLiteral("D_E"), 24, &Font8Thin, green}};
    QTest::newRow("destination only, no change time: both languages")
        << 1 << (S | N) << 0 << true << 0 << texts("", "Парк", "", "Park")
        << ExpectedTexts{{QStringLiteral("Парк"), 0, &Font8Thin, red}, {QStringLiteral("Park"), 8, &Font8Thin, green}};
    QTest::newRow("destination only, no change time, one language")
        << 1 << (S | N) << 0 << true << 0 << plain << ExpectedTexts{{dest, 0, &Font16, red}};

    QTest::newRow("still line") << 1 << 0 << 0 << true << 4000 << plain
                                << ExpectedTexts{{start + QLatin1String(" - ") + dest, 0, &Font16, red}};
    QTest::newRow("still line is never centred")
        << 4 << C << 1 << true << 4000 << plain
        << ExpectedTexts{{start + QLatin1String(" - ") + dest, 0, &Font32, red}};
}

void TestFrontTabloWidget::staticLayouts()
{
    QFETCH(int, type);
    QFETCH(int, mode);
    QFETCH(int, fontBits);
    QFETCH(bool, startFirst);
    QFETCH(int, changeTime);
    QFETCH(QStringList, texts);
    QFETCH(ExpectedTexts, expected);

    FrontTabloWidget preview;
    setUpPlain(preview, type, mode);
    preview.setFontBits(fontBits);
    preview.setStartFirst(startFirst);
    preview.setChangeTime(changeTime);
    for (int language = 0; language < 2; ++language) {
        preview.setStartingPoint(language, texts.at(2 * language));
        preview.setDestination(language, texts.at(2 * language + 1));
    }
    preview.refresh();

    const QSize size = preview.boardSize();
    Expected board(size, size.width());
    // Still lines are not centred, whatever the mode says.
    const bool centred = (mode & C) && (mode & S);
    for (const ExpectedText &text : expected)
        board.text(text.text, 0, text.y, *text.font, text.colour, centred);
    QCOMPARE(difference(preview, board, wholeBoard(preview)), QString());
}

void TestFrontTabloWidget::stillLineTextOffset_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("startFirst");
    QTest::addColumn<bool>("secondLanguage");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("shown");

    QTest::newRow("offset 3") << 0 << true << false << 3 << QStringLiteral("рорайон - Вокзал");
    QTest::newRow("destination edited") << 0 << false << false << 2 << QStringLiteral("кзал - Микрорайон");
    QTest::newRow("only destination") << N << false << false << 2 << QStringLiteral("крорайон");
    QTest::newRow("second language") << 0 << true << true << 1 << QStringLiteral("orth - Station");
    QTest::newRow("offset past the end") << 0 << true << false << 40 << QString();
    QTest::newRow("negative offset") << 0 << true << false << -2 << QStringLiteral("Микрорайон - Вокзал");
}

void TestFrontTabloWidget::stillLineTextOffset()
{
    QFETCH(int, mode);
    QFETCH(bool, startFirst);
    QFETCH(bool, secondLanguage);
    QFETCH(int, offset);
    QFETCH(QString, shown);

    FrontTabloWidget preview;
    setUpPlain(preview, FrontTablo16x128, mode);
    preview.setStartingPoint(0, QStringLiteral("Микрорайон"));
    preview.setDestination(0, QStringLiteral("Вокзал"));
    preview.setStartingPoint(1, QStringLiteral("North"));
    preview.setDestination(1, QStringLiteral("Station"));
    preview.setStartFirst(startFirst);
    preview.setFirstLanguage(secondLanguage);
    preview.setTextOffset(offset);
    preview.refresh();

    Expected expected(preview.boardSize(), 128);
    expected.text(shown, 0, 0, Font16, red);
    QCOMPARE(difference(preview, expected, wholeBoard(preview)), QString());
}

void TestFrontTabloWidget::languagePages_data()
{
    QTest::addColumn<bool>("firstLanguage");
    QTest::addColumn<bool>("secondLanguage");
    QTest::addColumn<QVector<int>>("pages");

    // Pages after 0, 249, 250, 499 and 500 frames at 4 s per page and 16 ms per frame.
    QTest::newRow("two languages") << false << true << QVector<int>{0, 0, 1, 1, 0};
    QTest::newRow("language 1 only never flips") << false << false << QVector<int>{0, 0, 0, 0, 0};
    QTest::newRow("starting with language 2") << true << true << QVector<int>{1, 1, 0, 0, 1};
    QTest::newRow("starting with an empty language 2") << true << false << QVector<int>{1, 1, 0, 0, 0};
}

void TestFrontTabloWidget::languagePages()
{
    QFETCH(bool, firstLanguage);
    QFETCH(bool, secondLanguage);
    QFETCH(QVector<int>, pages);

    FrontTabloWidget preview;
    setUpPlain(preview, FrontTablo16x128, S);
    preview.setStartingPoint(0, QStringLiteral("Один"));
    preview.setDestination(0, QStringLiteral("Два"));
    if (secondLanguage)
        preview.setDestination(1, QStringLiteral("Two"));
    preview.setFirstLanguage(firstLanguage);
    preview.refresh();

    const int checkpoints[] = {0, 249, 250, 499, 500};
    int frames = 0;
    for (int index = 0; index < 5; ++index) {
        for (; frames < checkpoints[index]; ++frames)
            preview.frame(false);
        QCOMPARE(preview.page(), pages.at(index));
        Expected board(preview.boardSize(), 128);
        board.text(preview.startingPoint(pages.at(index)), 0, 0, Font8Thin, red);
        board.text(preview.destination(pages.at(index)), 0, 8, Font8Thin, green);
        QCOMPARE(difference(preview, board, wholeBoard(preview)), QString());
    }
}

// Started, a static board without stops ticks once per page.
void TestFrontTabloWidget::staticPagesFlipOnEveryTick()
{
    FrontTabloWidget preview;
    setUpPlain(preview, FrontTablo16x128, S | N);
    preview.setDestination(0, QStringLiteral("Парк"));
    preview.setStartingPoint(1, QStringLiteral("Park"));
    preview.setChangeTime(3000);
    preview.startAnimation();
    QVERIFY(preview.isAnimating());
    QCOMPARE(preview.framePeriod(), 3000);
    QCOMPARE(preview.page(), 0);
    for (int tick = 1; tick <= 4; ++tick) {
        preview.frame(false);
        QCOMPARE(preview.page(), tick % 2);
    }
    Expected board(preview.boardSize(), 128);
    board.text(QStringLiteral("Парк"), 0, 0, Font16, red);
    QCOMPARE(difference(preview, board, wholeBoard(preview)), QString());
}

// A running preview whose content or mode changes moves at the pace of its new layout.
void TestFrontTabloWidget::periodFollowsChanges()
{
    FrontTabloWidget preview;
    setUpPlain(preview, FrontTablo16x128, S);
    preview.setDestination(0, QStringLiteral("Парк Победы и Центральный рынок"));
    preview.setDestination(1, QStringLiteral("Park"));
    preview.startAnimation();
    QCOMPARE(preview.framePeriod(), 4000);
    preview.setMode(0);
    preview.refresh();
    QVERIFY(preview.isAnimating());
    QCOMPARE(preview.framePeriod(), 16);
    const QImage before = preview.grab().toImage();
    preview.frame(false);
    QVERIFY(preview.grab().toImage() != before);
    preview.setMode(S);
    preview.setDestination(1, QString());
    preview.refresh();
    QVERIFY(!preview.isAnimating());
}

void TestFrontTabloWidget::startAnimation_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("stops");
    QTest::addColumn<bool>("separator");
    QTest::addColumn<bool>("secondLanguage");
    QTest::addColumn<int>("changeTime");
    QTest::addColumn<bool>("animating");
    QTest::addColumn<int>("period");

    QTest::newRow("number only") << 11 << 0 << false << false << true << 4000 << false << 16;
    QTest::newRow("static, language 1 only") << 1 << S << false << false << false << 4000 << false << 16;
    QTest::newRow("static, two languages") << 1 << S << false << false << true << 4000 << true << 4000;
    QTest::newRow("static, no change time") << 1 << S << false << false << true << 0 << true << 16;
    QTest::newRow("running line") << 1 << 0 << false << false << false << 4000 << true << 16;
    QTest::newRow("static side board with stops") << 6 << S << true << false << false << 4000 << true << 16;
    QTest::newRow("static side board, separator only") << 6 << S << false << true << true << 5000 << true << 5000;
    QTest::newRow("static side board, separator, language 1")
        << 6 << S << false << true << false << 5000 << false << 16;
}

void TestFrontTabloWidget::startAnimation()
{
    QFETCH(int, type);
    QFETCH(int, mode);
    QFETCH(bool, stops);
    QFETCH(bool, separator);
    QFETCH(bool, secondLanguage);
    QFETCH(int, changeTime);
    QFETCH(bool, animating);
    QFETCH(int, period);

    FrontTabloWidget preview;
    setUpPlain(preview, type, mode);
    preview.setNumber(QStringLiteral("5"));
    preview.setDestination(0, QStringLiteral("Парк"));
    if (secondLanguage)
        preview.setDestination(1, QStringLiteral("Park"));
    if (stops)
        preview.setStops(0, {QStringLiteral("Рынок")});
    if (separator)
        preview.setSeparator(QStringLiteral("hh:mm"));
    preview.setChangeTime(changeTime);
    preview.startAnimation();
    QCOMPARE(preview.isAnimating(), animating);
    QCOMPARE(preview.framePeriod(), period);
    // The number is drawn on the reset frame in every case.
    QVERIFY(litRuns(preview, wholeBoard(preview)).size() > 0);
    preview.stopAnimation();
    QVERIFY(!preview.isAnimating());
}

void TestFrontTabloWidget::runningLine_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("letterGap");
    QTest::addColumn<QString>("secondStart");
    QTest::addColumn<int>("nextPage");

    QTest::newRow("16 rows") << 1 << 1 << QStringLiteral("Park") << 1;
    QTest::newRow("32 rows, two-dot letter gap") << 4 << 2 << QStringLiteral("Park") << 1;
    QTest::newRow("20 rows, no second starting point") << 8 << 1 << QString() << 0;
}

// The composed line runs in from the right; once it is in, the other language follows after
// half a board of dark columns.
void TestFrontTabloWidget::runningLine()
{
    QFETCH(int, type);
    QFETCH(int, letterGap);
    QFETCH(QString, secondStart);
    QFETCH(int, nextPage);

    FrontTabloWidget preview;
    setUpPlain(preview, type, 0);
    preview.setStartingPoint(0, QStringLiteral("ЖW"));
    preview.setDestination(1, QStringLiteral("Station"));
    preview.setStartingPoint(1, secondStart);
    preview.startAnimation();
    const QSize size = preview.boardSize();
    const TabloFont &font = fontForHeight(size.height(), false);

    // The reset frame is the first step; the text is in after one step per column.
    int width = 0;
    for (const QChar character : QStringLiteral("ЖW"))
        width += glyphWidth(font, font.charToGlyph(character.unicode())).advance + letterGap - 1;
    for (int step = 1; step < width; ++step)
        preview.frame(false);
    QCOMPARE(preview.page(), 0);
    preview.frame(false);
    QCOMPARE(preview.page(), nextPage);

    const auto lineAt = [&](int x) {
        auto board = std::make_unique<Expected>(size, size.width());
        for (const QChar character : QStringLiteral("ЖW"))
            x = board->text(QString(character), x, 0, font, red) + letterGap - 1;
        return board;
    };
    QCOMPARE(difference(preview, *lineAt(size.width() - width), wholeBoard(preview)), QString());
    const int gap = size.width() / 2;
    for (int step = 0; step < gap - letterGap; ++step)
        preview.frame(false);
    QCOMPARE(difference(preview, *lineAt(size.width() - width - gap + letterGap), wholeBoard(preview)), QString());
    // The next text's first letter has come in, exactly gap dark columns after the last one.
    for (int step = 0; step < 17; ++step)
        preview.frame(false);
    const QChar next = nextPage == 1 ? QLatin1Char('P') : QChar(u'Ж');
    QCOMPARE(widestDarkRun(litRuns(preview, wholeBoard(preview))), gap + blankLeftColumns(font, next));
}

void TestFrontTabloWidget::sideStill_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("firstLanguage");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<bool>("upperCentred");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<bool>("lowerCentred");

    QTest::newRow("plain") << 0 << false << 0 << QStringLiteral("Север - Вокзал") << false << QStringLiteral("Гагарина")
                           << false;
    QTest::newRow("text offset cuts the upper line")
        << 0 << false << 3 << QStringLiteral("ер - Вокзал") << false << QStringLiteral("Гагарина") << false;
    QTest::newRow("static ignores the offset")
        << S << false << 3 << QStringLiteral("Север - Вокзал") << false << QStringLiteral("Гагарина") << false;
    QTest::newRow("static centred") << (S | C) << false << 0 << QStringLiteral("Север - Вокзал") << true
                                    << QStringLiteral("Гагарина") << false;
    QTest::newRow("vertical centred") << (V | C) << false << 0 << QStringLiteral("Север - Вокзал") << false
                                      << QStringLiteral("Гагарина") << true;
    QTest::newRow("all centred") << (S | V | C) << false << 0 << QStringLiteral("Север - Вокзал") << true
                                 << QStringLiteral("Гагарина") << true;
    QTest::newRow("language 2") << S << true << 0 << QStringLiteral("North - Station") << false
                                << QStringLiteral("Market") << false;
}

// Still, the side board shows its upper line and the first stop at rest below it.
void TestFrontTabloWidget::sideStill()
{
    QFETCH(int, mode);
    QFETCH(bool, firstLanguage);
    QFETCH(int, offset);
    QFETCH(QString, upper);
    QFETCH(bool, upperCentred);
    QFETCH(QString, lower);
    QFETCH(bool, lowerCentred);

    FrontTabloWidget preview;
    setUpSide(preview, mode);
    preview.setFirstLanguage(firstLanguage);
    preview.setTextOffset(offset);
    preview.setFontBits(1);
    preview.refresh();

    Expected expected(preview.boardSize(), 144);
    expected.text(upper, 0, 0, Font12, red, upperCentred);
    expected.text(lower, 0, 12, Font12, green, lowerCentred);
    QCOMPARE(difference(preview, expected, wholeBoard(preview)), QString());
}

void TestFrontTabloWidget::separatorFocus_data()
{
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("animate");
    QTest::addColumn<bool>("stops");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("shown");

    QTest::newRow("focus, still") << true << false << true << V << QStringLiteral("separator");
    QTest::newRow("focus, running, vertical") << true << true << true << V << QStringLiteral("vertical");
    QTest::newRow("focus, running") << true << true << true << 0 << QStringLiteral("running");
    QTest::newRow("focus, running, no stops") << true << true << false << 0 << QStringLiteral("separator");
    QTest::newRow("still") << false << false << true << 0 << QStringLiteral("vertical");
    QTest::newRow("no stops") << false << false << false << V << QStringLiteral("separator");
    QTest::newRow("running, no stops") << false << true << false << 0 << QStringLiteral("separator");
    QTest::newRow("running, vertical") << false << true << true << V << QStringLiteral("vertical");
    QTest::newRow("running, static, vertical") << false << true << true << (S | V) << QStringLiteral("vertical");
    QTest::newRow("running") << false << true << true << 0 << QStringLiteral("running");
}

// What the lower half shows half a board height's frames after the start.
void TestFrontTabloWidget::separatorFocus()
{
    QFETCH(bool, focus);
    QFETCH(bool, animate);
    QFETCH(bool, stops);
    QFETCH(int, mode);
    QFETCH(QString, shown);

    FrontTabloWidget preview;
    setUpSide(preview, mode);
    if (!stops) {
        preview.setStops(0, QStringList());
        preview.setStops(1, QStringList());
    }
    preview.setSeparatorFocus(focus);
    if (animate) {
        preview.startAnimation();
        QVERIFY(preview.isAnimating());
        for (int frame = 1; frame < 12; ++frame)
            preview.frame(false);
    } else {
        preview.refresh();
    }

    Expected separator(preview.boardSize(), 144);
    separator.text(QStringLiteral("12:00"), 0, 12, Font12, green);
    Expected stop(preview.boardSize(), 144);
    stop.text(QStringLiteral("Гагарина"), 0, 12, Font12, green);
    const QRect lower = lowerHalf(preview);
    if (shown == QLatin1String("separator")) {
        QCOMPARE(difference(preview, separator, lower), QString());
    } else if (shown == QLatin1String("vertical")) {
        QCOMPARE(difference(preview, stop, lower), QString());
    } else {
        // Eleven columns of the first stop have run in at the right.
        const auto runs = litRuns(preview, lower);
        QVERIFY(!runs.isEmpty());
        QVERIFY(runs.first().first >= 144 - 11);
    }
}

void TestFrontTabloWidget::verticalStops_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("firstLanguage");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QVector<int>>("arrivals");

    // Rows 24, half 12; a stop stands 2 frames (48 ms at 16 ms a frame), then the next rises
    // over 24 frames, or 48 after a list without separator.
    QTest::newRow("with separator") << QStringLiteral("'12:00'") << false
                                    << QStringList{QStringLiteral("A1"),    QStringLiteral("B2"),
                                                   QStringLiteral("12:00"), QStringLiteral("C3"),
                                                   QStringLiteral("12:00"), QStringLiteral("A1")}
                                    << QVector<int>{11, 37, 63, 89, 115, 141};
    QTest::newRow("without separator") << QString() << false
                                       << QStringList{QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("C3"),
                                                      QStringLiteral("A1"), QStringLiteral("B2")}
                                       << QVector<int>{11, 37, 87, 137, 163};
    QTest::newRow("language 2 first") << QString() << true
                                      << QStringList{QStringLiteral("C3"), QStringLiteral("A1"), QStringLiteral("B2"),
                                                     QStringLiteral("C3")}
                                      << QVector<int>{11, 61, 87, 137};
}

void TestFrontTabloWidget::verticalStops()
{
    QFETCH(QString, separator);
    QFETCH(bool, firstLanguage);
    QFETCH(QStringList, texts);
    QFETCH(QVector<int>, arrivals);

    FrontTabloWidget preview;
    setUpSide(preview, V | C);
    preview.setStops(0, {QStringLiteral("A1"), QStringLiteral("B2")});
    preview.setStops(1, {QStringLiteral("C3")});
    preview.setSeparator(separator);
    preview.setFirstLanguage(firstLanguage);
    preview.setStopTime(48);
    preview.startAnimation();

    const QStringList candidates{QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("C3"),
                                 QStringLiteral("12:00")};
    std::vector<std::unique_ptr<Expected>> atRest;
    for (const QString &text : candidates) {
        atRest.push_back(std::make_unique<Expected>(preview.boardSize(), 144));
        atRest.back()->text(text, 0, 12, Font12, green, true);
    }
    QStringList seen;
    QVector<int> seenAt;
    QString resting;
    for (int frame = 0; frame <= arrivals.last(); ++frame) {
        if (frame > 0)
            preview.frame(false);
        QString now;
        for (int index = 0; index < candidates.size(); ++index) {
            if (same(preview, *atRest[index], lowerHalf(preview)))
                now = candidates.at(index);
        }
        if (!now.isEmpty() && now != resting) {
            seen.append(now);
            seenAt.append(frame);
        }
        resting = now;
    }
    QCOMPARE(seen, texts);
    QCOMPARE(seenAt, arrivals);
}

void TestFrontTabloWidget::runningStopsGap_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("gap");

    QTest::newRow("next stop") << QStringLiteral("'I'") << 32;
    QTest::newRow("next list without separator") << QString() << 64;
}

// Stops run 32 dark columns apart; without a separator the lists are 64 apart.
void TestFrontTabloWidget::runningStopsGap()
{
    QFETCH(QString, separator);
    QFETCH(int, gap);

    FrontTabloWidget preview;
    setUpSide(preview, 0);
    preview.setType(FrontTablo32x256Color);
    preview.setStops(0, {QStringLiteral("I")});
    preview.setStops(1, QStringList());
    preview.setSeparator(separator);
    preview.startAnimation();
    for (int frame = 0; frame < 120; ++frame)
        preview.frame(false);
    const auto runs = litRuns(preview, lowerHalf(preview));
    QVERIFY2(runs.size() >= 2, "two texts on the board");
    QCOMPARE(runs.at(1).first - runs.at(0).second - 1, gap + blankLeftColumns(Font16, QLatin1Char('I')));
}

void TestFrontTabloWidget::clicks()
{
    FrontTabloWidget preview;
    setUpPlain(preview, FrontTablo16x128, 0);
    preview.setDestination(0, QStringLiteral("Парк"));
    QSignalSpy menu(&preview, &FrontTabloWidget::contextMenuRequested);

    QTest::mouseClick(&preview, Qt::LeftButton);
    QVERIFY(preview.isAnimating());
    QTest::mouseClick(&preview, Qt::LeftButton);
    QVERIFY(!preview.isAnimating());
    QTest::mouseClick(&preview, Qt::RightButton);
    QVERIFY(!preview.isAnimating());

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), preview.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&preview, &event);
    QCOMPARE(menu.count(), 1);
    // The release that ends the context menu does not count as a click.
    QTest::mouseRelease(&preview, Qt::LeftButton);
    QVERIFY(!preview.isAnimating());
    QTest::mouseClick(&preview, Qt::LeftButton);
    QVERIFY(preview.isAnimating());
}

void TestFrontTabloWidget::timerAnimates()
{
    FrontTabloWidget preview;
    setUpPlain(preview, FrontTablo16x128, 0);
    preview.setDestination(0, QStringLiteral("ЖЖЖ"));
    preview.startAnimation();
    QCOMPARE(litRuns(preview, wholeBoard(preview)).size(), 0);
    QTRY_VERIFY(litRuns(preview, wholeBoard(preview)).size() > 0);
}

void TestFrontTabloWidget::sideStopNames_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("backIndex");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("names");

    // Stops 0 … 7 are named s0 … s7 and t0 … t7; s2 and t1, t3 are empty.
    QTest::newRow("from the first") << -1 << 3 << 5 << 0 << QStringList{QStringLiteral("s0"), QStringLiteral("s1")};
    QTest::newRow("empty names are left out")
        << 0 << 4 << 5 << 1 << QStringList{QStringLiteral("t0"), QStringLiteral("t2")};
    QTest::newRow("ends before the return direction")
        << 3 << 5 << 5 << 0 << QStringList{QStringLiteral("s3"), QStringLiteral("s4")};
    QTest::newRow("return direction runs to the end")
        << 5 << 10 << 5 << 0 << QStringList{QStringLiteral("s5"), QStringLiteral("s6"), QStringLiteral("s7")};
    QTest::newRow("count 0") << 2 << 0 << 5 << 0 << QStringList();
    QTest::newRow("negative count") << 2 << -3 << 5 << 0 << QStringList();
    QTest::newRow("huge count") << 6 << std::numeric_limits<int>::max() << 5 << 0
                                << QStringList{QStringLiteral("s6"), QStringLiteral("s7")};
    QTest::newRow("no return direction") << 4 << 9 << -1 << 0
                                         << QStringList{QStringLiteral("s4"), QStringLiteral("s5"),
                                                        QStringLiteral("s6"), QStringLiteral("s7")};
    QTest::newRow("return index past the end")
        << 6 << 9 << 100 << 0 << QStringList{QStringLiteral("s6"), QStringLiteral("s7")};
    QTest::newRow("unknown start is the first") << 42 << 1 << 5 << 0 << QStringList{QStringLiteral("s0")};
    QTest::newRow("unknown language") << 0 << 8 << 5 << 2 << QStringList();
}

void TestFrontTabloWidget::sideStopNames()
{
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, backIndex);
    QFETCH(int, language);
    QFETCH(QStringList, names);

    RouteData route;
    for (int index = 0; index < 8; ++index) {
        const QString first = index == 2 ? QString() : QStringLiteral("s%1").arg(index);
        const QString second = index == 1 || index == 3 ? QString() : QStringLiteral("t%1").arg(index);
        route.insertStation(index, station(first, second));
    }
    route.setSideStationCount(count);
    route.setBackStationIndex(backIndex);
    QCOMPARE(::sideStopNames(route, language, start), names);
}

void TestFrontTabloWidget::feedBoard_data()
{
    QTest::addColumn<int>("board");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVector<int>>("colours");
    QTest::addColumn<int>("changeTime");
    QTest::addColumn<int>("strip");

    QTest::newRow("front") << int(OutsideBoard::Front) << QStringLiteral("front")
                           << QVector<int>{0xff0000, 0x00ff00, 0x0000ff} << 4000 << 2;
    QTest::newRow("side") << int(OutsideBoard::Side) << QStringLiteral("side")
                          << QVector<int>{0xffff00, 0x00ffff, 0xff00ff} << 3000 << 0;
    QTest::newRow("back") << int(OutsideBoard::Back) << QStringLiteral("back")
                          << QVector<int>{0xffffff, 0xff8000, 0x8000ff} << 0 << 2;
}

// Each board gets its own fields: number, texts, colours (number, starting point, destination),
// mode, font bits, change time in ms; strips on the front and back, separator and stops on the side.
void TestFrontTabloWidget::feedBoard()
{
    QFETCH(int, board);
    QFETCH(QString, name);
    QFETCH(QVector<int>, colours);
    QFETCH(int, changeTime);
    QFETCH(int, strip);

    RouteData route;
    route.setFrontNumber(QStringLiteral("front"));
    route.setSideNumber(QStringLiteral("side"));
    route.setBackNumber(QStringLiteral("back"));
    for (int language = 0; language < 2; ++language) {
        const QString start = QStringLiteral(" start %1").arg(language);
        const QString dest = QStringLiteral(" dest %1").arg(language);
        route.setFrontStartingPoint(language, QStringLiteral("front") + start);
        route.setFrontDestination(language, QStringLiteral("front") + dest);
        route.setSideStartingPoint(language, QStringLiteral("side") + start);
        route.setSideDestination(language, QStringLiteral("side") + dest);
        route.setBackStartingPoint(language, QStringLiteral("back") + start);
        route.setBackDestination(language, QStringLiteral("back") + dest);
    }
    route.setFrontNumberColor(0x800000);
    route.setFrontStartColor(0x008000);
    route.setFrontDestColor(0x000080);
    route.setSideNumberColor(0x808000);
    route.setSideStartColor(0x008080);
    route.setSideDestColor(0x800080);
    route.setBackNumberColor(0x404040);
    route.setBackStartColor(0x804000);
    route.setBackDestColor(0x400080);
    route.setFrontMode(1);
    route.setSideMode(2);
    route.setBackMode(3);
    route.setFrontFont(1);
    route.setSideFont(2);
    route.setBackFont(3);
    route.setFrontNameTimeout(4);
    route.setSideNameTimeout(3);
    route.setBackNameTimeout(0);
    route.setLeftSofitColor(2);
    route.setRightSofitColor(2);
    route.setSideSeparator(QStringLiteral("hh:mm"));
    route.setSideStationCount(2);
    route.setBackStationIndex(2);
    for (int index = 0; index < 3; ++index)
        route.insertStation(index, station(QStringLiteral("s%1").arg(index), QStringLiteral("t%1").arg(index)));

    FrontTabloWidget preview;
    preview.setStops(0, {QStringLiteral("old")});
    preview.setSeparator(QStringLiteral("old"));
    ::feedBoard(preview, route, OutsideBoard(board));
    const bool side = board == int(OutsideBoard::Side);
    QCOMPARE(preview.number(), name);
    QCOMPARE(preview.startingPoint(1), name + QLatin1String(" start 1"));
    QCOMPARE(preview.destination(1), name + QLatin1String(" dest 1"));
    QCOMPARE((QVector<int>{preview.numberColour(), preview.line1Colour(), preview.line2Colour()}), colours);
    QCOMPARE(preview.mode(), board + 1);
    QCOMPARE(preview.fontBits(), board + 1);
    QCOMPARE(preview.changeTime(), changeTime);
    QCOMPARE(preview.leftStrip(), strip);
    QCOMPARE(preview.rightStrip(), strip);
    QCOMPARE(preview.separator(), side ? QStringLiteral("hh:mm") : QString());
    QCOMPARE(preview.stops(0), side ? QStringList({QStringLiteral("s0"), QStringLiteral("s1")}) : QStringList());
    QCOMPARE(preview.stops(1), side ? QStringList({QStringLiteral("t0"), QStringLiteral("t1")}) : QStringList());
}

void TestFrontTabloWidget::cuts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    // Number, then starting point and destination of language 1 and of language 2.
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<QStringList>("cut");

    const QString wide = QStringLiteral("Железнодорожный вокзал через Центральный рынок");
    const QStringList route{QString(), QStringLiteral("Север"), QStringLiteral("Вокзал")};
    const int front = FrontTablo16x96;
    const int side = FrontTablo16x128;
    QTest::newRow("still") << front << S << QStringList{QString(), QString(), wide} << QStringList()
                           << QStringList{"route 1"};
    QTest::newRow("running") << front << 0 << QStringList{QString(), wide, wide} << QStringList() << QStringList();
    QTest::newRow("both languages at once")
        << front << (S | N) << (route + QStringList{QString(), wide}) << QStringList() << QStringList{"route 2"};
    QTest::newRow("running without room")
        << front << 0 << QStringList{"123АБВГДЕЖЗИК", wide} << QStringList() << QStringList{"number", "route 1"};
    QTest::newRow("stops standing") << side << (S | V) << route << QStringList{wide, "Рынок"} << QStringList{"stops"};
    QTest::newRow("stops running") << side << S << route << QStringList{wide} << QStringList();
}

// What the board cuts is told apart by text. With each text the first of its line, as the route
// check measures them, the first frame of the animation tells all that the whole cycle cuts.
void TestFrontTabloWidget::cuts()
{
    QFETCH(int, type);
    QFETCH(int, mode);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, stops);
    QFETCH(QStringList, cut);
    FrontTabloWidget preview;
    setUpPlain(preview, type, mode);
    preview.setChangeTime(0);
    preview.setNumber(texts.at(0));
    for (int language = 0; language < 2; ++language) {
        preview.setStartingPoint(language, texts.value(2 * language + 1));
        preview.setDestination(language, texts.value(2 * language + 2));
    }
    preview.setStops(0, stops);
    const auto cuts = [&preview] {
        QStringList found;
        if (preview.numberCut())
            found.append(QStringLiteral("number"));
        for (int language = 0; language < 2; ++language) {
            if (preview.routeTextCut(language))
                found.append(QStringLiteral("route %1").arg(language + 1));
        }
        if (preview.stopLineCut())
            found.append(QStringLiteral("stops"));
        return found;
    };
    preview.startAnimation();
    QCOMPARE(cuts(), cut);
    for (int frame = 0; frame < 1000; ++frame)
        preview.frame(false);
    QCOMPARE(cuts(), cut);
}

QTEST_MAIN(TestFrontTabloWidget)
#include "tst_fronttablowidget.moc"
