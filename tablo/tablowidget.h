#pragma once

#include "tabloeffectstate.h"
#include "tablofont.h"

#include <QStringView>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;

// A dot-matrix LED board: a buffer of one colour per LED, drawing operations on it (fills,
// text in the LED fonts, one-dot scrolls), the per-frame steps of the running line and the
// slide-up, and a painting of the buffer as a black panel with square dots. The board
// previews derive from it and decide what is drawn when.
class TabloWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TabloWidget(QWidget *parent = nullptr);
    ~TabloWidget() override;

    // Gives the board cols x rows dots (signs ignored), all dark, and the whole board as
    // clip; the same size again keeps the dots. An empty size leaves no buffers.
    void setBoardSize(int cols, int rows);
    // The board in dots, (0, 0) before the first setBoardSize.
    QSize boardSize() const { return QSize(cols, rows); }
    // The colour of the dot at (col, row) as 0xRRGGBB, 0 when dark or outside the board.
    int dot(int col, int row) const;
    // The dots row by row, leftmost first, or null while the board is empty.
    const int *dots() const { return pixels.get(); }

    // The clip that text drawing keeps to: the whole board, or edges clamped to the board
    // (right and bottom exclusive).
    void resetClip();
    void setClipLeft(int x);
    void setClipTop(int y);
    void setClipRight(int x);
    void setClipBottom(int y);
    QRect clipRect() const { return QRect(clipLeft, clipTop, clipRight - clipLeft, clipBottom - clipTop); }

    // Colour of text dots, and colour written by fills and scroll-ins (0 = dark); 0xRRGGBB.
    void setForeground(int rgb);
    void setBackground(int rgb);

    // Sets the dots of the rectangle to the background; negative x or y count as 0 without
    // shortening it, and it is cut at the board's right and bottom edges, not at the clip.
    void fillRect(int x, int y, int w, int h);
    void clearBoard();
    // Empties the staging strip of the running line.
    void clearColumnBuffer();

    // Draws text with its glyph tops on row y in the foreground, over what is there, keeping to
    // the clip; centred moves it to the middle between x and the clip's right edge when it
    // fits. Returns the x after the last glyph drawn.
    int drawText(QStringView text, int x, int y, const TabloFont &font, bool centred = false);
    // Whether a text drawn or set running since the board was last cleared lost columns in rows
    // top ... bottom - 1: cut at the clip's edge, or given no room to run.
    bool textClipped(int top, int bottom) const;
    // Forgets the texts clipped so far, as clearing the board does.
    void forgetClippedText();
    // Draws the glyph of character at the left of the running line's staging strip, glyph top on
    // row y; its dark dots and the rest of those strip rows become background. Returns the
    // glyph's advance, 0 when the character has no glyph.
    int drawToColumnBuffer(QChar character, int y, const TabloFont &font);

    // Moves the region's dots one column left; the rightmost column comes from the staging strip.
    void scrollLeftOne(int x, int y, int w, int h);
    // Moves the region's dots one row up; the bottom row becomes background.
    void scrollUpOne(int x, int y, int w, int h);

    // rgb (0xRRGGBB) at full brightness with its hue and saturation kept: how a board shows any
    // colour the user picks. Greys and black become white.
    static int fullBrightness(int rgb);

    // One frame of a running line over the state's region; true once all its characters have
    // entered the strip (the caller then lets the text run out by setting step).
    bool stepScroll(TabloEffectState &state);
    // One frame of a text rising from the bottom of the state's region, step rows below its
    // rest; true when it has arrived (step 0).
    bool stepSlideUp(TabloEffectState &state);

    // Paints the board into the top-left of a surface of the given size: black panel, one
    // square per lit dot, dots as large as fit up to maxPitch apart.
    void paintDots(QPainter &painter, const QSize &size) const;
    // The size the painting takes at the largest pitch.
    QSize maxPitchSize() const;

    QSize sizeHint() const override;
    int heightForWidth(int width) const override;
    bool hasHeightForWidth() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

    // One entry per LED, row-major: 0 dark, else 0xRRGGBB.
    std::unique_ptr<int[]> pixels;
    // The running line's staging strip, rows x rows: row r enters board row r from the right.
    std::unique_ptr<int[]> columnBuffer;
    int cols = 0;
    int rows = 0;
    // Black border around the dots, in screen pixels.
    int margin = 2;
    int clipLeft = 0;
    int clipTop = 0;
    int clipRight = 0;
    int clipBottom = 0;
    int background = 0;
    int foreground = 0;
    // Largest distance between dot centres on screen, in pixels.
    int maxPitch = 4;

private:
    void drawGlyph(const TabloFont &font, int glyphIndex, int columns, int x, int y);
    // The part of a region that lies on the board; empty when none does.
    QRect boardRegion(int x, int y, int w, int h) const;
    // The dot pitch that fits size, each edge of the board edge wide, at most largest.
    int pitchFor(const QSize &size, int edge, int largest) const;
    // Records that a text with glyph tops on row y lost columns, in the rows it covers inside
    // the clip.
    void markClipped(int y, int height);

    // One entry per board row: a text in that row lost columns.
    std::vector<bool> clippedRows;
};
