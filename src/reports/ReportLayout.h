#pragma once

#include "reports/ReportDocument.h"
#include "reports/ReportPage.h"

#include <vector>

namespace korbelant {

// Lays a report document out onto A4 pages: the page frame on every page (title, program and
// year, print date, page number, the page header blocks, the page's foot and the footer lines), the page
// headers of sections, page breaks, column heads repeated on
// every page a table runs over, group headers kept together with their first row, group footers with sums and
// the summary. Geometry is in millimetres and needs no fonts, so the pages can be checked without a display
// and drawn onto any paint device afterwards.
class ReportLayout
{
public:
    static std::vector<ReportPage> layout(const ReportDocument& document);

    // Heights in millimetres of the kinds of lines.
    static constexpr double Margin = 12;
    static constexpr double LineHeight = 4.5;
    static constexpr double HeadLineHeight = 4;
    static constexpr double GroupHeaderHeight = 6.5;
    static constexpr double FooterHeight = 6;
    static constexpr double HeadingHeight = 7;
    static constexpr double FrameHeight = 17;

private:
    explicit ReportLayout(const ReportDocument& document);

    void run();
    void newPage();
    void frame();
    void ensure(double height);
    bool atTopOfPage() const;

    void section(const ReportSection& section);
    void heading(const QString& text);
    void blocks(const std::vector<ReportTextBlock>& blocks);
    void placeBlocks(const std::vector<ReportTextBlock>& blocks);
    void placeBlock(const ReportTextBlock& block, double x, double y, double width);
    static double blocksHeight(const std::vector<ReportTextBlock>& blocks);
    static double blockHeight(const ReportTextBlock& block);
    void pageFoot();
    void box(const QRectF& rect);
    void table(const ReportSection& section);
    void columnHeads();
    void groupHeader(const ReportGroup& group);
    void row(const ReportRow& row, bool shaded);
    void sumLine(const QString& label, const std::vector<double>& sums, const QString& count, bool summary);

    static double headHeight(const ReportSection& section);
    double rowHeight(const ReportRow& row) const;
    QRectF cell(int column, double top, double height) const;
    void text(const QRectF& rect, const QString& text, ReportColumn::Align align, ReportItem::Font font);
    void shade(const QRectF& rect);
    void rule(double y);
    ReportPage& page() { return m_pages.back(); }

    const ReportDocument& m_document;
    QSizeF m_paper;
    double m_left;
    double m_width;
    double m_bottom;
    double m_y = 0;
    double m_pageTop = 0;
    double m_linesTop = 0;                    // where the footer lines begin
    double m_footTop = 0;                     // where the page's foot begins
    const ReportSection* m_section = nullptr; // the section whose page header is repeated
    const ReportSection* m_table = nullptr;
    std::vector<double> m_columnX;
    std::vector<double> m_columnWidth;
    std::vector<ReportPage> m_pages;
};

} // namespace korbelant
