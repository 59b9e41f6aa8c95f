#pragma once

#include <QChar>

#include <optional>

// Windows-1252, the code page Windows taggers wrote ID3v1 blocks in: Latin-1, except that
// bytes 0x80 to 0x9F hold typographic characters (0x92 is U+2019, 0x85 is U+2026, 0x80 is
// U+20AC) where Latin-1 has invisible control characters.
namespace Windows1252 {

// The character of byte. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) give the control character of the same number, as in Latin-1.
QChar toChar(quint8 byte);
// The byte of c, or nothing for a character the code page lacks, such as U+0092 (the byte
// 0x92 is U+2019). The control characters of the five undefined bytes give those bytes
// back, so that text read from bytes is written as the same bytes.
std::optional<quint8> fromChar(QChar c);

} // namespace Windows1252
