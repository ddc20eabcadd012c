#include "textrules.h"

#include <QTextCodec>

namespace {

QTextCodec *utf8Codec()
{
    static QTextCodec *const codec = QTextCodec::codecForName("UTF-8");
    return codec;
}

QTextCodec *windows1251Codec()
{
    static QTextCodec *const codec = QTextCodec::codecForName("Windows-1251");
    return codec;
}

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
        return windows1251Codec()->toUnicode(bytes);
    QString text = utf8Codec()->toUnicode(bytes);
    // The codec drops a byte order mark at the very start of the bytes and keeps any later
    // one, so a field of two marks would lose one on every save. The readers skip the mark
    // at the start of a file themselves; within a file, every byte stays.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text.prepend(QChar(QChar::ByteOrderMark));
    return text;
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
