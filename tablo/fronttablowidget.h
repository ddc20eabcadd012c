#pragma once

#include "tabloeffectstate.h"
#include "tablowidget.h"

#include <QBasicTimer>
#include <QString>
#include <QStringList>

#include <array>

// The preview of one outside board (front, side or back): route number at the left, starting
// point and destination in the layout of the board's mode, optional coloured side strips and,
// on the side board, a running or rising list of stops and a date-and-time line. A click starts
// and stops the animation; a right click asks for the board-type menu.
class FrontTabloWidget : public TabloWidget
{
    Q_OBJECT

public:
    explicit FrontTabloWidget(QWidget *parent = nullptr);

    // The board type 0 ... 11 (FrontTabloType): size and side strips. Other values are ignored.
    void setType(int type);
    int type() const { return m_boardType; }

    // The setters only store; refresh() shows the result.
    void setNumber(const QString &text) { m_number = text; }
    QString number() const { return m_number; }
    // Texts per language, 0 for the first and 1 for the second; other languages are ignored.
    void setStartingPoint(int language, const QString &text);
    QString startingPoint(int language) const;
    void setDestination(int language, const QString &text);
    QString destination(int language) const;
    // The date-and-time template shown after the stop list.
    void setSeparator(const QString &text) { m_separator = text; }
    QString separator() const { return m_separator; }
    // Stop names of a language for the side board's stop line.
    void setStops(int language, const QStringList &stops);
    QStringList stops(int language) const;
    // RouteData::ModeBit bits: static, only destination, stops vertically, centred, enlarged.
    void setMode(int bits) { m_mode = bits; }
    int mode() const { return m_mode; }
    // Bit 0: line 1 in the thick font; bit 1: line 2 in the thick font.
    void setFontBits(int bits) { m_fontBits = bits; }
    int fontBits() const { return m_fontBits; }
    // Colours as 0xRRGGBB, kept at full brightness as the LEDs show them.
    void setNumberColour(int rgb) { m_numberColour = fullBrightness(rgb); }
    int numberColour() const { return m_numberColour; }
    void setLine1Colour(int rgb) { m_line1Colour = fullBrightness(rgb); }
    int line1Colour() const { return m_line1Colour; }
    void setLine2Colour(int rgb) { m_line2Colour = fullBrightness(rgb); }
    int line2Colour() const { return m_line2Colour; }
    // Side-strip lamp codes 0 ... 7 (bit 2 red, bit 1 green, bit 0 blue; 3 and 5 show dark).
    void setLeftStrip(int code) { m_leftStrip = code; }
    int leftStrip() const { return m_leftStrip; }
    void setRightStrip(int code) { m_rightStrip = code; }
    int rightStrip() const { return m_rightStrip; }
    // Milliseconds between language pages, and how long a stop stands in the rising stop line.
    void setChangeTime(int ms) { m_changeTimeMs = ms; }
    int changeTime() const { return m_changeTimeMs; }
    void setStopTime(int ms) { m_stopTimeMs = ms; }
    int stopTime() const { return m_stopTimeMs; }
    // The language shown first: false for language 1, true for language 2.
    void setFirstLanguage(bool second) { m_firstLanguage = second; }
    bool firstLanguage() const { return m_firstLanguage; }
    // Whether the starting point comes first (line 1, or left of " - ").
    void setStartFirst(bool first) { m_startFirst = first; }
    bool startFirst() const { return m_startFirst; }
    // Characters hidden at the left of the still single line, so an edit cursor stays in view.
    void setTextOffset(int characters) { m_textOffset = characters; }
    int textOffset() const { return m_textOffset; }
    // While the separator is being edited the side board shows it in place of the stops.
    void setSeparatorFocus(bool focus) { m_separatorFocus = focus; }
    bool separatorFocus() const { return m_separatorFocus; }

    // The language page shown (0 or 1), and where texts start after the strip and the number.
    int page() const { return m_page; }
    int textLeft() const { return m_textLeft; }
    // Milliseconds per animation frame: the timer's period once the animation has started.
    int framePeriod() const { return m_framePeriodMs; }
    bool isAnimating() const { return m_timer.isActive(); }

