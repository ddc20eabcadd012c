#pragma once

#include <QByteArray>
#include <QString>

// The value rules that every route-folder file shares: text decoding, file kinds, colours and
// decimal numbers as the on-board unit writes them.

// Decodes one text field: UTF-8 when the bytes look like UTF-8, otherwise Windows-1251,
// the encoding of files prepared with older tools. A byte order mark in the field stays in the
// text, so that the field is written back as it was read.
QString decodeFileText(const QByteArray &bytes);

// The single-byte code pages of files and feeds written by older tools.
enum class CodePage { Windows1251, Windows1252 };

// Decodes bytes of a single-byte code page, by the project's own tables, so that every build
// reads legacy files alike.
QString decodeCodePage(const QByteArray &bytes, CodePage page);
// "Windows-1251" or "Windows-1252".
QString codePageName(CodePage page);

// True when the bytes are UTF-8 throughout, strictly: no invalid or cut-off sequence.
bool isUtf8(const QByteArray &bytes);

// True when the bytes up to the first zero byte are more likely UTF-8 than Windows-1251.
// Empty and pure ASCII input counts as UTF-8.
bool looksLikeUtf8(const QByteArray &bytes);

// Calls take with each field of bytes between separators, in order, until take returns false.
// No list of all the fields is made, so that a line of a million separators costs no memory.
template <typename Take> void forEachField(const QByteArray &bytes, char separator, Take take)
{
    int start = 0;
    for (;;) {
        const int end = bytes.indexOf(separator, start);
        if (!take(bytes.mid(start, end < 0 ? -1 : end - start)) || end < 0)
            return;
        start = end + 1;
    }
}

enum FileKind { OtherFile = 0, SoundFile = 1, TextFile = 2 };

// SoundFile for names ending in ".wav", ".mp3" or ".ape", TextFile for ".txt" (any letter
// case), OtherFile for anything else and for the empty name.
int fileKind(const QString &name);

// Reads a hexadecimal colour. Up to three digits are one digit per channel, each the high
// half of its byte ("abc" is 0xa0b0c0); of longer numbers the low 24 bits are taken; no
// number is 0.
int parseHexColor(const QByteArray &bytes);

// The colour as six lower-case hexadecimal digits (bits 0 to 23).
QByteArray formatHexColor(int color);

// The font bits of a font value: with two or more digits, bit 0 when the first is "0" (line 1
// in font 0) and bit 1 when the second is; a single "0" means both lines; anything else
// leaves font as it is.
void readFontDigits(const QByteArray &digits, int &font);

// The decimal number the bytes hold, or 0 when they hold none.
int parseDecimal(const QByteArray &bytes);
