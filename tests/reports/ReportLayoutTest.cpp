#include "reports/ReportLayout.h"

#include <gtest/gtest.h>

namespace korbelant {
namespace {

using Format = ReportColumn::Format;

ReportDocument listDocument(const std::vector<int>& groupSizes, ReportDocument::Orientation orientation)
{
    ReportDocument doc;
    doc.title = QStringLiteral("Testliste");
    doc.orientation = orientation;
    doc.frame.program = QStringLiteral("Korbelant");
    doc.frame.year = QStringLiteral("2026");
    doc.frame.printDate = QDate(2026, 12, 10);
    doc.footerLines = {QStringLiteral("Erste Fußzeile"), QStringLiteral("Zweite Fußzeile")};
    doc.pageHeader = {
        {{QStringLiteral("Konto 4711")}, ReportTextBlock::Side::Left, false},
        {{QStringLiteral("Beraterin"), QStringLiteral("Ute Brandt")}, ReportTextBlock::Side::Right, true}};
    ReportSection section;
    section.columns = {ReportColumn::text(QStringLiteral("Nr."), 20),
                       ReportColumn::text(QStringLiteral("Name,\nVorname"), 60),
                       ReportColumn::number(QStringLiteral("Stück"), 20, Format::Integer, true),
                       ReportColumn::number(QStringLiteral("Betrag"), 30, Format::Money, true)};
    int n = 0;
    for (std::size_t g = 0; g < groupSizes.size(); ++g) {
        ReportGroup group;
        group.header = QStringLiteral("Gruppe %1").arg(g + 1);
        group.footerLabel = QStringLiteral("Teilsumme");
        for (int r = 0; r < groupSizes[g]; ++r, ++n)
            group.rows.push_back(
                {{QStringLiteral("R%1").arg(n), QStringLiteral("Name %1").arg(n), 1, 1000.5}, {}});
        section.groups.push_back(group);
    }
    section.summaryLabel = QStringLiteral("Summe komplett");
    section.countColumn = 1;
    section.countSuffix = QStringLiteral(" Zeilen");
    doc.sections.push_back(section);
    return doc;
}

// Every page carries the frame: title, program and year, print date, its page number, the page
// header blocks, the footer lines, and the column heads of the table running over it.
TEST(ReportLayout, FrameAndColumnHeadsOnEveryPage)
{
    const auto pages = ReportLayout::layout(listDocument({70, 50}, ReportDocument::Orientation::Portrait));
    ASSERT_GE(pages.size(), 3u);
    for (const ReportPage& page : pages) {
        SCOPED_TRACE(page.number);
        EXPECT_EQ(page.paperMm, QSizeF(210, 297));
        for (const char* text :
             {"Testliste", "Korbelant 2026", "Gedruckt : 10.12.2026", "Konto 4711", "Ute Brandt",
              "Erste Fußzeile", "Zweite Fußzeile", "Nr.", "Name,", "Vorname", "Stück", "Betrag"})
            EXPECT_TRUE(page.hasText(QString::fromUtf8(text))) << text;
        EXPECT_TRUE(page.hasText(QStringLiteral("Blatt %1").arg(page.number)));
        // The page header stands between the frame and the column heads.
        EXPECT_LT(page.findText(QStringLiteral("Ute Brandt"))->rectMm.bottom(),
                  page.findText(QStringLiteral("Nr."))->rectMm.top());
        // Nothing of the body runs into the footer lines.
        const double footerTop = page.findText(QStringLiteral("Erste Fußzeile"))->rectMm.top();
        for (const ReportItem& item : page.items) {
            if (item.kind == ReportItem::Kind::Text && !item.text.contains(QStringLiteral("Fußzeile"))) {
                EXPECT_LE(item.rectMm.bottom(), footerTop + 0.001) << item.text.toStdString();
            }
        }
    }
    // Every row printed once, in order, over all pages.
    QStringList rows;
    for (const ReportPage& page : pages) {
        for (const QString& text : page.texts()) {
            if (text.startsWith(QLatin1Char('R')) && text.size() <= 4)
                rows << text;
        }
    }
    ASSERT_EQ(rows.size(), 120);
    EXPECT_EQ(rows.first(), QStringLiteral("R0"));
    EXPECT_EQ(rows.last(), QStringLiteral("R119"));
}

// Whatever the size of the groups before it, a group header never stands alone at the bottom of a
// page, and neither do the column heads.
TEST(ReportLayout, GroupHeaderKeptWithItsFirstRow)
{
    for (int first = 40; first <= 60; ++first) {
        SCOPED_TRACE(first);
        const auto pages =
            ReportLayout::layout(listDocument({first, 3, 3}, ReportDocument::Orientation::Portrait));
        for (const ReportPage& page : pages) {
            const QStringList texts = page.texts();
            for (qsizetype i = 0; i < texts.size(); ++i) {
                if (texts[i].startsWith(QStringLiteral("Gruppe"))) {
                    ASSERT_LT(i + 1, texts.size());
                    EXPECT_TRUE(texts[i + 1].startsWith(QLatin1Char('R'))) << texts[i + 1].toStdString();
                }
            }
            EXPECT_NE(texts.last(), QStringLiteral("Betrag"));
        }
    }
}

TEST(ReportLayout, GroupFootersAndSummarySum)
{
    const auto pages = ReportLayout::layout(listDocument({2, 3}, ReportDocument::Orientation::Portrait));
    ASSERT_EQ(pages.size(), 1u);
    std::vector<QStringList> footers;
    for (const ReportItem& item : pages[0].items) {
        if (item.text == QStringLiteral("Teilsumme"))
            footers.push_back(pages[0].lineOf(item));
    }
    ASSERT_EQ(footers.size(), 2u);
    EXPECT_EQ(footers[0], (QStringList{"Teilsumme", "2", "2.001,00"}));
    EXPECT_EQ(footers[1], (QStringList{"Teilsumme", "3", "3.001,50"}));
    EXPECT_EQ(pages[0].lineOf(*pages[0].findText(QStringLiteral("Summe komplett"))),
              (QStringList{"Summe komplett", "5 Zeilen", "5", "5.002,50"}));
}

// A summed first column leaves no room for the label: it stands on its own line above the sums.
TEST(ReportLayout, SumLabelAboveWhenFirstColumnIsSummed)
{
    ReportDocument doc = listDocument({2}, ReportDocument::Orientation::Portrait);
    ReportSection& table = doc.sections[0];
    table.columns.erase(table.columns.begin(), table.columns.begin() + 2);
    for (ReportRow& row : table.groups[0].rows)
        row.values.remove(0, 2);
    table.countColumn = -1;
    const auto pages = ReportLayout::layout(doc);
    const ReportItem* label = pages[0].findText(QStringLiteral("Teilsumme"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(pages[0].lineOf(*label), QStringList{"Teilsumme"});
    const QStringList texts = pages[0].texts();
    const qsizetype at = texts.indexOf(QStringLiteral("Teilsumme"));
    EXPECT_EQ(texts.mid(at, 3), (QStringList{"Teilsumme", "2", "2.001,00"}));
}

// Landscape paper; columns wider than the page are narrowed to fit it.
TEST(ReportLayout, LandscapeAndOverwideColumns)
{
    ReportDocument doc = listDocument({3}, ReportDocument::Orientation::Landscape);
    for (ReportColumn& column : doc.sections[0].columns)
        column.widthMm *= 4;
    const auto pages = ReportLayout::layout(doc);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].paperMm, QSizeF(297, 210));
    const ReportItem* amount = pages[0].findText(QStringLiteral("Betrag"));
    ASSERT_NE(amount, nullptr);
    EXPECT_LE(amount->rectMm.right(), 297 - ReportLayout::Margin);
    EXPECT_GT(amount->rectMm.right(), 297 - ReportLayout::Margin - 5);
    for (const ReportItem& item : pages[0].items)
        EXPECT_LE(item.rectMm.right(), 297 - ReportLayout::Margin + 0.001);
}

TEST(ReportLayout, ExtraLinesShadingBlocksAndNewPageGroups)
{
    ReportDocument doc = listDocument({2, 2}, ReportDocument::Orientation::Portrait);
    ReportSection& table = doc.sections[0];
    table.shadeAlternateRows = true;
    table.groups[0].rows[0].extraLines = {{QString(), QStringLiteral("Hauptstraße 1")}};
    table.groups[1].startsNewPage = true;
    ReportSection address;
    address.blocks = {
        {{QStringLiteral("Frau"), QStringLiteral("Anna Müller")}, ReportTextBlock::Side::Left, false},
        {{QStringLiteral("Beraterin"), QStringLiteral("Ute Brandt")}, ReportTextBlock::Side::Right, true}};
    doc.sections.insert(doc.sections.begin(), address);

    const auto pages = ReportLayout::layout(doc);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].lineOf(*pages[0].findText(QStringLiteral("Frau"))),
              (QStringList{"Frau", "Beraterin"}));
    EXPECT_EQ(pages[0].findText(QStringLiteral("Beraterin"))->font, ReportItem::Font::Bold);
    const QStringList first = pages[0].texts();
    EXPECT_EQ(first.indexOf(QStringLiteral("Hauptstraße 1")), first.indexOf(QStringLiteral("Name 0")) + 3);
    EXPECT_TRUE(pages[1].hasText(QStringLiteral("Gruppe 2")));
    EXPECT_FALSE(pages[0].hasText(QStringLiteral("Gruppe 2")));
    int shaded = 0;
    for (const ReportPage& page : pages) {
        for (const ReportItem& item : page.items)
            shaded += item.kind == ReportItem::Kind::Shade;
    }
    EXPECT_EQ(shaded, 2); // the second and fourth row
}

