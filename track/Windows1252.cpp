#include "track/Windows1252.h"

#include <algorithm>
#include <array>

namespace {

constexpr quint8 kFirstRemapped = 0x80;
constexpr quint8 kLastRemapped = 0x9f;

// The characters of bytes 0x80 to 0x9F, 0 where the code page defines none.
constexpr std::array<char16_t, 32> kRemapped = {
    0x20ac, 0, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, // 0x80
    0x02c6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017d, 0, // 0x88
    0, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, // 0x90
    0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0, 0x017e, 0x0178, // 0x98
};

} // namespace

QChar Windows1252::toChar(quint8 byte)
{
    if (byte < kFirstRemapped || byte > kLastRemapped || kRemapped[byte - kFirstRemapped] == 0)
        return QChar(char16_t(byte));
    return QChar(kRemapped[byte - kFirstRemapped]);
}

std::optional<quint8> Windows1252::fromChar(QChar c)
{
    const char16_t code = c.unicode();
    // A byte that stands for itself: ASCII, Latin-1 and the five undefined ones.
    if (code <= 0xff && toChar(quint8(code)) == c)
        return quint8(code);
    // No character searched for here is 0, so an undefined byte is never found.
    const auto found = std::ranges::find(kRemapped, code);
    if (found == kRemapped.end())
        return std::nullopt;
    return quint8(kFirstRemapped + (found - kRemapped.begin()));
}
