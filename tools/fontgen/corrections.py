"""Hand corrections of the generated glyphs, font by font.

A correction is either hand-drawn rows ('#' lit, '.' dark, one row a line from the top
row; rows left out at the bottom are dark) or a function of the font and the glyph that
returns the new glyph. The widths of "W", "Ж", "0", "1" and "i" are those the board
layouts count on."""

import glyphs


def narrow_to(width):
    """Folds inner columns together until the glyph is width dots wide."""
    def correct(font, glyph):
        extra = glyphs.drawn_width(glyphs.left_align(glyph)) - width
        return glyphs.narrow(glyph, extra) if extra > 0 else glyph
    return correct


def like(char, *then):
    """Starts from another glyph of the same font, then applies further corrections."""
    def correct(font, glyph):
        result = font.glyphs[ord(char)]
        for step in then:
            result = step(font, result)
        return result
    return correct


def strip_serifs(font, glyph):
    return glyphs.strip_serifs(glyph)


def numero(font, glyph):
    """The numero sign as the font's own "N" with a small "o" over a bar beside it: the
    source's own sign crams the "o" into one or two columns at these sizes."""
    letter = glyphs.left_align(font.glyphs[ord('N')])
    small_o = ['###', '#.#', '#.#', '###', '...', '###']
    return glyphs.overlay(letter, small_o, font.cap_top, len(letter[0]) + 1)


def digits_narrowed_to(width):
    """All digits as wide as the "0" the layouts count on. Terminus draws a slashed zero;
    boards show a plain one, so "0" is the letter "O" narrowed."""
    table = {'0': like('O', narrow_to(width))}
    for digit in '23456789':
        table[digit] = narrow_to(width)
    return table


# Plain bars for the i and l family: Terminus gives them the serifs of a terminal font,
# which look out of place in proportional board text.
COMMON = {char: strip_serifs for char in 'ilıіĩīĭįĺļ'}


# One-row marks for the capitals of the eight- and ten-row fonts, which have no room
# above them, by combining character, as functions of the width of the letter below.
# A breve is a short bar and a macron a long one: one row cannot draw a curve.
MARKS = {
    0x0300: lambda width: '#.',                           # grave
    0x0301: lambda width: '.#',                           # acute
    0x0302: lambda width: '###',                          # circumflex
    0x0303: lambda width: '##.#' if width > 4 else '##',  # tilde
    0x0304: lambda width: '#' * width,                    # macron
    0x0306: lambda width: '###',                          # breve
    0x0307: lambda width: '#',                            # dot above
    0x0308: lambda width: '#.#',                          # diaeresis
    0x030A: lambda width: '#',                            # ring
    0x030B: lambda width: '#.#',                          # double acute
    0x030C: lambda width: '#.#',                          # caron
}

NUMERO_8_ROWS = {
    'Font8Thin': """
        #..#....
        ##.#.###
        ##.#.#.#
        #.##.###
        #.##....
        #..#.###
        #..#....""",
    'Font8Bold': """
        ##..#...
        ###.#.##
        ###.#.##
        ##.##...
        ##.##.##
        ##..#...
        ##..#...""",
}

NUMERO_THIN_8_DOT_CAPITALS = """
        #..#....
        #..#.###
        ##.#.#.#
        ##.#.###
        #.##....
        #.##.###
        #..#....
        #..#...."""

FONTS = {
    'Font32': {
        **digits_narrowed_to(11),
        '1': """
            ......
            ......
            ......
            ......
            ......
            ......
            ....##
            ...###
            ..####
            .##.##
            ##..##
            #...##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##
            ....##""",
        'W': """
            ................
            ................
            ................
            ................
            ................
            ................
            ##............##
            ##............##
            ##............##
            ##............##
            ##............##
            ##............##
            ##............##
            ##............##
            ##............##
            ##............##
            ##.....##.....##
            ##....####....##
            ##....####....##
            ##...##..##...##
            ##..##....##..##
            ##.##......##.##
            ####........####
            ###..........###
            ##............##
            ##............##""",
        'Ж': """
            ................
            ................
            ................
            ................
            ................
            ................
            ##.....##.....##
            ##.....##.....##
            ##.....##.....##
            ##.....##.....##
            ##.....##.....##
            ##.....##.....##
            ###....##....###
            .###...##...###.
            ..###..##..###..
            ...##########...
            ....########....
            ...##########...
            ..###..##..###..
            .###...##...###.
            ###....##....###
            ##.....##.....##
            ##.....##.....##
            ##.....##.....##
            ##.....##.....##
            ##.....##.....##""",
    },
    'Font20': {
        **digits_narrowed_to(6),
        '№': numero,
        '1': """
            ....
            ....
            ....
            ..##
            .###
            ####
            ..##
            ..##
            ..##
            ..##
            ..##
            ..##
            ..##
            ..##
            ..##
            ..##""",
        'Ж': """
            .........
            .........
            .........
            ##..#..##
            ##..#..##
            ##..#..##
            ##..#..##
            .##.#.##.
            ..#####..
            ..#####..
            .##.#.##.
            ##..#..##
            ##..#..##
            ##..#..##
            ##..#..##
            ##..#..##""",
    },
    'Font16': {
        **digits_narrowed_to(6),
        '№': numero,
        '1': """
            ....
            ....
            ..##
            .###
            ####
            ..##
            ..##
            ..##
            ..##
            ..##
            ..##
            ..##""",
        'W': """
            .........
            .........
            ##.....##
            ##.....##
            ##.....##
            ##.....##
            ##..#..##
            ##.###.##
            ####.####
            ###...###
            ##.....##
            #.......#""",
        'Ж': """
            .........
            .........
            ##..#..##
            ##..#..##
            ##..#..##
            .##.#.##.
            ..#####..
            .##.#.##.
            ##..#..##
            ##..#..##
            ##..#..##
            ##..#..##""",
    },
    'Font12': {
        **digits_narrowed_to(5),
        'W': """
            .......
            .......
            #.....#
            #.....#
            #.....#
            #..#..#
            #..#..#
            #.#.#.#
            ##...##
            #.....#""",
        'Ж': """
            .......
            .......
            #..#..#
            #..#..#
            .#.#.#.
            ..###..
            ..###..
            .#.#.#.
            #..#..#
            #..#..#""",
        '№': '........\n........' + NUMERO_THIN_8_DOT_CAPITALS,
    },
    'Font10Thin': {
        **digits_narrowed_to(5),
        '№': NUMERO_THIN_8_DOT_CAPITALS,
    },
    'Font10Bold': {
        **digits_narrowed_to(6),
        '№': """
            ##..#...
            ###.#.##
            ###.#.##
            ##.##...
            ##.##...
            ##..#.##
            ##..#...
            ##..#...""",
    },
    'Font8Thin': {**digits_narrowed_to(4), '№': NUMERO_8_ROWS['Font8Thin']},
    'Font8Bold': {**digits_narrowed_to(6), '№': NUMERO_8_ROWS['Font8Bold']},
}

# Letters whose descender ends in a hook to the left: in the eight-row fonts they keep
# both descender rows (see fontgen.eight_rows).
HOOKED = 'gjyуўјĝğġģĵŷ'