// A section's own page header stands on every page the section takes, under the document's;
// the foot of page n is the document's n-th page footer, its room kept free on every page; framed
// blocks are boxes, and a caption width sets the values of "caption\tvalue" lines in one column.
TEST(ReportLayout, SectionPageHeadersPageFootsAndBoxes)
{
    ReportDocument doc = listDocument({80}, ReportDocument::Orientation::Portrait);
    ReportTextBlock sheet{{QStringLiteral("Blatt für Anna")}, ReportTextBlock::Side::Left, true};
    sheet.framed = true;
    doc.sections[0].pageHeader = {sheet};
    ReportTextBlock foot{{QStringLiteral("Fuß eins"), QStringLiteral("Termin\t20.02.2026")},
                         ReportTextBlock::Side::Left,
                         false};
    foot.framed = true;
    foot.captionWidthMm = 30;
    doc.pageFooters = {foot};

    const auto pages = ReportLayout::layout(doc);
    ASSERT_GE(pages.size(), 2u);
    const ReportItem* footTop = pages[0].findText(QStringLiteral("Fuß eins"));
    ASSERT_NE(footTop, nullptr);
    for (const ReportPage& page : pages) {
        SCOPED_TRACE(page.number);
        EXPECT_TRUE(page.hasText(QStringLiteral("Blatt für Anna")));
        EXPECT_LT(page.findText(QStringLiteral("Ute Brandt"))->rectMm.bottom(),
                  page.findText(QStringLiteral("Blatt für Anna"))->rectMm.top());
        EXPECT_EQ(page.hasText(QStringLiteral("Fuß eins")), page.number == 1);
        int boxes = 0;
        for (const ReportItem& item : page.items) {
            boxes += item.kind == ReportItem::Kind::Box;
            if (item.kind == ReportItem::Kind::Text && item.text.startsWith(QStringLiteral("R"))) {
                EXPECT_LT(item.rectMm.bottom(), footTop->rectMm.top()) << item.text.toStdString();
            }
        }
        EXPECT_EQ(boxes, page.number == 1 ? 2 : 1);
    }
    const ReportItem* caption = pages[0].findText(QStringLiteral("Termin"));
    const ReportItem* value = pages[0].findText(QStringLiteral("20.02.2026"));
    ASSERT_TRUE(caption && value);
    EXPECT_DOUBLE_EQ(value->rectMm.left(), caption->rectMm.left() + 30);
    EXPECT_EQ(pages[0].lineOf(*caption), (QStringList{"Termin", "20.02.2026"}));
}

