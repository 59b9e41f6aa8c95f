#pragma once

class QGroupBox;
class QLabel;
class QWidget;

// The program's few looks of its own, shared by its windows.

// Blue, underlined text with the hand pointer: a label that acts when clicked.
void showAsLink(QLabel &label);

// A frame whose caption is bold while its controls keep the normal font.
void showCaptionBold(QGroupBox &frame);

// The desktop's font may be wider than the one the layout was made for: a control grows to
// show its whole caption.
void widenToFitText(QWidget &widget);

// Moves widget right, where needed, so that it starts gap pixels after neighbour ends: a
// neighbour widened to fit its text must not cover it.
void keepRightOf(QWidget &widget, const QWidget &neighbour, int gap);

// Widens container, where needed, so that child ends margin pixels inside it.
void growToHold(QWidget &container, const QWidget &child, int margin);
