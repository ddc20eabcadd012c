"""Reads the glyphs of an X11 PCF bitmap font (optionally gzip-compressed)."""

import gzip
import struct

PCF_PROPERTIES = 1 << 0
PCF_ACCELERATORS = 1 << 1
PCF_METRICS = 1 << 2
PCF_BITMAPS = 1 << 3
PCF_BDF_ENCODINGS = 1 << 5
PCF_BDF_ACCELERATORS = 1 << 8

PCF_COMPRESSED_METRICS = 0x100
PCF_BYTE_MASK = 1 << 2
PCF_BIT_MASK = 1 << 3


class PcfFont:
    """The glyphs of one font as rows of '#' and '.' in a cell of ascent + descent rows."""

    def __init__(self, path):
        with open(path, 'rb') as file:
            data = file.read()
        if data[:2] == b'\x1f\x8b':
            data = gzip.decompress(data)
        if data[:4] != b'\x01fcp':
            raise ValueError(path + ' is not a PCF font')
        self._data = data
        self._tables = self._read_toc()
        self.ascent, self.descent = self._read_accelerators()
        self.glyphs = self._read_glyphs()

    def _read_toc(self):
        count, = struct.unpack_from('<i', self._data, 4)
        tables = {}
        for index in range(count):
            kind, fmt, size, offset = struct.unpack_from('<iiii', self._data, 8 + 16 * index)
            tables[kind] = offset
        return tables

    def _table(self, kind):
        """Returns the byte-order prefix, format word and data offset of a table."""
        offset = self._tables[kind]
        fmt, = struct.unpack_from('<i', self._data, offset)
        order = '>' if fmt & PCF_BYTE_MASK else '<'
        return order, fmt, offset + 4

    def _read_accelerators(self):
        kind = PCF_BDF_ACCELERATORS if PCF_BDF_ACCELERATORS in self._tables else PCF_ACCELERATORS
        order, fmt, pos = self._table(kind)
        ascent, descent = struct.unpack_from(order + 'ii', self._data, pos + 8)
        return ascent, descent

    def _read_metrics(self):
        order, fmt, pos = self._table(PCF_METRICS)
        metrics = []
        if fmt & PCF_COMPRESSED_METRICS:
            count, = struct.unpack_from(order + 'h', self._data, pos)
            pos += 2
            for index in range(count):
                values = struct.unpack_from('5B', self._data, pos + 5 * index)
                metrics.append(tuple(value - 0x80 for value in values))
        else:
            count, = struct.unpack_from(order + 'i', self._data, pos)
            pos += 4
            for index in range(count):
                metrics.append(struct.unpack_from(order + '5h', self._data, pos + 12 * index))
        return metrics

    def _read_bitmaps(self):
        order, fmt, pos = self._table(PCF_BITMAPS)
        count, = struct.unpack_from(order + 'i', self._data, pos)
        offsets = struct.unpack_from(order + '%di' % count, self._data, pos + 4)
        start = pos + 4 + 4 * count + 16
        return fmt, offsets, start

    def _read_encodings(self):
        order, fmt, pos = self._table(PCF_BDF_ENCODINGS)
        min2, max2, min1, max1, default = struct.unpack_from(order + '5h', self._data, pos)
        per_row = max2 - min2 + 1
        count = per_row * (max1 - min1 + 1)
        indexes = struct.unpack_from(order + '%dH' % count, self._data, pos + 10)
        codes = {}
        for slot, index in enumerate(indexes):
            if index != 0xFFFF:
                codes[(min1 + slot // per_row) * 256 + min2 + slot % per_row] = index
        return codes

    def _read_glyphs(self):
        metrics = self._read_metrics()
        fmt, offsets, start = self._read_bitmaps()
        pad = 1 << (fmt & 3)
        msb_bits = bool(fmt & PCF_BIT_MASK)
        glyphs = {}
        for code, index in self._read_encodings().items():
            glyphs[code] = self._cell(metrics[index], start + offsets[index], pad, msb_bits)
        return glyphs

    def _cell(self, metric, pos, pad, msb_bits):
        """Places one glyph's bits in the font cell; columns start at the glyph origin."""
        left, right, width, ascent, descent = metric
        ink_width = right - left
        stride = ((ink_width + 7) // 8 + pad - 1) // pad * pad
        columns = max(width, right, 1)
        cell = [['.'] * columns for _ in range(self.ascent + self.descent)]
        for row in range(ascent + descent):
            y = self.ascent - ascent + row
            line = self._data[pos + row * stride: pos + (row + 1) * stride]
            for column in range(ink_width):
                byte = line[column // 8]
                bit = 7 - column % 8 if msb_bits else column % 8
                x = left + column
                if byte >> bit & 1 and 0 <= y < len(cell) and x >= 0:
                    cell[y][x] = '#'
        return [''.join(row) for row in cell]
