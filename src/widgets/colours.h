#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace brinox {

// Colours several windows share.
inline const QColor kLightYellow(255, 255, 224);
inline const QColor kLime(0, 255, 0);
inline const QColor kTeal(0, 128, 128);
inline const QColor kAqua(0, 255, 255);
inline const QColor kSilver(192, 192, 192);
// Menu bars and status lines: disabled entries stay readable on it.
inline const QColor kButtonFace(240, 240, 240);

// A plain background colour, drawn by the widget itself.
inline void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The colour of a label's text. A palette, not a style sheet: style sheets
// make every widget they touch slow to build and to paint.
inline void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace brinox
