#include "tablowidget.h"

#include <QColor>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>

namespace {

// Real boards are at most a few hundred dots wide; anything beyond this is a wrong value,
// and taking it as given would ask for gigabytes.
constexpr int maxBoardSide = 4096;

int boardSide(int value)
{
    return value == std::numeric_limits<int>::min() ? maxBoardSide : std::min(std::abs(value), maxBoardSide);
}

} // namespace

TabloWidget::TabloWidget(QWidget *parent)
    : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

TabloWidget::~TabloWidget() = default;

void TabloWidget::setBoardSize(int newCols, int newRows)
{
    newCols = boardSide(newCols);
    newRows = boardSide(newRows);
    if (newCols == cols && newRows == rows)
        return;
    pixels.reset();
    columnBuffer.reset();
    cols = newCols;
    rows = newRows;
    if (cols * rows != 0) {
        pixels.reset(new int[size_t(cols) * size_t(rows)]());
        columnBuffer.reset(new int[size_t(rows) * size_t(rows)]());
    }
    clippedRows.assign(size_t(rows), false);
    resetClip();
    updateGeometry();
}

int TabloWidget::dot(int col, int row) const
{
    if (!pixels || col < 0 || col >= cols || row < 0 || row >= rows)
        return 0;
    return pixels[row * cols + col];
}

void TabloWidget::resetClip()
{
    clipLeft = 0;
    clipTop = 0;
    clipRight = cols;
    clipBottom = rows;
}

void TabloWidget::setClipLeft(int x)
{
    clipLeft = qBound(0, x, cols);
}

void TabloWidget::setClipTop(int y)
{
    clipTop = qBound(0, y, rows);
}

void TabloWidget::setClipRight(int x)
{
    clipRight = qBound(0, x, cols);
}

void TabloWidget::setClipBottom(int y)
{
    clipBottom = qBound(0, y, rows);
}

void TabloWidget::setForeground(int rgb)
{
    foreground = rgb & 0xffffff;
}

void TabloWidget::setBackground(int rgb)
{
    background = rgb & 0xffffff;
}

