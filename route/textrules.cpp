#include "textrules.h"

namespace {

// The characters of the bytes 0x80 to 0xFF; below them both pages are ASCII. The few bytes a page
// leaves undefined, such as 0x98 of Windows-1251, stand for the control character of that number,
// as the decoders of older tools read them.
const ushort windows1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const ushort windows1252High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
    0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
    0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

bool isContinuation(uchar byte)
{
    return byte >= 0x80 && byte <= 0xBF;
}

// Length of the UTF-8 sequence starting at position, or 0 when it is no valid two- or
// three-byte sequence. Four-byte sequences never occur in route texts and count as invalid.
int utf8SequenceLength(const uchar *bytes, int position, int size)
{
    const uchar lead = bytes[position];
    if (lead < 0x80)
        return 1;
    const uchar second = position + 1 < size ? bytes[position + 1] : 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(second) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // 0xE0 needs 0xA0 or more to rule out overlong forms; 0xE1..0xEF take any
        // continuation byte, as "№" (E2 84 96) and "–" (E2 80 93) do.
        const bool secondValid = lead == 0xE0 ? second >= 0xA0 && second <= 0xBF : isContinuation(second);
        const uchar third = position + 2 < size ? bytes[position + 2] : 0;
        return secondValid && isContinuation(third) ? 3 : 0;
    }
    return 0;
}

} // namespace

bool looksLikeUtf8(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const int end = bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0');
    int score = 5;
    int position = 0;
    while (position < end) {
        const int length = utf8SequenceLength(data, position, end);
        if (length == 1) {
            ++position;
        } else if (length > 1) {
            if (++score > 9)
                return true;
            position += length;
        } else {
            if (--score <= 0)
                return false;
            ++position;
        }
    }
    return score > 4;
}

QString decodeFileText(const QByteArray &bytes)
{
    if (!looksLikeUtf8(bytes))
        return decodeCodePage(bytes, CodePage::Windows1251);
    // Qt 5 stops the QByteArray overload at the first zero byte, which would cut the field
    // there on the second load of a text that Windows-1251 decoding kept whole on the first.
    QString text = QString::fromUtf8(bytes.constData(), bytes.size());
    // The decoder drops a byte order mark at the very start of the bytes and keeps any later
    // one, so a field of two marks would lose one on every save. The readers skip the mark
    // at the start of a file themselves; within a file, every byte stays.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text.prepend(QChar(QChar::ByteOrderMark));
    return text;
}

QString decodeCodePage(const QByteArray &bytes, CodePage page)
{
    const ushort *high = page == CodePage::Windows1251 ? windows1251High : windows1252High;
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto code = uchar(byte);
        *out++ = QChar(code < 0x80 ? ushort(code) : high[code - 0x80]);
    }
    return text;
}

QString codePageName(CodePage page)
{
    return page == CodePage::Windows1251 ? QStringLiteral("Windows-1251") : QStringLiteral("Windows-1252");
}

bool isUtf8(const QByteArray &bytes)
{
    // The decoder replaces what is no UTF-8, and what it replaced does not encode back the same.
    // It also drops a byte order mark at the start, which is valid UTF-8.
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    return QString::fromUtf8(bytes.constData(), bytes.size()).toUtf8() == (marked ? bytes.mid(3) : bytes);
}

int fileKind(const QString &name)
{
    if (name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1String(".ape"), Qt::CaseInsensitive))
        return SoundFile;
    if (name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return TextFile;
    return OtherFile;
}

int parseHexColor(const QByteArray &bytes)
{
    bool ok = false;
    const uint value = bytes.toUInt(&ok, 16);
    if (!ok)
        return 0;
    // A colour has 24 bits; the writers keep no more, and a wider number would compare as
    // another colour than the one written back.
    if (bytes.size() > 3)
        return int(value & 0xFFFFFF);
    const uint red = (value >> 8) & 0xF;
    const uint green = (value >> 4) & 0xF;
    const uint blue = value & 0xF;
    return int((red << 20) | (green << 12) | (blue << 4));
}

QByteArray formatHexColor(int color)
{
    return QByteArray::number(uint(color) & 0xFFFFFF, 16).rightJustified(6, '0');
}

void readFontDigits(const QByteArray &digits, int &font)
{
    if (digits.size() >= 2)
        font = (digits.at(0) == '0' ? 1 : 0) | (digits.at(1) == '0' ? 2 : 0);
    else if (digits == "0")
        font = 3;
}

int parseDecimal(const QByteArray &bytes)
{
    bool ok = false;
    const int value = bytes.toInt(&ok);
    return ok ? value : 0;
}
