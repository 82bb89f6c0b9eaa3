#include "widgets/fitted_text.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace brinox {

QString fittedText(const QWidget& widget, const QString& text, int room) {
    return widget.fontMetrics().elidedText(text, Qt::ElideRight, std::max(room, 0));
}

int captionRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    // Some air between the caption and the frame, as the style leaves it.
    return contents.width() - 2 * button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
}

}  // namespace brinox
