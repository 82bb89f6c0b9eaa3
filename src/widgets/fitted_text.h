#pragma once

// Names can be wider than the control that shows them. Centred text would
// then lose both ends; these keep the beginning (a record number, the first
// names) in sight and let the end give way to "…".

#include <QString>

class QPushButton;
class QWidget;

namespace brinox {

// `text` whole when it fits in `room` pixels of `widget`'s font, else cut at
// the end with "…" so that it does.
QString fittedText(const QWidget& widget, const QString& text, int room);

// The pixels a push button has for its caption, inside its frame.
int captionRoom(const QPushButton& button);

}  // namespace brinox
