#include "widgets/WidgetLook.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

void showAsLink(QLabel &label)
{
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label.setPalette(colours);
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

void widenToFitText(QWidget &widget)
{
    widget.resize(std::max(widget.width(), widget.sizeHint().width()), widget.height());
}

void keepRightOf(QWidget &widget, const QWidget &neighbour, int gap)
{
    widget.move(std::max(widget.x(), neighbour.geometry().right() + 1 + gap), widget.y());
}

void growToHold(QWidget &container, const QWidget &child, int margin)
{
    container.resize(std::max(container.width(), child.geometry().right() + 1 + margin), container.height());
}
