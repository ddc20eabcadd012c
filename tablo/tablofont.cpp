#include "tablofont.h"

#include "tablofontdata.h"

#include <QLatin1String>

namespace {

constexpr int textGlyphCount = 416;
constexpr int digitGlyphCount = 10;

// A run of code units drawn by consecutive glyphs, starting at glyph `glyph`.
struct GlyphRange
{
    char16_t first;
    char16_t last;
    int glyph;
};

// Basic Latin and the Russian alphabet come first: board texts are nearly all made of them.
constexpr GlyphRange textRanges[] = {
    {0x0020, 0x007F, 0},   {0x0400, 0x045F, 240}, {0x00B0, 0x00BF, 96},  {0x0100, 0x017F, 112},
    {0x0490, 0x04BF, 336}, {0x04D0, 0x04EF, 384}, {0x000A, 0x000A, 0},   {0x000D, 0x000D, 0},
    {0x2116, 0x2116, 105},
};

constexpr TabloFont makeFont(const char *name, const uchar *bitmap, int bitWidth, int rows, int glyphCount,
                         const uchar *widths, int bitmapSize)
{
    return {name,
            bitmap,
            bitWidth,
            rows,
            glyphCount,
            glyphCount == textGlyphCount ? textFontGlyph : digitFontGlyph,
            widths,
            bitmapSize};
}

// The room a glyph takes: its drawn columns and a one-dot gap, or a fixed blank.
int advance(const TabloFont &font, int glyphIndex)
{
    const int columns = font.widths[glyphIndex];
    if (columns > 0)
        return columns + 1;
    return font.bitWidth == 8 ? 4 : 6;
}

} // namespace

using namespace TabloFontData;

const TabloFont Font32 = makeFont("Font32", font32Bitmap, 16, 32, textGlyphCount, font32Widths, font32BitmapSize);
const TabloFont Font20 = makeFont("Font20", font20Bitmap, 16, 20, textGlyphCount, font20Widths, font20BitmapSize);
const TabloFont Font16 = makeFont("Font16", font16Bitmap, 16, 16, textGlyphCount, font16Widths, font16BitmapSize);
const TabloFont Font12 = makeFont("Font12", font12Bitmap, 8, 12, textGlyphCount, font12Widths, font12BitmapSize);
const TabloFont Font10Bold =
    makeFont("Font10Bold", font10BoldBitmap, 8, 10, textGlyphCount, font10BoldWidths, font10BoldBitmapSize);
const TabloFont Font10Thin =
    makeFont("Font10Thin", font10ThinBitmap, 8, 10, textGlyphCount, font10ThinWidths, font10ThinBitmapSize);
const TabloFont Font8Bold =
    makeFont("Font8Bold", font8BoldBitmap, 8, 8, textGlyphCount, font8BoldWidths, font8BoldBitmapSize);
const TabloFont Font8Thin =
    makeFont("Font8Thin", font8ThinBitmap, 8, 8, textGlyphCount, font8ThinWidths, font8ThinBitmapSize);
const TabloFont Digits16 =
    makeFont("Digits16", digits16Bitmap, 16, 16, digitGlyphCount, digits16Widths, digits16BitmapSize);
const TabloFont Digits20 =
    makeFont("Digits20", digits20Bitmap, 16, 20, digitGlyphCount, digits20Widths, digits20BitmapSize);
const TabloFont Digits24 =
    makeFont("Digits24", digits24Bitmap, 16, 24, digitGlyphCount, digits24Widths, digits24BitmapSize);
const TabloFont Digits32 =
    makeFont("Digits32", digits32Bitmap, 16, 32, digitGlyphCount, digits32Widths, digits32BitmapSize);

int textFontGlyph(char16_t code)
{
    for (const GlyphRange &range : textRanges) {
        if (code >= range.first && code <= range.last)
            return range.glyph + (code - range.first);
    }
    return -1;
}

int digitFontGlyph(char16_t code)
{
    return code >= u'0' && code <= u'9' ? code - u'0' : -1;
}

int glyphRow(const TabloFont &font, int glyphIndex, int row)
{
    const int unit = glyphIndex * font.rows + row;
    if (font.bitWidth == 8)
        return font.bitmap[unit];
    return font.bitmap[2 * unit] | font.bitmap[2 * unit + 1] << 8;
}

TabloGlyphWidth glyphWidth(const TabloFont &font, int glyphIndex)
{
    if (glyphIndex < 0 || glyphIndex >= font.glyphCount)
        return {0, 0};
    return {font.widths[glyphIndex], advance(font, glyphIndex)};
}

int textWidth(const TabloFont &font, QStringView text)
{
    int width = 0;
    for (const QChar character : text) {
        const int glyphIndex = font.charToGlyph(character.unicode());
        if (glyphIndex >= 0)
            width += advance(font, glyphIndex);
    }
    return width > 0 ? width - 1 : 0;
}

const TabloFont &fontForHeight(int height, bool bold)
{
    if (height >= 32)
        return Font32;
    if (height >= 20)
        return Font20;
    if (height >= 16)
        return Font16;
    if (height >= 12)
        return Font12;
    if (height >= 10)
        return bold ? Font10Bold : Font10Thin;
    return bold ? Font8Bold : Font8Thin;
}

const std::array<const TabloFont *, 12> &allTabloFonts()
{
    static const std::array<const TabloFont *, 12> fonts{&Font32,   &Font20,   &Font16,    &Font12,
                                                         &Font10Bold, &Font10Thin, &Font8Bold, &Font8Thin,
                                                         &Digits16, &Digits20, &Digits24,  &Digits32};
    return fonts;
}

const TabloFont *tabloFontByName(QStringView name)
{
    for (const TabloFont *font : allTabloFonts()) {
        if (name.compare(QLatin1String(font->name), Qt::CaseInsensitive) == 0)
            return font;
    }
    return nullptr;
}
