"""Draws every glyph of every font, enlarged as board dots, into one PNG sheet."""

from PIL import Image, ImageDraw, ImageFont

PER_ROW = 32
LIT = (255, 176, 0)
DARK = (48, 44, 40)
EMPTY = (90, 20, 20)
SAMPLES = [
    'Маршрут № 12А: Вокзал - Аэропорт, ул. Щорса 45',
    'ЁЛКИ ЖДАНОВИЧИ ЩУЧИНЪ Ўў Її Ґґ Єє Ӑӓ Ққ Ңң Үү Әә Өө',
    'The quick brown fox jumps over the lazy dog 0123456789',
    'Łódź Žďár Čeřovka Şişli Őrség ĞÜŞ °±²³·»¼½¾¿',
]


def dot_pitch(font):
    """Screen pixels per dot: small fonts get larger dots so that each one can be seen."""
    return 3 if font.rows > 20 else (4 if font.rows > 12 else 7)


def text_glyphs(font, text, slot_codes):
    """The glyphs of a text in a text font, as (glyph, advance) pairs."""
    result = []
    for char in text:
        code = ord(char)
        if code not in slot_codes:
            continue
        glyph = font.table[slot_codes.index(code)]
        width = len(glyph[0]) if glyph and glyph[0] else 0
        result.append((glyph, width + 1 if width else (4 if font.bit_width == 8 else 6)))
    return result


def draw_glyph(draw, glyph, left, top, pitch, rows, columns):
    empty = not any('#' in row for row in glyph)
    for row in range(rows):
        for position in range(columns):
            lit = row < len(glyph) and position < len(glyph[row]) and glyph[row][position] == '#'
            colour = LIT if lit else (EMPTY if empty else DARK)
            x, y = left + position * pitch, top + row * pitch
            draw.rectangle([x, y, x + pitch - 2, y + pitch - 2], fill=colour)


def font_height(font):
    grid_rows = (len(font.table) + PER_ROW - 1) // PER_ROW
    samples = len(SAMPLES) if len(font.table) > 10 else 0
    return 16 + (grid_rows + samples) * (font.rows + 2) * dot_pitch(font)


def draw_font(draw, font, top, slot_codes):
    pitch = dot_pitch(font)
    draw.text((4, top), '%s: %d rows, %d-bit cells, %d lit dots' % (
        font.name, font.rows, font.bit_width, sum(row.count('#') for glyph in font.table for row in glyph)),
        fill=(255, 255, 255), font=ImageFont.load_default())
    top += 16
    cell = (font.bit_width + 2) * pitch
    for index, glyph in enumerate(font.table):
        left = 4 + (index % PER_ROW) * cell
        draw_glyph(draw, glyph, left, top + (index // PER_ROW) * (font.rows + 2) * pitch, pitch, font.rows,
                   font.bit_width)
    top += (len(font.table) + PER_ROW - 1) // PER_ROW * (font.rows + 2) * pitch
    if len(font.table) <= 10:
        return
    for text in SAMPLES:
        left = 4
        for glyph, advance in text_glyphs(font, text, slot_codes):
            columns = len(glyph[0]) if glyph and glyph[0] else 0
            draw_glyph(draw, glyph, left, top, pitch, font.rows, columns)
            left += advance * pitch
        top += (font.rows + 2) * pitch


def write_specimen(fonts, path, slot_codes):
    width = 8 + max(PER_ROW * (font.bit_width + 2) * dot_pitch(font) for font in fonts)
    height = sum(font_height(font) for font in fonts) + 8
    image = Image.new('RGB', (width, height), (0, 0, 0))
    draw = ImageDraw.Draw(image)
    top = 4
    for font in fonts:
        draw_font(draw, font, top, slot_codes)
        top += font_height(font)
    image.save(path)
