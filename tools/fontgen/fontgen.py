#!/usr/bin/python3
"""Builds the LED board fonts of Marvolt and writes them as C++ tables.

Usage: fontgen.py [--output-dir DIR] [--specimen PNG]

Without arguments the tables go to tablo/ of this source tree. --specimen also draws
every glyph of every font, enlarged, into a PNG sheet for checking them by eye.
Run it with Debian's /usr/bin/python3 (it needs python3-pil for the digit fonts); the
source fonts it reads are listed in README.md."""

import argparse
import os
import unicodedata

import corrections
import digitfonts
import glyphs
import tablewriter
from pcffont import PcfFont
from specimen import write_specimen

TERMINUS = '/usr/share/fonts/X11/misc/ter-u{}_unicode.pcf.gz'


def text_slot_codes():
    """The code point drawn by each of the 416 glyph slots of a text font, in table order."""
    ranges = [(0x20, 0x80), (0xB0, 0xC0), (0x100, 0x180), (0x400, 0x460), (0x490, 0x4C0), (0x4D0, 0x4F0)]
    codes = [code for first, end in ranges for code in range(first, end)]
    codes[105] = 0x2116  # the slot of U+00B9 holds the numero sign, which boards need far more
    return codes


class TextFont:
    """One text font being built: a glyph (list of rows) per slot code, plus its metrics.

    cap_top and baseline are the rows of a capital's top and bottom; a mark composed
    onto a capital that has no room above it squeezes the capital within them."""

    def __init__(self, name, rows, bit_width, cap_top, baseline):
        self.name = name
        self.rows = rows
        self.bit_width = bit_width
        self.cap_top = cap_top
        self.baseline = baseline
        self.glyphs = {}
        self.pending_marks = []


def source_glyph(source, code, top, rows):
    """The source glyph cut to the window of rows, squeezed when its ink reaches above it.

    Returns None when the source lacks the code or when the glyph is an accented capital
    taller than the window, which is better composed from its base letter and a mark."""
    if code not in source.glyphs:
        return None
    cell = source.glyphs[code]
    span = glyphs.ink_rows(cell)
    if not span or span[0] >= top:
        return glyphs.crop_rows(cell, top, rows)
    if composable(code) and unicodedata.category(chr(code)) == 'Lu':
        return None
    extent = glyphs.crop_rows(cell, span[0], top + rows - span[0])
    return glyphs.delete_rows(extent, top - span[0], 0, len(extent) - 1)


def composable(code):
    base, mark = decomposition(code)
    return base is not None and mark in corrections.MARKS


def decomposition(code):
    parts = unicodedata.decomposition(chr(code)).split()
    if len(parts) != 2 or parts[0].startswith('<'):
        return None, None
    return int(parts[0], 16), int(parts[1], 16)


def load_window(font, source, top, codes, rows):
    for code in codes:
        glyph = source_glyph(source, code, top, rows)
        if glyph is None and code in source.glyphs:
            font.pending_marks.append(code)
        font.glyphs[code] = glyph if glyph is not None else glyphs.blank(rows)


def apply_corrections(font, table):
    for char, correction in table.items():
        code = ord(char)
        glyph = font.glyphs[code]
        font.glyphs[code] = correction(font, glyph) if callable(correction) else drawn(font, correction)
        if code in font.pending_marks:
            font.pending_marks.remove(code)


def drawn(font, text):
    """A hand-drawn glyph; rows left out at the bottom are dark."""
    rows = glyphs.art(text)
    if len(rows) > font.rows:
        raise ValueError('%s: a hand-drawn glyph has %d rows' % (font.name, len(rows)))
    return rows + glyphs.blank(font.rows - len(rows), len(rows[0]))


def compose_marks(font):
    """Draws each pending accented capital as its base letter, one row shorter, under a
    one-row mark: the window has no room above the capitals. Bold fonts draw the dots
    of a mark two dots wide, like their strokes; bars stay as they are, or a breve
    would merge into a bar as wide as the letter."""
    for code in font.pending_marks:
        base, mark = decomposition(code)
        body = glyphs.delete_rows(font.glyphs[base], 1, font.cap_top, font.baseline)
        body.insert(font.cap_top, '.' * len(body[0]))
        span = glyphs.ink_columns(body) or (0, 0)
        width = span[1] - span[0] + 1
        pattern = corrections.MARKS[mark](width)
        if font.name.endswith('Bold') and '.' in pattern + '.' * (len(pattern) == 1) \
                and len(pattern.replace('#', '##')) <= width:
            pattern = pattern.replace('#', '##')
        left = span[0] + (width - len(pattern)) // 2
        font.glyphs[code] = glyphs.overlay(body, [pattern], font.cap_top, max(left, 0))


