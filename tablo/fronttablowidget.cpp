#include "fronttablowidget.h"

#include "fronttablotype.h"
#include "routedata.h"
#include "tablodatetime.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTimerEvent>

namespace {

struct BoardType
{
    int cols;
    int rows;
    int stripWidth;
    int stripGap;
    bool stripsAlways;
    bool numberOnly;
};

// Indexed by FrontTabloType. Type 0 is sold as 32x192 but has 196 columns.
constexpr BoardType boardTypes[frontTabloTypeCount] = {
    {196, 32, 15, 2, false, false}, {128, 16, 0, 0, false, false},  {114, 16, 10, 1, true, false},
    {96, 16, 0, 0, false, false},   {320, 32, 15, 2, false, false}, {256, 32, 15, 2, false, false},
    {144, 24, 10, 1, false, false}, {128, 16, 10, 1, false, false}, {200, 20, 10, 1, false, false},
    {160, 20, 10, 1, false, false}, {120, 20, 10, 1, false, false}, {40, 20, 0, 0, false, true},
};

// Lamp codes 3 and 5 are colours the strips cannot show: they stay dark.
int stripColour(int code)
{
    static constexpr int colours[8] = {0, 0x0000ff, 0x00ff00, 0, 0xff0000, 0, 0xffff00, 0xffffff};
    return code >= 0 && code < 8 ? colours[code] : 0;
}

bool isLanguage(int language)
{
    return language == 0 || language == 1;
}

// Leading decimal digits of a route number, at most three, go into the digit font.
int numberDigitCount(const QString &number)
{
    int count = 0;
    while (count < 3 && count < number.size() && number.at(count) >= QLatin1Char('0')
           && number.at(count) <= QLatin1Char('9'))
        ++count;
    return count;
}

const TabloFont &numberDigitFont(int rows)
{
    return rows < 20 ? Digits16 : rows < 24 ? Digits20 : rows < 32 ? Digits24 : Digits32;
}

const TabloFont &numberSuffixFont(int rows)
{
    return rows < 20 ? Font16 : rows < 32 ? Font20 : Font32;
}

constexpr int runningFramePeriod = 16;
constexpr int stopGap = 32;
constexpr int listGap = 64;

// The step that leaves exactly columns dark columns between two running texts: the gap after
// the last letter and the column that feeds the next text's first letter are dark already.
int darkGapStep(int columns, int height)
{
    const int letterGap = height == 32 ? 2 : 1;
    return qMax(columns - letterGap - 1, 0);
}

} // namespace

FrontTabloWidget::FrontTabloWidget(QWidget *parent)
    : TabloWidget(parent)
{
    setType(FrontTablo32x192Color);
}

void FrontTabloWidget::setType(int type)
{
    if (type < 0 || type >= frontTabloTypeCount)
        return;
    const BoardType &board = boardTypes[type];
    m_boardType = type;
    m_stripWidth = board.stripWidth;
    m_stripGap = board.stripGap;
    m_stripsAlways = board.stripsAlways;
    m_numberOnly = board.numberOnly;
    setBoardSize(board.cols, board.rows);
}

void FrontTabloWidget::setStartingPoint(int language, const QString &text)
{
    if (isLanguage(language))
        m_startingPoint[language] = text;
}

QString FrontTabloWidget::startingPoint(int language) const
{
    return isLanguage(language) ? m_startingPoint[language] : QString();
}

void FrontTabloWidget::setDestination(int language, const QString &text)
{
    if (isLanguage(language))
        m_destination[language] = text;
}

QString FrontTabloWidget::destination(int language) const
{
    return isLanguage(language) ? m_destination[language] : QString();
}

void FrontTabloWidget::setStops(int language, const QStringList &stops)
{
    if (isLanguage(language))
        m_stops[language] = stops;
}

QStringList FrontTabloWidget::stops(int language) const
{
    return isLanguage(language) ? m_stops[language] : QStringList();
}

void FrontTabloWidget::refresh()
{
    // New content or a new mode may move at another pace: a static board of two languages
    // turns a page every change time, a running line moves every frame, and a board with
    // nothing to move stops.
    if (m_timer.isActive()) {
        const int period = animationPeriod();
        if (period == 0) {
            m_timer.stop();
        } else if (period != m_framePeriodMs) {
            m_framePeriodMs = period;
            m_timer.start(period, Qt::PreciseTimer, this);
        }
    }
    frame(true);
    update();
}

