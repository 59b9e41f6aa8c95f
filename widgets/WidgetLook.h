#pragma once

class QColor;
class QGroupBox;
class QPalette;
class QLabel;
class QWidget;

// The program's few looks of its own, shared by its windows.

// Underlined text in the link colour, with the hand pointer: a label that acts when clicked.
void showAsLink(QLabel &label);

// A frame whose caption is bold while its controls keep the normal font.
void showCaptionBold(QGroupBox &frame);

// The desktop's font may be wider or taller than the one the layout was made for: a control
// grows to show its whole caption.
void growToFitText(QWidget &widget);

// Moves widget right, where needed, so that it starts gap pixels after neighbour ends: a
// neighbour widened to fit its text must not cover it.
void keepRightOf(QWidget &widget, const QWidget &neighbour, int gap);

// Widens container, where needed, so that child ends margin pixels inside it.
void growToHold(QWidget &container, const QWidget &child, int margin);

// The WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// Text drawn fainter than the palette's own, for rows of less weight, that still reads at a
// contrast of at least 4.5:1 on the palette's base, in a light scheme as in a dark one.
QColor fainterText(const QPalette &palette);
