#include "manual/ManualPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>

namespace korbelant {

namespace {

const QColor kTitleColour(0x1c, 0x3f, 0x94);
const QColor kQuietColour(0x60, 0x60, 0x60);
const QColor kRuleColour(0xa0, 0xa8, 0xb8);
const QString kFont = QStringLiteral("DejaVu Sans");
constexpr int kResolution = 600;
constexpr qreal kInch = 25.4;

// Page margins in millimetres; the foot line stands in the bottom margin.
constexpr qreal kLeft = 22;
constexpr qreal kRight = 20;
constexpr qreal kTop = 20;
constexpr qreal kBottom = 24;

// Sets the writer up for A4 without printer margins and returns the text area of its pages.
QRectF preparedTextArea(QPdfWriter& writer)
{
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(kResolution);
    const qreal unit = kResolution / kInch;
    return QRectF(kLeft * unit, kTop * unit, writer.width() - (kLeft + kRight) * unit,
                  writer.height() - (kTop + kBottom) * unit);
}

} // namespace

ManualPdf::ManualPdf(const QString& path, const QString& version)
    : m_writer(path), m_version(version), m_text(preparedTextArea(m_writer)), m_book(&m_writer, m_text.size())
{
}

qreal ManualPdf::mm(qreal millimetres) const
{
    return millimetres * kResolution / kInch;
}

qreal ManualPdf::points(qreal pt) const
{
    return pt * kResolution / 72.0;
}

QFont ManualPdf::font(qreal pointSize, bool bold) const
{
    QFont f(kFont);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

bool ManualPdf::write(const QStringList& chapters, QString* error)
{
    if (!m_book.load(chapters, error))
        return false;
    m_writer.setTitle(QStringLiteral("Korbelant – Handbuch"));
    m_writer.setCreator(QStringLiteral("Korbelant ") + m_version);
    const std::vector<ManualBook::Heading> headings = m_book.headings();
    const auto contents = contentsPages(headings);
    const int bodyStart = 2 + static_cast<int>(contents.size());
    QPainter painter;
    if (!painter.begin(&m_writer)) {
        *error = QStringLiteral("Die Datei kann nicht geschrieben werden.");
        return false;
    }
    drawTitlePage(painter);
    for (std::size_t page = 0; page < contents.size(); ++page) {
        m_writer.newPage();
        drawContentsPage(painter, contents[page], page == 0, bodyStart);
        drawFootLine(painter, 2 + static_cast<int>(page));
    }
    for (int page = 0; page < m_book.pageCount(); ++page) {
        m_writer.newPage();
        drawBodyPage(painter, page);
        drawFootLine(painter, bodyStart + page);
    }
    if (!painter.end()) {
        *error = QStringLiteral("Die Datei kann nicht geschrieben werden.");
        return false;
    }
    return true;
}

void ManualPdf::drawTitlePage(QPainter& painter)
{
    qreal y = m_writer.height() * 0.28;
    painter.setPen(kTitleColour);
    painter.setFont(font(40, true));
    painter.drawText(QPointF(m_text.left(), y), QStringLiteral("Korbelant"));
    y += points(16);
    painter.fillRect(QRectF(m_text.left(), y, m_text.width(), points(2)), kTitleColour);
    y += points(34);
    painter.setPen(Qt::black);
    painter.setFont(font(18));
    painter.drawText(QPointF(m_text.left(), y), QStringLiteral("Handbuch für Beraterinnen und Berater"));
    y += points(26);
    painter.setPen(kQuietColour);
    painter.setFont(font(12));
    painter.drawText(QPointF(m_text.left(), y), QStringLiteral("Version ") + m_version);

    painter.setFont(font(10));
    const QRectF about(m_text.left(), m_text.bottom() - points(60), m_text.width(), points(60));
    painter.drawText(
        about, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
        QStringLiteral("Kunden, Artikel, Vorführungen mit der Bestelleingabe Ihrer Gäste, Sterne und "
                       "Wochenübersicht: die Büroverwaltung für Ihre Vorführungen, Schritt für Schritt "
                       "erklärt."));
}

std::vector<std::vector<ManualPdf::ContentsLine>>
ManualPdf::contentsPages(const std::vector<ManualBook::Heading>& headings) const
{
    std::vector<std::vector<ContentsLine>> pages(1);
    qreal y = points(44); // below the title "Inhalt"
    for (const ManualBook::Heading& heading : headings) {
        const bool chapter = heading.level == 1;
        const qreal above = chapter && !pages.back().empty() ? points(8) : 0;
        const qreal height = points(chapter ? 17 : 14.5);
        if (y + above + height > m_text.height()) {
            pages.emplace_back();
            y = 0;
        } else {
            y += above;
        }
        y += height;
        pages.back().push_back({&heading, y});
    }
    return pages;
}

void ManualPdf::drawContentsPage(QPainter& painter, const std::vector<ContentsLine>& lines, bool first,
                                 int bodyStart)
{
    if (first) {
        painter.setPen(kTitleColour);
        painter.setFont(font(20, true));
        painter.drawText(QPointF(m_text.left(), m_text.top() + points(20)), QStringLiteral("Inhalt"));
    }
    QPen leader(kRuleColour, points(0.8), Qt::CustomDashLine);
    leader.setDashPattern({1, 3});
    for (const ContentsLine& line : lines) {
        const bool chapter = line.heading->level == 1;
        const QFont f = font(chapter ? 11 : 10, chapter);
        const QFontMetricsF metrics(f, &m_writer);
        const qreal baseline = m_text.top() + line.y - metrics.descent();
        const qreal left = m_text.left() + (chapter ? 0 : mm(6));
        const QString number = QString::number(bodyStart + line.heading->page);
        const qreal numberLeft = m_text.right() - metrics.horizontalAdvance(number);
        const QString text =
            metrics.elidedText(line.heading->text, Qt::ElideRight, numberLeft - left - points(12));
        painter.setFont(f);
        painter.setPen(chapter ? kTitleColour : Qt::black);
        painter.drawText(QPointF(left, baseline), text);
        painter.drawText(QPointF(numberLeft, baseline), number);
        painter.setPen(leader);
        painter.drawLine(QPointF(left + metrics.horizontalAdvance(text) + points(4), baseline),
                         QPointF(numberLeft - points(4), baseline));
    }
}

void ManualPdf::drawBodyPage(QPainter& painter, int index)
{
    const QRectF page(0, index * m_text.height(), m_text.width(), m_text.height());
    painter.save();
    painter.translate(m_text.left(), m_text.top() - page.top());
    painter.setClipRect(page);
    QAbstractTextDocumentLayout::PaintContext context;
    // A line that starts right at the foot of the page belongs to the next one.
    context.clip = page.adjusted(0, 0, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    context.palette.setColor(QPalette::Dark, kRuleColour);
    m_book.document().documentLayout()->draw(&painter, context);
    painter.restore();
}

void ManualPdf::drawFootLine(QPainter& painter, int pageNumber)
{
    const qreal top = m_text.bottom() + mm(8);
    painter.fillRect(QRectF(m_text.left(), top, m_text.width(), points(0.6)), kRuleColour);
    painter.setPen(kQuietColour);
    painter.setFont(font(8.5));
    const QRectF line(m_text.left(), top + points(3), m_text.width(), points(12));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Korbelant ") + m_version + QStringLiteral(" – Handbuch"));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Seite %1").arg(pageNumber));
}

} // namespace korbelant