// A row marked shaded is shaded whatever the section's alternate shading says.
TEST(ReportLayout, RowsShadedByTheirOwnMark)
{
    ReportDocument doc = listDocument({4}, ReportDocument::Orientation::Portrait);
    doc.sections[0].groups[0].rows[0].shaded = true;
    doc.sections[0].groups[0].rows[2].shaded = true;
    const auto pages = ReportLayout::layout(doc);
    std::vector<QString> shaded;
    for (const ReportItem& shade : pages[0].items) {
        if (shade.kind != ReportItem::Kind::Shade)
            continue;
        for (const ReportItem& item : pages[0].items) {
            if (item.kind == ReportItem::Kind::Text && item.text.startsWith(QStringLiteral("R")) &&
                shade.rectMm.contains(item.rectMm.center()))
                shaded.push_back(item.text);
        }
    }
    EXPECT_EQ(shaded, (std::vector<QString>{"R0", "R2"}));
}

TEST(ReportColumn, PrintedForms)
{
    ReportColumn money = ReportColumn::number(QStringLiteral("Summe"), 20, Format::Money, true);
    EXPECT_EQ(money.printed(1234.5), QStringLiteral("1.234,50"));
    EXPECT_EQ(money.printed(-0.5), QStringLiteral("-0,50"));
    EXPECT_EQ(money.printed(QVariant()), QString());
    EXPECT_EQ(money.printed(0), QStringLiteral("0,00"));
    money.blankZero = true;
    EXPECT_EQ(money.printed(0), QString());
    // Sums are never blank; a suffix follows values and sums, a sum suffix only the sums.
    money.suffix = QStringLiteral(" €");
    money.sumSuffix = QStringLiteral(" gesamt");
    EXPECT_EQ(money.printed(5), QStringLiteral("5,00 €"));
    EXPECT_EQ(money.printedSum(0), QStringLiteral("0,00 € gesamt"));
    const ReportColumn count = ReportColumn::number(QStringLiteral("Stück"), 20, Format::Integer, true);
    EXPECT_EQ(count.printed(12000), QStringLiteral("12.000"));
    EXPECT_EQ(ReportColumn::text(QStringLiteral("Text"), 20).printed(QStringLiteral("0")),
              QStringLiteral("0"));
}

} // namespace
} // namespace korbelant