void FrontTabloWidget::startAnimation()
{
    if (m_timer.isActive())
        return;
    const int period = animationPeriod();
    if (period > 0) {
        m_framePeriodMs = period;
        m_timer.start(period, Qt::PreciseTimer, this);
    }
    frame(true);
    update();
}

void FrontTabloWidget::stopAnimation()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    frame(true);
    update();
}

// 0 when nothing would move. A static board without stops only turns language pages, so its
// frames come once per page; everything else moves a dot per frame.
int FrontTabloWidget::animationPeriod() const
{
    if (m_numberOnly)
        return 0;
    if (!hasStops() && hasMode(RouteData::StaticMode) && m_changeTimeMs > 0)
        return hasSecondLanguage() ? m_changeTimeMs : 0;
    return runningFramePeriod;
}

void FrontTabloWidget::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        TabloWidget::timerEvent(event);
        return;
    }
    repaint();
    frame(false);
}

void FrontTabloWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !m_afterContextMenu) {
        if (isAnimating())
            stopAnimation();
        else
            startAnimation();
    }
    m_afterContextMenu = false;
}

void FrontTabloWidget::contextMenuEvent(QContextMenuEvent *event)
{
    m_afterContextMenu = true;
    event->accept();
    emit contextMenuRequested();
}

bool FrontTabloWidget::hasStops() const
{
    return !m_stops[0].isEmpty() || !m_stops[1].isEmpty();
}

bool FrontTabloWidget::hasSecondLanguage() const
{
    return !m_startingPoint[1].isEmpty() || !m_destination[1].isEmpty();
}

// Line 0 is the upper line (font bit 0), line 1 the lower one (font bit 1).
const TabloFont &FrontTabloWidget::lineFont(int height, int line) const
{
    return fontForHeight(height, (m_fontBits & (1 << line)) != 0);
}

QString FrontTabloWidget::firstText(int language) const
{
    return m_startFirst ? m_startingPoint[language] : m_destination[language];
}

QString FrontTabloWidget::secondText(int language) const
{
    return m_startFirst ? m_destination[language] : m_startingPoint[language];
}

