"""Operations on glyph bitmaps held as lists of equal-length rows of '#' (lit) and '.' (dark)."""


def blank(rows, width=1):
    return ['.' * width for _ in range(rows)]


def art(text):
    """Parses hand-drawn rows: one row a line, '#' lit and anything else dark."""
    lines = [line.strip() for line in text.strip('\n').split('\n')]
    width = max(len(line) for line in lines)
    return [''.join('#' if char == '#' else '.' for char in line.ljust(width, '.')) for line in lines]


def pad(glyph, width):
    return [row.ljust(width, '.')[:max(width, len(row))] for row in glyph]


def column(glyph, index):
    return ''.join(row[index] for row in glyph)


def ink_columns(glyph):
    """First and last lit column, or None for a blank glyph."""
    lit = [index for index in range(len(glyph[0])) if '#' in column(glyph, index)]
    return (lit[0], lit[-1]) if lit else None


def ink_rows(glyph):
    lit = [index for index, row in enumerate(glyph) if '#' in row]
    return (lit[0], lit[-1]) if lit else None


def drawn_width(glyph):
    """Columns from the cell's left edge to the rightmost lit one, as the boards measure them."""
    span = ink_columns(glyph)
    return span[1] + 1 if span else 0


def left_align(glyph):
    span = ink_columns(glyph)
    if not span:
        return [''] * len(glyph)
    return [row[span[0]:span[1] + 1] for row in glyph]


def crop_rows(glyph, top, count):
    width = len(glyph[0]) if glyph else 1
    rows = [glyph[index] if 0 <= index < len(glyph) else '.' * width for index in range(top, top + count)]
    return pad(rows, width)


def _difference(first, second):
    return sum(a != b for a, b in zip(first, second))


def _row_cost(glyph, index):
    """How much a row adds: its difference from the closer of its two neighbours."""
    neighbours = [glyph[other] for other in (index - 1, index + 1) if 0 <= other < len(glyph)]
    return min(_difference(glyph[index], other) for other in neighbours)


def delete_rows(glyph, count, first, last):
    """Deletes count rows from first..last, each time the one whose loss shows least.

    Ties go to the row nearest the middle of the range, where a letter's straight
    stems usually are."""
    glyph = list(glyph)
    for _ in range(count):
        middle = (first + last) / 2
        index = min(range(first, last + 1), key=lambda row: (_row_cost(glyph, row), abs(row - middle)))
        del glyph[index]
        last -= 1
    return glyph


def transpose(glyph):
    return [column(glyph, index) for index in range(len(glyph[0]))]


def narrow(glyph, count):
    """Narrows a glyph by count columns, each time folding the inner column with the
    fewest lit dots into its right neighbour.

    Folding rather than deleting keeps diagonals joined and strokes at full weight:
    the dots of a counter's column move over by one instead of vanishing."""
    columns = transpose(left_align(glyph))
    for _ in range(count):
        index = min(range(1, len(columns) - 1), key=lambda position: (columns[position].count('#'),
                                                                        abs(position - len(columns) / 2)))
        merged = ''.join('#' if '#' in pair else '.' for pair in zip(columns[index], columns[index + 1]))
        columns[index:index + 2] = [merged]
    return transpose(columns)


def _longest_run(text):
    best = run = 0
    for char in text:
        run = run + 1 if char == '#' else 0
        best = max(best, run)
    return best


def stem_columns(glyph):
    """The two neighbouring columns (or one) that carry the longest vertical stroke."""
    runs = [_longest_run(column(glyph, index)) for index in range(len(glyph[0]))]
    best = max(runs)
    return [index for index, run in enumerate(runs) if run == best]


def _longest_run_span(text):
    """First and last row of the longest run of lit dots."""
    best = (0, -1)
    start = None
    for index, char in enumerate(text + '.'):
        if char == '#' and start is None:
            start = index
        elif char != '#' and start is not None:
            if index - start > best[1] - best[0] + 1:
                best = (start, index - 1)
            start = None
    return best


def strip_serifs(glyph):
    """Keeps only the stem along the stem's length, so that "i" and "l" become plain bars.

    Rows above and below the stem (dots and accents) are left alone."""
    stems = stem_columns(glyph)
    top, bottom = _longest_run_span(column(glyph, stems[0]))
    result = list(glyph)
    for index in range(top, bottom + 1):
        result[index] = ''.join(char if position in stems else '.' for position, char in enumerate(glyph[index]))
    return result


def overlay(glyph, mark, top, left):
    """Lights the mark's dots on the glyph with the mark's top-left corner at (left, top)."""
    width = max(len(glyph[0]), left + len(mark[0]))
    result = [list(row.ljust(width, '.')) for row in glyph]
    for row, text in enumerate(mark):
        for position, char in enumerate(text):
            if char == '#':
                result[top + row][left + position] = '#'
    return [''.join(row) for row in result]