    // What the frames since the last reset cut: some columns of the route number, of a route
    // text of language (a starting point or destination, alone or with the other on one line),
    // or of a text of the stop line (a stop or the separator). A running text is cut only when
    // it has no room to run.
    bool numberCut() const { return m_numberCut; }
    bool routeTextCut(int language) const;
    bool stopLineCut() const { return m_stopLineCut; }

    // Redraws the board from the start and schedules a repaint.
    void refresh();
    // Starts the animation when the board has something to animate; redraws either way.
    void startAnimation();
    // Stops a running animation and shows the still board.
    void stopAnimation();
    // Draws one frame into the dot buffer: the whole board when reset, else the next step of
    // the animation, as each timer tick does (without the repaint).
    void frame(bool reset);

signals:
    // A right click: the route page shows the board-type menu.
    void contextMenuRequested();

protected:
    void timerEvent(QTimerEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // What one area of the board shows, chosen on every reset frame.
    enum class Layout {
        None,
        TwoLine,
        Enlarged,
        DestinationOnly,
        StillLine,
        RunningLine,
        UpperStill,
        UpperRunning,
        StopsRunning,
        StopsVertical,
        SeparatorLine,
    };
    // How the stop line moves on to its next text.
    enum class StopTransition { NextStop, ToSeparator, AfterSeparator, NewList };

    bool hasMode(int bit) const { return (m_mode & bit) != 0; }
    bool hasStops() const;
    bool hasSecondLanguage() const;
    const TabloFont &lineFont(int height, int line) const;
    QString firstText(int language) const;
    QString secondText(int language) const;
    QString composedLine(int language) const;
    bool stacksLanguages() const;
    QString destinationOnlyText() const;

    void drawBoardFrame();
    void noteCuts();
    void drawStrips();
    void fillStrip(int code, int x);
    void drawNumber();
    void chooseLayouts();
    Layout singleLayout() const;
    void chooseSideLayouts();
    void runLayout(Layout layout, bool reset);
    int pageFrames() const;
    void pagedLayout(Layout layout, bool reset);
    void clearTextArea(int y, int h);
    void drawPaged(Layout layout);
    void drawLineOfTwo(const QString &text, int line);
    void drawTwoLine();
    void drawEnlarged();
    void drawDestinationOnly();
    void drawStillLine();
    void drawUpperLine();
    void drawSeparatorLine();

    void startRunningLine(int h);
    void stepRunningLine();
    QString currentStop() const;
    void startStops(int firstStep);
    StopTransition nextStopItem();
    void stepRunningStops();
    void stepVerticalStops();
    int animationPeriod() const;

    int m_boardType = -1;
    QString m_number;
    std::array<QString, 2> m_startingPoint;
    std::array<QString, 2> m_destination;
    QString m_separator;
    std::array<QStringList, 2> m_stops;
    int m_mode = 0;
    int m_fontBits = 0;
    int m_numberColour = 0xffffff;
    int m_line1Colour = 0xffffff;
    int m_line2Colour = 0xffffff;
    int m_leftStrip = 0;
    int m_rightStrip = 0;
    int m_changeTimeMs = 4000;
    int m_stopTimeMs = 3000;
    bool m_firstLanguage = false;
    bool m_startFirst = true;
    int m_textOffset = 0;
    bool m_separatorFocus = false;
    int m_framePeriodMs = 16;
    int m_stripWidth = 0;
    int m_stripGap = 0;
    bool m_stripsAlways = false;
    bool m_numberOnly = false;
    int m_textLeft = 0;
    int m_page = 0;
    bool m_numberCut = false;
    std::array<bool, 2> m_routeTextCut{};
    bool m_stopLineCut = false;

    QBasicTimer m_timer;
    // Set by a context menu, so that the button release that follows does not toggle the
    // animation.
    bool m_afterContextMenu = false;
    Layout m_mainLayout = Layout::None;
    Layout m_lowerLayout = Layout::None;
    int m_pageCounter = 0;
    // The running line (whole board or upper half) and the stop line (lower half).
    TabloEffectState m_line;
    TabloEffectState m_stopLine;
    int m_stopList = 0;
    int m_stopIndex = 0;
    bool m_showingSeparator = false;
    int m_standFrames = 0;
};
