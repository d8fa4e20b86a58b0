#include "app/LogoPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace korbelant {

QPixmap LogoPicture::draw(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    QLinearGradient bowlShade(0, s * 0.45, 0, s * 0.9);
    bowlShade.setColorAt(0, QColor(40, 110, 220));
    bowlShade.setColorAt(1, QColor(10, 40, 120));
    QPainterPath bowl;
    bowl.moveTo(s * 0.12, s * 0.45);
    bowl.lineTo(s * 0.88, s * 0.45);
    bowl.cubicTo(s * 0.86, s * 0.8, s * 0.72, s * 0.88, s * 0.5, s * 0.88);
    bowl.cubicTo(s * 0.28, s * 0.88, s * 0.14, s * 0.8, s * 0.12, s * 0.45);
    painter.setPen(QPen(QColor(5, 25, 80), s * 0.02));
    painter.setBrush(bowlShade);
    painter.drawPath(bowl);

    painter.setBrush(QColor(60, 200, 90));
    painter.drawRoundedRect(QRectF(s * 0.08, s * 0.33, s * 0.84, s * 0.12), s * 0.05, s * 0.05);
    painter.drawRoundedRect(QRectF(s * 0.4, s * 0.24, s * 0.2, s * 0.1), s * 0.03, s * 0.03);

    painter.setPen(QPen(QColor(255, 255, 255, 170), s * 0.03, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(s * 0.22, s * 0.5, s * 0.56, s * 0.3), 200 * 16, 60 * 16);
    return picture;
}

} // namespace korbelant
