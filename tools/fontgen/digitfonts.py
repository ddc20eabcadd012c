"""The route-number digit fonts: Liberation Sans Bold digits scaled into boxes of the
board's full height, each digit as wide as the layouts count on."""

from PIL import Image, ImageDraw, ImageFont

LIBERATION_BOLD = '/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf'
RENDER_SIZE = 400

# Name, rows, width of "0" (every digit but "1" is scaled alike) and width of "1".
DIGIT_FONTS = [
    ('Digits16', 16, 8, 6),
    ('Digits20', 20, 11, 6),
    ('Digits24', 24, 14, 8),
    ('Digits32', 32, 14, 8),
]


class DigitFont:
    def __init__(self, name, rows, table):
        self.name = name
        self.rows = rows
        self.bit_width = 16
        self.table = table


def rendered(font, digit):
    """The digit drawn large in grey levels, cut to its ink."""
    image = Image.new('L', (RENDER_SIZE * 2, RENDER_SIZE * 2), 0)
    ImageDraw.Draw(image).text((RENDER_SIZE // 2, RENDER_SIZE // 2), digit, fill=255, font=font)
    return image.crop(image.getbbox())


def without_foot(image):
    """Liberation's "1" stands on a foot that would take half of a narrow cell; boards
    show a plain stem, so the rows below the stem's middle keep only the stem."""
    pixels = image.load()
    middle = image.height * 3 // 5
    stem = [x for x in range(image.width) if pixels[x, middle] >= 128]
    for y in range(middle, image.height):
        for x in range(image.width):
            if not stem[0] <= x <= stem[-1]:
                pixels[x, y] = 0
    return image.crop(image.getbbox())


def scaled(image, width, rows):
    """Averages the large drawing down to width x rows dots; a dot is lit when at least
    half of its area is ink."""
    small = image.resize((width, rows), Image.BOX)
    return [''.join('#' if small.getpixel((x, y)) >= 128 else '.' for x in range(width)) for y in range(rows)]


def mirrored(glyph):
    """The left half reflected onto the right: a few dots of rounding otherwise make
    a small "0" lopsided."""
    width = len(glyph[0])
    return [row[:(width + 1) // 2] + row[:width // 2][::-1] for row in glyph]


def digit_font(name, rows, zero_width, one_width):
    font = ImageFont.truetype(LIBERATION_BOLD, RENDER_SIZE)
    images = [rendered(font, str(digit)) for digit in range(10)]
    images[1] = without_foot(images[1])
    scale = zero_width / images[0].width
    table = []
    for digit, image in enumerate(images):
        width = one_width if digit == 1 else min(16, round(image.width * scale))
        table.append(scaled(image, width, rows))
    table[0] = mirrored(table[0])
    return DigitFont(name, rows, table)


def build():
    return [digit_font(*entry) for entry in DIGIT_FONTS]
