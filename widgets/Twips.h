#pragma once

#include <QRect>

class QFont;

// Window and control measures are given in twips, 15 to a logical pixel at the default font
// (9 points). A window drawn in a larger font scales every measure, heights as well as
// widths, by how much taller that font's lines are than the default font's, so that each
// control grows with its text; at the default font, or a smaller one, nothing moves.
class Twips
{
public:
    explicit Twips(const QFont &font);

    double scale() const { return m_scale; }
    int operator()(int twips) const;
    QRect rect(int left, int top, int width, int height) const;

private:
    double m_scale;
};