def finish(font, codes):
    """Left-aligns every glyph and checks that it fits the cell."""
    result = []
    for code in codes:
        glyph = glyphs.left_align(font.glyphs[code])
        if glyphs.drawn_width(glyph) > font.bit_width:
            raise ValueError('%s: U+%04X is %d dots wide' % (font.name, code, glyphs.drawn_width(glyph)))
        result.append(glyph)
    font.table = result
    return font


def native_font(name, source_name, rows, bit_width, cap_top, baseline, codes):
    font = TextFont(name, rows, bit_width, cap_top, baseline)
    load_window(font, PcfFont(TERMINUS.format(source_name)), 0, codes, rows)
    return finished(font, codes)


def small_font(name, source_name, drop_rows, codes):
    """A ten-row font cut from a Terminus font from its capitals' top down.

    drop_rows lists (count, first, last): rows taken out of a taller source, first of the
    band above the small letters, then of the small-letter band, so that every ten-row
    font has eight-dot capitals, six-dot small letters and a two-dot descender."""
    source = PcfFont(TERMINUS.format(source_name))
    font = TextFont(name, 10, 8, 0, 7)
    load_window(font, source, 2, codes, 10 + sum(count for count, first, last in drop_rows))
    for code, glyph in font.glyphs.items():
        for count, first, last in drop_rows:
            glyph = glyphs.delete_rows(glyph, count, first, last)
        font.glyphs[code] = glyph
    return font


def eight_rows(name, font10):
    """The eight-row twin of a ten-row font: seven-dot capitals, five-dot small letters,
    a one-dot descender. Letters whose descender ends in a hook ("g", "у") keep both
    descender rows and lose two small-letter rows instead, sitting one row higher."""
    font = TextFont(name, 8, 8, 0, 6)
    for code, glyph in font10.glyphs.items():
        if chr(code) in corrections.HOOKED:
            glyph = glyphs.delete_rows(glyph, 2, 2, 7)
        else:
            glyph = glyphs.delete_rows(glyph, 1, 2, 7)[:8]
        font.glyphs[code] = glyph
    font.pending_marks = list(font10.pending_marks)
    return font


def finished(font, codes):
    apply_corrections(font, corrections.COMMON)
    apply_corrections(font, corrections.FONTS[font.name])
    compose_marks(font)
    return finish(font, codes)


def small_fonts(codes):
    """The ten- and eight-row fonts: the thin ones from Terminus 12, the bold ones from
    Terminus 14 bold, whose two-dot stems keep their gaps at this size."""
    thin10 = small_font('Font10Thin', '12n', [], codes)
    bold10 = small_font('Font10Bold', '14b', [(1, 0, 2), (1, 2, 8)], codes)
    thin8 = eight_rows('Font8Thin', thin10)
    bold8 = eight_rows('Font8Bold', bold10)
    return [finished(font, codes) for font in (bold10, thin10, bold8, thin8)]


def build_fonts():
    codes = text_slot_codes()
    fonts = [
        native_font('Font32', '32n', 32, 16, 6, 25, codes),
        native_font('Font20', '20b', 20, 16, 3, 15, codes),
        native_font('Font16', '16b', 16, 16, 2, 11, codes),
        native_font('Font12', '12n', 12, 8, 2, 9, codes),
    ]
    fonts += small_fonts(codes)
    fonts += digitfonts.build()
    return fonts


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--output-dir', default=os.path.join(here, '..', '..', 'tablo'))
    parser.add_argument('--specimen', help='also draw all glyphs into this PNG file')
    arguments = parser.parse_args()
    fonts = build_fonts()
    tablewriter.write(fonts, text_slot_codes(), arguments.output_dir)
    if arguments.specimen:
        write_specimen(fonts, arguments.specimen, text_slot_codes())


if __name__ == '__main__':
    main()
