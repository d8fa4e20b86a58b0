#include "reports/ReportPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace korbelant {

namespace {

QFont fontFor(ReportItem::Font kind)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    switch (kind) {
    case ReportItem::Font::Normal:
        font.setPointSizeF(8.5);
        break;
    case ReportItem::Font::Bold:
        font.setPointSizeF(8.5);
        font.setBold(true);
        break;
    case ReportItem::Font::Title:
        font.setPointSizeF(14);
        font.setBold(true);
        break;
    case ReportItem::Font::Small:
        font.setPointSizeF(7.5);
        break;
    }
    return font;
}

Qt::Alignment alignmentFor(ReportColumn::Align align)
{
    switch (align) {
    case ReportColumn::Align::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ReportColumn::Align::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ReportColumn::Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QRectF toDevice(const QRectF& mm, double dotsPerMm)
{
    return QRectF(mm.left() * dotsPerMm, mm.top() * dotsPerMm, mm.width() * dotsPerMm,
                  mm.height() * dotsPerMm);
}

void drawText(const ReportItem& item, QPainter& painter, double dotsPerMm)
{
    painter.setFont(fontFor(item.font));
    const QRectF rect = toDevice(item.rectMm, dotsPerMm);
    // A text wider than its box is cut with an ellipsis rather than running into its neighbour.
    const QString text =
        QFontMetricsF(painter.font(), painter.device()).elidedText(item.text, Qt::ElideRight, rect.width());
    painter.drawText(rect, alignmentFor(item.align) | Qt::TextSingleLine, text);
}

} // namespace

void ReportPainter::preparePageLayout(QPagedPaintDevice& device, ReportDocument::Orientation orientation)
{
    const auto pageOrientation = orientation == ReportDocument::Orientation::Landscape
                                     ? QPageLayout::Landscape
                                     : QPageLayout::Portrait;
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), pageOrientation, QMarginsF(0, 0, 0, 0)));
}

bool ReportPainter::paint(const std::vector<ReportPage>& pages, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(pages.at(i), painter, dotsPerMm);
    }
    return painter.end();
}

void ReportPainter::paintPage(const ReportPage& page, QPainter& painter, double dotsPerMm)
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ReportItem& item : page.items) {
        switch (item.kind) {
        case ReportItem::Kind::Shade:
            painter.fillRect(toDevice(item.rectMm, dotsPerMm), QColor(230, 230, 230));
            break;
        case ReportItem::Kind::Rule: {
            const QRectF rect = toDevice(item.rectMm, dotsPerMm);
            painter.setPen(QPen(Qt::black, dotsPerMm * 0.2));
            painter.drawLine(rect.topLeft(), rect.topRight());
            break;
        }
        case ReportItem::Kind::Box:
            painter.setPen(QPen(Qt::black, dotsPerMm * 0.2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(toDevice(item.rectMm, dotsPerMm));
            break;
        case ReportItem::Kind::Text:
            painter.setPen(Qt::black);
            drawText(item, painter, dotsPerMm);
            break;
        }
    }
}

} // namespace korbelant
