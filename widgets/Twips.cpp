#include "widgets/Twips.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15;
constexpr double kDefaultPointSize = 9;

double scaleOf(const QFont &font)
{
    QFont standard = font;
    standard.setPointSizeF(kDefaultPointSize);
    return std::max(1.0, QFontMetricsF(font).height() / QFontMetricsF(standard).height());
}

} // namespace

Twips::Twips(const QFont &font)
    : m_scale(scaleOf(font))
{ }

int Twips::operator()(int twips) const
{
    return int(std::lround(twips * m_scale / kTwipsPerPixel));
}

QRect Twips::rect(int left, int top, int width, int height) const
{
    return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
}
