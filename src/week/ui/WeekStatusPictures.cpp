#include "week/ui/WeekStatusPictures.h"

#include <QPainter>

namespace korbelant {

namespace {

constexpr int kSize = 16;

// A printed page: a sheet with as many lines of print as the state says.
QPixmap page(int lines, const QColor& ink)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::darkGray);
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 10, 13);
    p.setPen(QPen(ink, 1));
    for (int i = 0; i < lines; ++i)
        p.drawLine(5, 4 + 2 * i, 11, 4 + 2 * i);
    return pixmap;
}

} // namespace

QPixmap WeekStatusPictures::picture(WeekPrintState::Picture picture)
{
    switch (picture) {
    case WeekPrintState::Picture::PrintPart:
        return page(2, QColor(0, 0, 160));
    case WeekPrintState::Picture::PrintFull:
        return page(5, QColor(0, 128, 0));
    case WeekPrintState::Picture::PrintG:
        break;
    }
    return page(5, Qt::gray);
}

QPixmap WeekStatusPictures::disk()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(3, 9, 9, 5);
    return pixmap;
}

} // namespace korbelant
