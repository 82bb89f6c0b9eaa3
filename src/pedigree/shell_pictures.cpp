#include "pedigree/shell_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace brinox {
namespace {

const QColor kBark(110, 72, 40);
const QColor kLeafDark(30, 110, 40);
const QColor kLeafLight(110, 190, 80);

// A picture drawn on a transparent ground in a 100 x 100 space, scaled to `size`.
template <typename Draw>
QPixmap drawn(QSize size, Draw draw) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 100.0, size.height() / 100.0);
    draw(painter);
    return picture;
}

void drawPerson(QPainter& painter, QPointF centre, const QColor& colour) {
    painter.setPen(QPen(Qt::white, 1.2));
    painter.setBrush(colour);
    painter.drawEllipse(centre, 5.5, 5.5);
}

}  // namespace

QPixmap familyTreePicture(QSize size) {
    return drawn(size, [](QPainter& painter) {
        QLinearGradient sky(0, 0, 0, 100);
        sky.setColorAt(0, QColor(200, 230, 250));
        sky.setColorAt(1, QColor(240, 250, 235));
        painter.fillRect(QRectF(0, 0, 100, 100), sky);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(120, 170, 90));
        painter.drawEllipse(QRectF(-20, 86, 140, 40));

        painter.setBrush(kLeafLight);
        for (const auto& blob : {QRectF(8, 6, 40, 38), QRectF(52, 6, 40, 38), QRectF(22, 22, 56, 40),
                                 QRectF(4, 28, 34, 30), QRectF(62, 28, 34, 30)}) {
            painter.drawEllipse(blob);
        }
        QPainterPath trunk;
        trunk.moveTo(42, 92);
        trunk.cubicTo(46, 74, 46, 66, 48, 58);
        trunk.lineTo(52, 58);
        trunk.cubicTo(54, 66, 54, 74, 58, 92);
        trunk.closeSubpath();
        painter.setBrush(kBark);
        painter.drawPath(trunk);

        // The pedigree in the crown: lines first, then the persons on top.
        const std::array<QPointF, 7> persons = {QPointF(50, 62), QPointF(32, 42), QPointF(68, 42), QPointF(20, 20),
                                                QPointF(42, 20), QPointF(58, 20), QPointF(80, 20)};
        painter.setPen(QPen(kBark, 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int child = 0; child < 3; ++child) {
            painter.drawLine(persons[child], persons[2 * child + 1]);
            painter.drawLine(persons[child], persons[2 * child + 2]);
        }
        for (std::size_t i = 0; i < persons.size(); ++i) {
            const bool man = i > 0 && i % 2 == 1;
            const QColor colour = i == 0 ? QColor(200, 60, 40) : man ? QColor(40, 90, 170) : QColor(170, 60, 140);
            drawPerson(painter, persons[i], colour);
        }
    });
}

QPixmap leafPicture(QSize size) {
    return drawn(size, [](QPainter& painter) {
        painter.setPen(QPen(kBark, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(18, 90), QPointF(40, 64));
        QPainterPath leaf;
        leaf.moveTo(36, 68);
        leaf.cubicTo(20, 30, 50, 8, 90, 10);
        leaf.cubicTo(92, 50, 70, 80, 36, 68);
        QLinearGradient green(36, 68, 90, 10);
        green.setColorAt(0, kLeafDark);
        green.setColorAt(1, kLeafLight);
        painter.setPen(QPen(kLeafDark, 1.5));
        painter.setBrush(green);
        painter.drawPath(leaf);
        painter.setPen(QPen(QColor(220, 240, 200), 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(38, 66), QPointF(84, 16));
        for (const auto& vein : {std::array<double, 4>{52, 50, 48, 30}, {62, 39, 76, 44}, {70, 30, 66, 18}}) {
            painter.drawLine(QPointF(vein[0], vein[1]), QPointF(vein[2], vein[3]));
        }
    });
}

QPixmap smilingFigurePicture(QSize size) {
    return drawn(size, [](QPainter& painter) {
        // The body and the waving arm.
        painter.setPen(QPen(QColor(40, 70, 140), 7, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(34, 62), QPointF(16, 40));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(60, 100, 180));
        painter.drawRoundedRect(QRectF(30, 52, 40, 40), 14, 14);
        painter.setBrush(QColor(255, 214, 170));
        painter.drawEllipse(QPointF(14, 37), 5, 5);
        // The head.
        painter.setPen(QPen(QColor(150, 100, 60), 1.5));
        painter.drawEllipse(QPointF(50, 32), 20, 20);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(110, 70, 40));
        painter.drawChord(QRectF(30, 12, 40, 30), 20 * 16, 140 * 16);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(43, 31), 2.2, 2.8);
        painter.drawEllipse(QPointF(57, 31), 2.2, 2.8);
        painter.setPen(QPen(QColor(170, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(40, 30, 20, 14), 200 * 16, 140 * 16);
        // The screen he greets from.
        painter.setPen(QPen(QColor(60, 60, 60), 2));
        painter.setBrush(QColor(90, 90, 90));
        painter.drawRoundedRect(QRectF(20, 78, 60, 20), 3, 3);
        painter.setBrush(QColor(150, 210, 240));
        painter.drawRect(QRectF(24, 82, 52, 12));
    });
}

}  // namespace brinox
