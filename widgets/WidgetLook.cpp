#include "widgets/WidgetLook.h"

#include <QGroupBox>
#include <QLabel>

#include <QColor>
#include <QPalette>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

void showAsLink(QLabel &label)
{
    // The scheme's own link colour, which follows a change of scheme and reads on its
    // window colour, light or dark.
    label.setForegroundRole(QPalette::Link);
    QFont underlined = label.font();
    underlined.setUnderline(true);
    label.setFont(underlined);
    label.setCursor(Qt::PointingHandCursor);
}

void showCaptionBold(QGroupBox &frame)
{
    // A style sheet font does not pass on to the frame's controls, as setFont would.
    frame.setStyleSheet(u"QGroupBox { font-weight: bold; }"_s);
}

void growToFitText(QWidget &widget)
{
    widget.resize(widget.size().expandedTo(widget.sizeHint()));
}

void keepRightOf(QWidget &widget, const QWidget &neighbour, int gap)
{
    widget.move(std::max(widget.x(), neighbour.geometry().right() + 1 + gap), widget.y());
}

void growToHold(QWidget &container, const QWidget &child, int margin)
{
    container.resize(std::max(container.width(), child.geometry().right() + 1 + margin), container.height());
}

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear
        = [](float channel) { return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const auto [darker, lighter] = std::minmax({relativeLuminance(a), relativeLuminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

QColor fainterText(const QPalette &palette)
{
    constexpr double kReadable = 4.5;
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    // From halfway to the base back towards the text, until it reads well enough.
    for (int towardsBase = 50; towardsBase > 0; towardsBase -= 5) {
        const double t = towardsBase / 100.0;
        const QColor mixed = QColor::fromRgbF(float(text.redF() + (base.redF() - text.redF()) * t),
            float(text.greenF() + (base.greenF() - text.greenF()) * t),
            float(text.blueF() + (base.blueF() - text.blueF()) * t));
        if (contrastRatio(mixed, base) >= kReadable)
            return mixed;
    }
    return text;
}
