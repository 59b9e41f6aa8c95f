#pragma once

#include <QRect>
#include <QSize>

// Window and control measures are given in twips, 15 to a logical pixel.
constexpr int twips(int value)
{
    return (2 * value + 15) / 30;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