QRect TabloWidget::boardRegion(int x, int y, int w, int h) const
{
    // 64-bit edges, so that a huge width cannot wrap around into the board.
    const qint64 left = qMax<qint64>(x, 0);
    const qint64 top = qMax<qint64>(y, 0);
    const qint64 right = qMin<qint64>(qint64(x) + w, cols);
    const qint64 bottom = qMin<qint64>(qint64(y) + h, rows);
    if (!pixels || right <= left || bottom <= top)
        return QRect();
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

void TabloWidget::fillRect(int x, int y, int w, int h)
{
    const QRect region = boardRegion(qMax(x, 0), qMax(y, 0), w, h);
    for (int row = region.top(); row <= region.bottom(); ++row) {
        int *line = pixels.get() + row * cols;
        std::fill(line + region.left(), line + region.left() + region.width(), background);
    }
}

void TabloWidget::clearBoard()
{
    fillRect(0, 0, cols, rows);
    forgetClippedText();
}

void TabloWidget::forgetClippedText()
{
    std::fill(clippedRows.begin(), clippedRows.end(), false);
}

bool TabloWidget::textClipped(int top, int bottom) const
{
    const auto first = clippedRows.begin() + qBound(0, top, rows);
    const auto last = clippedRows.begin() + qBound(0, bottom, rows);
    return first < last && std::find(first, last, true) != last;
}

void TabloWidget::markClipped(int y, int height)
{
    const int first = qMax(y, clipTop);
    const int last = int(qMin<qint64>(qint64(y) + height, clipBottom));
    for (int row = first; row < last; ++row)
        clippedRows[size_t(row)] = true;
}

void TabloWidget::clearColumnBuffer()
{
    if (columnBuffer)
        std::fill(columnBuffer.get(), columnBuffer.get() + rows * rows, 0);
}

int TabloWidget::drawText(QStringView text, int x, int y, const TabloFont &font, bool centred)
{
    if (!pixels || text.isEmpty())
        return x;
    if (centred) {
        const int width = textWidth(font, text);
        if (width < clipRight - x)
            x += (clipRight - x - width) / 2;
    }
    bool clipped = false;
    for (const QChar character : text) {
        if (x >= clipRight) {
            clipped = true;
            break;
        }
        const int glyphIndex = font.charToGlyph(character.unicode());
        if (glyphIndex < 0)
            continue;
        const TabloGlyphWidth width = glyphWidth(font, glyphIndex);
        clipped = clipped || x + width.columns > clipRight;
        drawGlyph(font, glyphIndex, width.columns, x, y);
        x += width.advance;
    }
    if (clipped)
        markClipped(y, font.rows);
    return x;
}

void TabloWidget::drawGlyph(const TabloFont &font, int glyphIndex, int columns, int x, int y)
{
    const int firstRow = qMax(clipTop - y, 0);
    const int lastRow = qMin(clipBottom - y, font.rows);
    const int firstColumn = qMax(clipLeft - x, 0);
    const int lastColumn = qMin(clipRight - x, columns);
    for (int k = firstRow; k < lastRow; ++k) {
        const int bits = glyphRow(font, glyphIndex, k);
        int *line = pixels.get() + (y + k) * cols;
        for (int c = firstColumn; c < lastColumn; ++c) {
            if (bits & (1 << (font.bitWidth - 1 - c)))
                line[x + c] = foreground;
        }
    }
}

int TabloWidget::drawToColumnBuffer(QChar character, int y, const TabloFont &font)
{
    const int glyphIndex = font.charToGlyph(character.unicode());
    if (!columnBuffer || glyphIndex < 0)
        return 0;
    const TabloGlyphWidth width = glyphWidth(font, glyphIndex);
    // The strip is only rows wide: on a board lower than a glyph cell the glyph is cut there.
    const int columns = qMin(width.columns, rows);
    if (columns < width.columns)
        markClipped(y, font.rows);
    const int firstRow = qMax(clipTop - y, 0);
    const int lastRow = qMin(clipBottom - y, font.rows);
    for (int k = firstRow; k < lastRow; ++k) {
        const int bits = glyphRow(font, glyphIndex, k);
        int *line = columnBuffer.get() + (y + k) * rows;
        for (int c = 0; c < rows; ++c)
            line[c] = c < columns && (bits & (1 << (font.bitWidth - 1 - c))) ? foreground : background;
    }
    return width.advance;
}

void TabloWidget::scrollLeftOne(int x, int y, int w, int h)
{
    const QRect region = boardRegion(x, y, w, h);
    for (int row = region.top(); row <= region.bottom(); ++row) {
        int *line = pixels.get() + row * cols + region.left();
        int *strip = columnBuffer.get() + row * rows;
        std::memmove(line, line + 1, size_t(region.width() - 1) * sizeof(int));
        line[region.width() - 1] = strip[0];
        std::memmove(strip, strip + 1, size_t(rows - 1) * sizeof(int));
        strip[rows - 1] = background;
    }
}

void TabloWidget::scrollUpOne(int x, int y, int w, int h)
{
    const QRect region = boardRegion(x, y, w, h);
    if (region.isEmpty())
        return;
    for (int row = region.top(); row < region.bottom(); ++row) {
        int *line = pixels.get() + row * cols + region.left();
        std::memcpy(line, line + cols, size_t(region.width()) * sizeof(int));
    }
    int *bottom = pixels.get() + region.bottom() * cols + region.left();
    std::fill(bottom, bottom + region.width(), background);
}

int TabloWidget::fullBrightness(int rgb)
{
    const QColor colour = QColor(QRgb(rgb)).toHsv();
    return int(QColor::fromHsv(colour.hsvHue(), colour.hsvSaturation(), 255, 255).rgb() & 0xffffff);
}

bool TabloWidget::stepScroll(TabloEffectState &state)
{
    // A running text passes every column through the region's right edge, unless the region has
    // none.
    if (state.charIndex < state.text.size() && boardRegion(state.x, state.y, state.w, state.h).isEmpty())
        markClipped(state.y, state.h);
    scrollLeftOne(state.x, state.y, state.w, state.h);
    if (state.step > 0) {
        --state.step;
        return false;
    }
    while (state.charIndex < state.text.size()) {
        const QChar character = state.text.at(state.charIndex++);
        const int advance = state.font ? drawToColumnBuffer(character, state.y, *state.font) : 0;
        if (advance > 0) {
            // Letters on a 32-row line get a two-dot gap, as the large boards show them.
            state.step = state.h == 32 ? advance : advance - 1;
            return false;
        }
    }
    return true;
}

bool TabloWidget::stepSlideUp(TabloEffectState &state)
{
    if (!pixels || state.step <= 0)
        return true;
    scrollUpOne(state.x, state.y, state.w, state.h);
    if (state.step <= state.h && state.font) {
        const int top = clipTop;
        const int bottom = clipBottom;
        setClipTop(state.y);
        setClipBottom(state.y + state.h);
        drawText(state.text, state.x, state.y + state.step - 1, *state.font, state.centred);
        clipTop = top;
        clipBottom = bottom;
    }
    --state.step;
    return false;
}

int TabloWidget::pitchFor(const QSize &size, int edge, int largest) const
{
    int pitch = (size.width() - 2 * edge) / cols;
    if (size.height() < 2 * edge + rows * pitch)
        pitch = (size.height() - 2 * edge) / rows;
    return qMin(pitch, largest);
}

// The dots lie on whole pixels of the device: on a screen scaled by 1.25 a pitch of whole
// logical pixels would give dots of two sizes, so the board is laid out in device pixels.
void TabloWidget::paintDots(QPainter &painter, const QSize &size) const
{
    if (!pixels)
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const int edge = qRound(margin * ratio);
    const int pitch = pitchFor((QSizeF(size) * ratio).toSize(), edge, qRound(maxPitch * ratio));
    if (pitch <= 0)
        return;
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    painter.fillRect(0, 0, 2 * edge + cols * pitch, 2 * edge + rows * pitch, Qt::black);
    // A dark line between dots once they are large enough to spare one.
    const int dotSize = pitch > 2 ? pitch - 1 : pitch;
    painter.setPen(Qt::NoPen);
    // Dots of one colour go to the painter in batches: one call per dot costs more than the
    // dot itself on a board of thousands of LEDs.
    QRect batch[256];
    int batched = 0;
    int brushColour = 0;
    for (int row = 0; row < rows; ++row) {
        const int *line = pixels.get() + row * cols;
        for (int col = 0; col < cols; ++col) {
            const int colour = line[col];
            if (colour == 0)
                continue;
            if (colour != brushColour || batched == int(std::size(batch))) {
                painter.drawRects(batch, batched);
                batched = 0;
            }
            if (colour != brushColour) {
                painter.setBrush(QColor(QRgb(colour)));
                brushColour = colour;
            }
            batch[batched++] = QRect(edge + col * pitch, edge + row * pitch, dotSize, dotSize);
        }
    }
    painter.drawRects(batch, batched);
    painter.restore();
}

QSize TabloWidget::maxPitchSize() const
{
    return QSize(2 * margin + cols * maxPitch, 2 * margin + rows * maxPitch);
}

QSize TabloWidget::sizeHint() const
{
    return QSize(2 * margin + 2 * cols, 2 * margin + 2 * rows);
}

int TabloWidget::heightForWidth(int width) const
{
    if (cols == 0)
        return 0;
    const int pitch = qBound(0, (width - 2 * margin) / cols, maxPitch);
    return 2 * margin + pitch * rows;
}

bool TabloWidget::hasHeightForWidth() const
{
    return true;
}

void TabloWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintDots(painter, size());
}