QString FrontTabloWidget::composedLine(int language) const
{
    const QString first = firstText(language);
    const QString second = secondText(language);
    if (hasMode(RouteData::OnlyDestinationMode) || first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + QLatin1String(" - ") + second;
}

// Without a change time the destination-only layout shows both languages at once, language 1
// in the upper lines and language 2 in the lower ones.
bool FrontTabloWidget::stacksLanguages() const
{
    return m_changeTimeMs <= 0 && hasSecondLanguage();
}

// The text of the destination-only layout: the second text of the page, the first when that
// is empty; both languages split by "_" when they stand together.
QString FrontTabloWidget::destinationOnlyText() const
{
    const auto text = [this](int language) {
        const QString shown = secondText(language);
        return shown.isEmpty() ? firstText(language) : shown;
    };
    if (!stacksLanguages())
        return text(m_changeTimeMs > 0 ? m_page : 0);
    return text(0) + QLatin1Char('_') + text(1);
}

bool FrontTabloWidget::routeTextCut(int language) const
{
    return isLanguage(language) && m_routeTextCut[language];
}

// Gives what the frame cut to the texts it showed: the route texts of the page, or of each
// language where both stand at once, and the stop line.
void FrontTabloWidget::noteCuts()
{
    const int half = rows / 2;
    const auto note = [](bool &cut, bool now) { cut = cut || now; };
    if (m_lowerLayout != Layout::None) {
        note(m_routeTextCut[m_page], textClipped(0, half));
        note(m_stopLineCut, textClipped(half, rows));
    } else if (m_mainLayout == Layout::DestinationOnly && stacksLanguages()) {
        note(m_routeTextCut[0], textClipped(0, half));
        note(m_routeTextCut[1], textClipped(half, rows));
    } else {
        note(m_routeTextCut[m_page], textClipped(0, rows));
    }
    forgetClippedText();
}

void FrontTabloWidget::frame(bool reset)
{
    if (reset) {
        m_page = m_firstLanguage ? 1 : 0;
        drawBoardFrame();
        chooseLayouts();
    }
    runLayout(m_mainLayout, reset);
    runLayout(m_lowerLayout, reset);
    noteCuts();
}

void FrontTabloWidget::drawBoardFrame()
{
    setBackground(0);
    clearBoard();
    clearColumnBuffer();
    resetClip();
    m_textLeft = 0;
    drawStrips();
    drawNumber();
    // The number stands over every row; what it cuts is told apart from what the texts cut.
    m_numberCut = textClipped(0, rows);
    m_routeTextCut = {};
    m_stopLineCut = false;
    forgetClippedText();
}

void FrontTabloWidget::drawStrips()
{
    if (m_stripWidth == 0 || (!m_stripsAlways && m_leftStrip == 0 && m_rightStrip == 0)) {
        m_textLeft = 0;
        setClipRight(cols);
        return;
    }
    m_textLeft = m_stripWidth + m_stripGap;
    setClipRight(cols - m_textLeft);
    fillStrip(m_leftStrip, 0);
    fillStrip(m_rightStrip, cols - m_stripWidth);
}

void FrontTabloWidget::fillStrip(int code, int x)
{
    if (code == 0)
        return;
    setBackground(stripColour(code));
    fillRect(x, 0, m_stripWidth, rows);
    setBackground(0);
}

void FrontTabloWidget::drawNumber()
{
    const int digitCount = numberDigitCount(m_number);
    const QStringView digits = QStringView(m_number).left(digitCount);
    const QStringView suffix = QStringView(m_number).mid(digitCount);
    const TabloFont &digitFont = numberDigitFont(rows);
    const TabloFont &suffixFont = numberSuffixFont(rows);
    int x = m_textLeft;
    if (m_numberOnly)
        x = qMax(0, (cols - textWidth(digitFont, digits) - textWidth(suffixFont, suffix)) / 2);
    setForeground(m_numberColour);
    x = drawText(digits, x, 0, digitFont);
    m_textLeft = drawText(suffix, x, 0, suffixFont);
}

void FrontTabloWidget::chooseLayouts()
{
    m_mainLayout = Layout::None;
    m_lowerLayout = Layout::None;
    if (m_numberOnly)
        return;
    if (!hasStops() && m_separator.isEmpty())
        m_mainLayout = singleLayout();
    else
        chooseSideLayouts();
}

// The front and back boards: one text area over the whole height.
FrontTabloWidget::Layout FrontTabloWidget::singleLayout() const
{
    if (!hasMode(RouteData::StaticMode))
        return isAnimating() ? Layout::RunningLine : Layout::StillLine;
    if (hasMode(RouteData::OnlyDestinationMode))
        return Layout::DestinationOnly;
    if (hasMode(RouteData::EnlargedDestinationMode))
        return Layout::Enlarged;
    return Layout::TwoLine;
}

// The side board: the route in the upper half, stops or the separator in the lower one.
void FrontTabloWidget::chooseSideLayouts()
{
    const bool running = isAnimating();
    const bool vertical = hasMode(RouteData::VerticalStationsMode);
    m_mainLayout = !running || hasMode(RouteData::StaticMode) ? Layout::UpperStill : Layout::UpperRunning;
    if (m_separatorFocus && (!running || !hasStops()))
        m_lowerLayout = Layout::SeparatorLine;
    else if (m_separatorFocus)
        m_lowerLayout = vertical ? Layout::StopsVertical : Layout::StopsRunning;
    else if (!hasStops())
        m_lowerLayout = Layout::SeparatorLine;
    else
        m_lowerLayout = !running || vertical ? Layout::StopsVertical : Layout::StopsRunning;
}

void FrontTabloWidget::runLayout(Layout layout, bool reset)
{
    switch (layout) {
    case Layout::None:
        break;
    case Layout::TwoLine:
    case Layout::Enlarged:
    case Layout::DestinationOnly:
    case Layout::UpperStill:
        pagedLayout(layout, reset);
        break;
    case Layout::StillLine:
        if (reset)
            drawStillLine();
        break;
    case Layout::RunningLine:
    case Layout::UpperRunning:
        if (reset)
            startRunningLine(layout == Layout::RunningLine ? rows : rows / 2);
        stepRunningLine();
        break;
    case Layout::StopsRunning:
        if (reset)
            startStops(0);
        stepRunningStops();
        break;
    case Layout::StopsVertical:
        if (reset)
            startStops(isAnimating() ? rows / 2 : 1);
        stepVerticalStops();
        break;
    case Layout::SeparatorLine:
        if (reset)
            drawSeparatorLine();
        break;
    }
}

int FrontTabloWidget::pageFrames() const
{
    return m_changeTimeMs / qMax(m_framePeriodMs, 1) - 1;
}

// Language pages: the layout stands for pageFrames() + 1 frames, then turns to the other
// language when there is one.
void FrontTabloWidget::pagedLayout(Layout layout, bool reset)
{
    if (reset) {
        m_pageCounter = pageFrames();
    } else if (m_changeTimeMs <= 0) {
        return;
    } else if (m_pageCounter > 0) {
        --m_pageCounter;
        return;
    } else {
        m_pageCounter = pageFrames();
        m_page = m_page == 1 || !hasSecondLanguage() ? 0 : 1;
    }
    drawPaged(layout);
}

void FrontTabloWidget::clearTextArea(int y, int h)
{
    setBackground(0);
    fillRect(m_textLeft, y, clipRight - m_textLeft, h);
}

void FrontTabloWidget::drawPaged(Layout layout)
{
    if (layout == Layout::UpperStill) {
        drawUpperLine();
        return;
    }
    clearTextArea(0, rows);
    if (layout == Layout::DestinationOnly)
        drawDestinationOnly();
    else if (layout == Layout::Enlarged && rows >= 20)
        drawEnlarged();
    else
        drawTwoLine();
}

// One line of the two-line layout. On 32-row boards a "_" splits it into two lines of the
// 8-row font, as the unit does.
void FrontTabloWidget::drawLineOfTwo(const QString &text, int line)
{
    const int top = line * (rows / 2);
    const bool centred = hasMode(RouteData::CenteredMode);
    setForeground(line == 0 ? m_line1Colour : m_line2Colour);
    const int split = text.indexOf(QLatin1Char('_'));
    if (rows < 32 || split < 0) {
        drawText(text, m_textLeft, top, lineFont(rows / 2, line), centred);
        return;
    }
    const TabloFont &font = lineFont(8, line);
    drawText(QStringView(text).left(split), m_textLeft, top, font, centred);
    drawText(QStringView(text).mid(split + 1), m_textLeft, top + 8, font, centred);
}

void FrontTabloWidget::drawTwoLine()
{
    drawLineOfTwo(firstText(m_page), 0);
    drawLineOfTwo(secondText(m_page), 1);
}

void FrontTabloWidget::drawEnlarged()
{
    const bool centred = hasMode(RouteData::CenteredMode);
    const TabloFont &small = rows >= 32 ? Font12 : rows >= 24 ? Font8Thin : lineFont(8, 0);
    const TabloFont &large = rows >= 32 ? Font20 : rows >= 24 ? Font16 : Font12;
    const int largeTop = rows >= 32 ? 12 : 8;
    setForeground(m_line1Colour);
    drawText(firstText(m_page), m_textLeft, 0, small, centred);
    setForeground(m_line2Colour);
    drawText(secondText(m_page), m_textLeft, largeTop, large, centred);
}

void FrontTabloWidget::drawDestinationOnly()
{
    const QString text = destinationOnlyText();
    const bool centred = hasMode(RouteData::CenteredMode);
    const QStringList parts = text.split(QLatin1Char('_'));
    const auto draw = [&](const QString &part, int y, const TabloFont &font, int colour) {
        setForeground(colour);
        drawText(part, m_textLeft, y, font, centred);
    };
    if (parts.size() == 1) {
        draw(text, 0, lineFont(rows, 0), m_line1Colour);
    } else if (rows < 32) {
        draw(parts.at(0), 0, lineFont(rows / 2, 0), m_line1Colour);
        draw(text.mid(parts.at(0).size() + 1), rows / 2, lineFont(rows / 2, 1), m_line2Colour);
    } else if (parts.size() == 2) {
        draw(parts.at(0), 0, Font16, m_line1Colour);
        draw(parts.at(1), 16, Font16, m_line2Colour);
    } else {
        // A fourth "_" and what follows stay in the last line.
        const QString last = text.section(QLatin1Char('_'), 3);
        draw(parts.at(0), 0, lineFont(8, 0), m_line1Colour);
        draw(parts.at(1), 8, lineFont(8, 0), m_line1Colour);
        draw(parts.at(2), 16, lineFont(8, 1), m_line2Colour);
        draw(last, 24, lineFont(8, 1), m_line2Colour);
    }
}

void FrontTabloWidget::drawStillLine()
{
    clearTextArea(0, rows);
    setForeground(m_line1Colour);
    drawText(composedLine(m_firstLanguage ? 1 : 0).mid(qMax(m_textOffset, 0)), m_textLeft, 0, lineFont(rows, 0));
}

void FrontTabloWidget::drawUpperLine()
{
    const bool staticMode = hasMode(RouteData::StaticMode);
    QString text = composedLine(m_page);
    if (!staticMode && !isAnimating())
        text = text.mid(qMax(m_textOffset, 0));
    clearTextArea(0, rows / 2);
    setForeground(m_line1Colour);
    drawText(text, m_textLeft, 0, lineFont(rows / 2, 0), staticMode && hasMode(RouteData::CenteredMode));
}

void FrontTabloWidget::drawSeparatorLine()
{
    clearTextArea(rows / 2, rows - rows / 2);
    setForeground(m_line2Colour);
    const bool centred = hasMode(RouteData::CenteredMode) && hasMode(RouteData::VerticalStationsMode);
    drawText(formatTabloDateTime(m_separator), m_textLeft, rows / 2, lineFont(rows / 2, 1), centred);
}

void FrontTabloWidget::startRunningLine(int h)
{
    m_line = TabloEffectState();
    m_line.text = composedLine(m_page);
    m_line.font = &lineFont(h, 0);
    m_line.x = m_textLeft;
    m_line.w = clipRight - m_textLeft;
    m_line.h = h;
}

// When a text has run in, the other language follows after a gap of half the board. The
// running line turns to language 2 only when that language has a starting point.
void FrontTabloWidget::stepRunningLine()
{
    setForeground(m_line1Colour);
    setBackground(0);
    if (!stepScroll(m_line))
        return;
    m_page = m_page == 1 || m_startingPoint[1].isEmpty() ? 0 : 1;
    m_line.text = composedLine(m_page);
    m_line.charIndex = 0;
    m_line.step = darkGapStep((cols - m_textLeft) / 2, m_line.h);
}

QString FrontTabloWidget::currentStop() const
{
    return m_stops[m_stopList].value(m_stopIndex);
}

void FrontTabloWidget::startStops(int firstStep)
{
    // A language without stops is passed over, so the line never runs empty.
    const int first = m_firstLanguage ? 1 : 0;
    m_stopList = m_stops[first].isEmpty() ? 1 - first : first;
    m_stopIndex = 0;
    m_showingSeparator = false;
    m_standFrames = 0;
    m_stopLine = TabloEffectState();
    m_stopLine.text = currentStop();
    m_stopLine.font = &lineFont(rows / 2, 1);
    m_stopLine.x = m_textLeft;
    m_stopLine.y = rows / 2;
    m_stopLine.w = clipRight - m_textLeft;
    m_stopLine.h = rows - rows / 2;
    m_stopLine.step = firstStep;
    m_stopLine.centred = hasMode(RouteData::CenteredMode) && hasMode(RouteData::VerticalStationsMode);
}

// Moves the stop line to its next text: the next stop, or after the last one the other
// language's list, with the separator (when there is one) shown once in between.
FrontTabloWidget::StopTransition FrontTabloWidget::nextStopItem()
{
    if (m_showingSeparator) {
        m_showingSeparator = false;
        m_stopLine.text = currentStop();
        return StopTransition::AfterSeparator;
    }
    if (++m_stopIndex < m_stops[m_stopList].size()) {
        m_stopLine.text = currentStop();
        return StopTransition::NextStop;
    }
    const int other = 1 - m_stopList;
    if (!m_stops[other].isEmpty())
        m_stopList = other;
    m_stopIndex = 0;
    if (m_separator.isEmpty()) {
        m_stopLine.text = currentStop();
        return StopTransition::NewList;
    }
    m_showingSeparator = true;
    m_stopLine.text = formatTabloDateTime(m_separator);
    return StopTransition::ToSeparator;
}

void FrontTabloWidget::stepRunningStops()
{
    setForeground(m_line2Colour);
    setBackground(0);
    if (!stepScroll(m_stopLine))
        return;
    m_stopLine.step = darkGapStep(nextStopItem() == StopTransition::NewList ? listGap : stopGap, m_stopLine.h);
    m_stopLine.charIndex = 0;
}

// Each text rises in, stands, and is pushed out upwards by the next one; after a list without
// separator the board stays empty for twice as long.
void FrontTabloWidget::stepVerticalStops()
{
    if (m_standFrames > 0) {
        --m_standFrames;
        return;
    }
    if (m_stopLine.step <= 0)
        m_stopLine.step = nextStopItem() == StopTransition::NewList ? 2 * rows : rows;
    setForeground(m_line2Colour);
    setBackground(0);
    stepSlideUp(m_stopLine);
    if (m_stopLine.step == 0)
        m_standFrames = m_stopTimeMs / qMax(m_framePeriodMs, 1) - 1;
}
