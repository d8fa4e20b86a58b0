#include "reports/ReportLayout.h"

#include <algorithm>

namespace korbelant {

namespace {

constexpr double CellPadding = 1;
constexpr double RuleGap = 1;
constexpr double BlockGap = 4;
constexpr double MinLabelWidth = 15;
constexpr double BoxPadding = 1.5;

} // namespace

std::vector<ReportPage> ReportLayout::layout(const ReportDocument& document)
{
    ReportLayout layout(document);
    layout.run();
    return std::move(layout.m_pages);
}

ReportLayout::ReportLayout(const ReportDocument& document) : m_document(document)
{
    const bool landscape = document.orientation == ReportDocument::Orientation::Landscape;
    m_paper = landscape ? QSizeF(297, 210) : QSizeF(210, 297);
    m_left = Margin;
    m_width = m_paper.width() - 2 * Margin;
    m_bottom = m_paper.height() - Margin - document.footerLines.size() * LineHeight - RuleGap;
    m_linesTop = m_bottom;
    double foot = 0;
    for (const ReportTextBlock& block : document.pageFooters)
        foot = std::max(foot, blockHeight(block));
    m_footTop = m_bottom - foot;
    if (foot > 0)
        m_bottom = m_footTop - BlockGap;
}

void ReportLayout::run()
{
    newPage();
    for (const ReportSection& s : m_document.sections)
        section(s);
}

void ReportLayout::newPage()
{
    ReportPage next;
    next.number = static_cast<int>(m_pages.size()) + 1;
    next.paperMm = m_paper;
    m_pages.push_back(next);
    frame();
    m_y = Margin + FrameHeight;
    placeBlocks(m_document.pageHeader);
    if (m_section)
        placeBlocks(m_section->pageHeader);
    if (m_table)
        columnHeads();
    m_pageTop = m_y;
}

// Title, program and year, print date and page number at the top; the footer lines at the bottom.
void ReportLayout::frame()
{
    const double top = Margin;
    text(QRectF(m_left, top, m_width / 3, LineHeight), m_document.frame.programLine(),
         ReportColumn::Align::Left, ReportItem::Font::Normal);
    text(QRectF(m_left + m_width / 4, top, m_width / 2, 8), m_document.title, ReportColumn::Align::Center,
         ReportItem::Font::Title);
    text(QRectF(m_left, top + 8.5, m_width, LineHeight), m_document.subtitle, ReportColumn::Align::Center,
         ReportItem::Font::Normal);
    text(QRectF(m_left + m_width * 2 / 3, top, m_width / 3, LineHeight), m_document.frame.printedLine(),
         ReportColumn::Align::Right, ReportItem::Font::Normal);
    text(QRectF(m_left + m_width * 2 / 3, top + LineHeight, m_width / 3, LineHeight),
         ReportFrame::pageLine(page().number), ReportColumn::Align::Right, ReportItem::Font::Normal);
    rule(top + FrameHeight - 3);
    double y = m_linesTop + RuleGap;
    if (!m_document.footerLines.isEmpty())
        rule(y);
    const auto& bold = m_document.boldFooterLines;
    for (qsizetype i = 0; i < m_document.footerLines.size(); ++i) {
        const bool isBold = std::find(bold.begin(), bold.end(), i) != bold.end();
        text(QRectF(m_left, y, m_width, LineHeight), m_document.footerLines.at(i),
             ReportColumn::Align::Center, isBold ? ReportItem::Font::Bold : ReportItem::Font::Small);
        y += LineHeight;
    }
    pageFoot();
}

// The foot of this page over the whole width, if the document has one for it.
void ReportLayout::pageFoot()
{
    const auto index = static_cast<std::size_t>(page().number - 1);
    if (index < m_document.pageFooters.size())
        placeBlock(m_document.pageFooters.at(index), m_left, m_footTop, m_width);
}

bool ReportLayout::atTopOfPage() const
{
    return m_y <= m_pageTop + 0.001;
}

// Starts a new page unless the given height still fits; something taller than a page is placed
// at the top of a fresh page and runs over its bottom rather than breaking forever.
void ReportLayout::ensure(double height)
{
    if (m_y + height > m_bottom && !atTopOfPage())
        newPage();
}

void ReportLayout::section(const ReportSection& s)
{
    if (!s.pageHeader.empty()) {
        m_section = &s;
        if (atTopOfPage()) {
            placeBlocks(s.pageHeader);
            m_pageTop = m_y;
        } else {
            newPage();
        }
    } else if (s.startsNewPage && !atTopOfPage()) {
        newPage();
    }
    if (!s.heading.isEmpty())
        heading(s.heading);
    blocks(s.blocks);
    if (s.hasTable())
        table(s);
    m_section = nullptr;
}

void ReportLayout::heading(const QString& title)
{
    ensure(HeadingHeight + LineHeight);
    text(QRectF(m_left, m_y, m_width, HeadingHeight), title, ReportColumn::Align::Left,
         ReportItem::Font::Bold);
    m_y += HeadingHeight;
}

void ReportLayout::blocks(const std::vector<ReportTextBlock>& list)
{
    ensure(blocksHeight(list));
    placeBlocks(list);
}

double ReportLayout::blocksHeight(const std::vector<ReportTextBlock>& list)
{
    double height = 0;
    for (const ReportTextBlock& block : list)
        height = std::max(height, blockHeight(block));
    return height;
}

double ReportLayout::blockHeight(const ReportTextBlock& block)
{
    return block.lines.size() * LineHeight + (block.framed ? 2 * BoxPadding : 0);
}

void ReportLayout::placeBlocks(const std::vector<ReportTextBlock>& list)
{
    if (list.empty())
        return;
    const double blockWidth = m_width / 2 - BlockGap;
    for (const ReportTextBlock& block : list) {
        const double x = block.side == ReportTextBlock::Side::Left ? m_left : m_left + m_width - blockWidth;
        placeBlock(block, x, m_y, blockWidth);
    }
    m_y += blocksHeight(list) + BlockGap;
}

void ReportLayout::placeBlock(const ReportTextBlock& block, double x, double y, double width)
{
    if (block.framed) {
        box(QRectF(x, y, width, blockHeight(block)));
        x += BoxPadding;
        y += BoxPadding;
        width -= 2 * BoxPadding;
    }
    for (qsizetype i = 0; i < block.lines.size(); ++i) {
        const auto font = i == 0 && block.firstLineBold ? ReportItem::Font::Bold : ReportItem::Font::Normal;
        const QString& line = block.lines.at(i);
        const qsizetype tab = block.captionWidthMm > 0 ? line.indexOf(QLatin1Char('\t')) : -1;
        if (tab < 0) {
            text(QRectF(x, y, width, LineHeight), line, ReportColumn::Align::Left, font);
        } else {
            const double valueX = x + block.captionWidthMm;
            text(QRectF(x, y, block.captionWidthMm, LineHeight), line.left(tab), ReportColumn::Align::Left,
                 ReportItem::Font::Small);
            text(QRectF(valueX, y, x + width - valueX, LineHeight), line.mid(tab + 1),
                 ReportColumn::Align::Left, font);
        }
        y += LineHeight;
    }
}

// Column widths as given, shrunk in proportion when together they are wider than the page.
void ReportLayout::table(const ReportSection& s)
{
    double total = 0;
    for (const ReportColumn& column : s.columns)
        total += column.widthMm;
    const double scale = total > m_width ? m_width / total : 1.0;
    m_columnX.clear();
    m_columnWidth.clear();
    double x = m_left;
    for (const ReportColumn& column : s.columns) {
        m_columnX.push_back(x);
        m_columnWidth.push_back(column.widthMm * scale);
        x += column.widthMm * scale;
    }

    const double firstRow = s.groups.empty() || s.groups.front().rows.empty()
                                ? FooterHeight
                                : rowHeight(s.groups.front().rows.front());
    ensure(headHeight(s) + firstRow);
    m_table = &s;
    columnHeads();

    int index = 0;
    for (const ReportGroup& group : s.groups) {
        if (group.startsNewPage && !atTopOfPage())
            newPage();
        groupHeader(group);
        for (const ReportRow& r : group.rows) {
            const bool alternate = s.shadeAlternateRows && index++ % 2 == 1;
            row(r, r.shaded || alternate);
        }
        if (!group.footerLabel.isEmpty()) {
            std::vector<double> sums;
            for (int c = 0; c < static_cast<int>(s.columns.size()); ++c)
                sums.push_back(group.sum(c));
            sumLine(group.footerLabel, sums, QString(), false);
        }
    }
    if (!s.summaryLabel.isEmpty()) {
        std::vector<double> sums;
        for (int c = 0; c < static_cast<int>(s.columns.size()); ++c)
            sums.push_back(s.total(c));
        const QString count = s.countColumn >= 0 ? QString::number(s.rowCount()) + s.countSuffix : QString();
        sumLine(s.summaryLabel, sums, count, true);
    }
    m_table = nullptr;
    m_y += LineHeight;
}

void ReportLayout::columnHeads()
{
    const double height = headHeight(*m_table);
    for (int c = 0; c < static_cast<int>(m_table->columns.size()); ++c) {
        const ReportColumn& column = m_table->columns.at(c);
        const QStringList lines = column.headLines();
        for (qsizetype i = 0; i < lines.size(); ++i)
            text(cell(c, m_y + i * HeadLineHeight, HeadLineHeight), lines.at(i), column.align,
                 ReportItem::Font::Bold);
    }
    m_y += height;
    rule(m_y - RuleGap / 2);
}

void ReportLayout::groupHeader(const ReportGroup& group)
{
    if (group.header.isEmpty())
        return;
    const double firstRow = group.rows.empty() ? FooterHeight : rowHeight(group.rows.front());
    ensure(GroupHeaderHeight + firstRow);
    text(QRectF(m_left, m_y + 1, m_width, GroupHeaderHeight - 1), group.header, ReportColumn::Align::Left,
         ReportItem::Font::Bold);
    m_y += GroupHeaderHeight;
}

void ReportLayout::row(const ReportRow& r, bool shaded)
{
    const double height = rowHeight(r);
    ensure(height);
    if (shaded)
        shade(QRectF(m_left, m_y, m_width, height));
    const auto& columns = m_table->columns;
    for (int c = 0; c < static_cast<int>(columns.size()) && c < r.values.size(); ++c)
        text(cell(c, m_y, LineHeight), columns.at(c).printed(r.values.at(c)), columns.at(c).align,
             ReportItem::Font::Normal);
    double y = m_y + LineHeight;
    for (const QStringList& line : r.extraLines) {
        for (int c = 0; c < static_cast<int>(columns.size()) && c < line.size(); ++c)
            text(cell(c, y, LineHeight), line.at(c), columns.at(c).align, ReportItem::Font::Normal);
        y += LineHeight;
    }
    for (const QString& line : r.wideLines) {
        text(QRectF(m_left + CellPadding, y, m_width - 2 * CellPadding, LineHeight), line,
             ReportColumn::Align::Left, ReportItem::Font::Normal);
        y += LineHeight;
    }
    if (r.underlined)
        rule(m_y + (1 + r.extraLines.size()) * LineHeight);
    m_y += height;
}

// A footer or summary line: the label spans the columns before the first value printed; when
// they leave too little room, the label stands on a line of its own above the values.
void ReportLayout::sumLine(const QString& label, const std::vector<double>& sums, const QString& count,
                           bool summary)
{
    const auto& columns = m_table->columns;
    int firstValue = static_cast<int>(columns.size());
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        if (columns.at(c).summed || (summary && c == m_table->countColumn)) {
            firstValue = c;
            break;
        }
    }
    const double labelEnd =
        firstValue < static_cast<int>(columns.size()) ? m_columnX.at(firstValue) : m_left + m_width;
    const bool labelAbove = labelEnd - m_left < MinLabelWidth;
    const double height = (summary ? FooterHeight + RuleGap : FooterHeight) + (labelAbove ? LineHeight : 0);
    ensure(height);
    rule(m_y + RuleGap / 2);
    double top = m_y + RuleGap;
    text(QRectF(m_left + CellPadding, top, (labelAbove ? m_width : labelEnd - m_left) - 2 * CellPadding,
                LineHeight),
         label, ReportColumn::Align::Left, ReportItem::Font::Bold);
    if (labelAbove)
        top += LineHeight;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const ReportColumn& column = columns.at(c);
        if (summary && c == m_table->countColumn)
            text(cell(c, top, LineHeight), count, column.align, ReportItem::Font::Bold);
        else if (column.summed)
            text(cell(c, top, LineHeight), column.printedSum(sums.at(c)), column.align,
                 ReportItem::Font::Bold);
    }
    m_y += height;
    if (summary)
        rule(m_y);
}

