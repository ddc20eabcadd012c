#pragma once

#include <QStringView>
#include <QtGlobal>

#include <array>

// An LED board font: fixed height, proportional, left-aligned dot glyphs in constant
// tables. Glyph i takes `rows` row units from unit i * rows, top row first; a unit is a
// byte when bitWidth is 8 and a little-endian 16-bit word when it is 16, and dot column c
// of a row is bit (bitWidth - 1 - c).
struct TabloFont
{
    const char *name;
    const uchar *bitmap;
    int bitWidth;
    int rows;
    int glyphCount;
    int (*charToGlyph)(char16_t code);
    // Drawn columns of every glyph, kept beside the bitmap so that measuring a text
    // reads one byte per character.
    const uchar *widths;
    int bitmapSize;
};

// How much of a glyph is drawn (columns from the cell's left edge to its rightmost
// lit dot) and how far the text moves on after it.
struct TabloGlyphWidth
{
    int columns;
    int advance;
};

// The eight text fonts, each with the same 416 glyphs (textFontGlyph).
extern const TabloFont Font32;
extern const TabloFont Font20;
extern const TabloFont Font16;
extern const TabloFont Font12;
extern const TabloFont Font10Bold;
extern const TabloFont Font10Thin;
extern const TabloFont Font8Bold;
extern const TabloFont Font8Thin;

// The route-number fonts, with the ten digits only (digitFontGlyph).
extern const TabloFont Digits16;
extern const TabloFont Digits20;
extern const TabloFont Digits24;
extern const TabloFont Digits32;

// Glyph of a UTF-16 code unit in the text fonts, or -1 when they have none; line feed and
// carriage return draw as the blank, and the numero sign shares glyph 105 with U+00B9.
int textFontGlyph(char16_t code);

// Glyph of a code unit in the digit fonts: "0" to "9" give 0 to 9, anything else -1.
int digitFontGlyph(char16_t code);

// The bits of one row of a glyph, leftmost dot in bit bitWidth - 1.
int glyphRow(const TabloFont &font, int glyphIndex, int row);

// Drawn columns and advance of a glyph; a blank glyph draws nothing and advances 4 dots in
// 8-bit fonts and 6 in 16-bit ones, and glyph -1 (an unmapped character) takes no room.
TabloGlyphWidth glyphWidth(const TabloFont &font, int glyphIndex);

// Width of a text in dots: the advances of its characters without the gap after the last.
int textWidth(const TabloFont &font, QStringView text);

// The text font for a board line of the given height in dots; bold only matters for
// lines under 12 dots.
const TabloFont &fontForHeight(int height, bool bold);

// All twelve fonts, the text fonts from the largest down, then the digit fonts.
const std::array<const TabloFont *, 12> &allTabloFonts();

// The font called name ("Font32", "Digits16"…, in any letter case), or nullptr.
const TabloFont *tabloFontByName(QStringView name);