double ReportLayout::headHeight(const ReportSection& s)
{
    qsizetype lines = 1;
    for (const ReportColumn& column : s.columns)
        lines = std::max(lines, column.headLines().size());
    return lines * HeadLineHeight + RuleGap;
}

double ReportLayout::rowHeight(const ReportRow& r) const
{
    return (1 + r.extraLines.size() + r.wideLines.size()) * LineHeight;
}

QRectF ReportLayout::cell(int column, double top, double height) const
{
    return QRectF(m_columnX.at(column) + CellPadding, top, m_columnWidth.at(column) - 2 * CellPadding,
                  height);
}

void ReportLayout::text(const QRectF& rect, const QString& content, ReportColumn::Align align,
                        ReportItem::Font font)
{
    if (content.isEmpty())
        return;
    ReportItem item;
    item.kind = ReportItem::Kind::Text;
    item.rectMm = rect;
    item.text = content;
    item.align = align;
    item.font = font;
    page().items.push_back(item);
}

void ReportLayout::shade(const QRectF& rect)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Shade;
    item.rectMm = rect;
    page().items.push_back(item);
}

void ReportLayout::box(const QRectF& rect)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Box;
    item.rectMm = rect;
    page().items.push_back(item);
}

void ReportLayout::rule(double y)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Rule;
    item.rectMm = QRectF(m_left, y, m_width, 0);
    page().items.push_back(item);
}

} // namespace korbelant
