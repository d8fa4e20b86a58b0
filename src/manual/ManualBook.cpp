#include "manual/ManualBook.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <utility>

namespace korbelant {

namespace {

const QColor kHeadingColour(0x1c, 0x3f, 0x94);
const QColor kRuleColour(0xa0, 0xa8, 0xb8);
const QColor kTableHeadColour(0xe4, 0xea, 0xf6);
const QColor kCodeColour(0xf0, 0xf0, 0xf0);
const QColor kNoteColour(0xfd, 0xf6, 0xdc);
const QString kBodyFont = QStringLiteral("DejaVu Sans");
const QString kCodeFont = QStringLiteral("DejaVu Sans Mono");
constexpr qreal kBodySize = 10;
// Marks the flat blocks around a box.
constexpr int kSpacer = QTextFormat::UserProperty + 1;

struct HeadingLook
{
    qreal size;
    qreal above;
    qreal below;
};
// Chapter, section, subsection.
const HeadingLook kHeadingLooks[] = {{20, 0, 12}, {13.5, 14, 5}, {11, 10, 3}};

void mergeChars(QTextCursor cursor, int from, int to, const QTextCharFormat& format)
{
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

// The look of a heading's characters. The size the Markdown reader gives a heading is relative
// and would win over any size merged in, so it goes.
QTextCharFormat headingChars(QTextCharFormat format, qreal size)
{
    format.clearProperty(QTextFormat::FontSizeAdjustment);
    format.setFontPointSize(size);
    format.setFontWeight(QFont::Bold);
    format.setForeground(kHeadingColour);
    return format;
}

} // namespace

ManualBook::ManualBook(QPaintDevice* device, const QSizeF& pageSize)
{
    // Margins, paddings and borders of the formats are in pixels of the screen; the layout scales
    // them to the device.
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_unitsPerInch = screen ? screen->logicalDotsPerInchY() : 96;
    m_document.documentLayout()->setPaintDevice(device);
    m_document.setUseDesignMetrics(true);
    m_document.setDocumentMargin(0);
    m_document.setPageSize(pageSize);
    QFont font(kBodyFont);
    font.setPointSizeF(kBodySize);
    m_document.setDefaultFont(font);
}

bool ManualBook::load(const QStringList& files, QString* error)
{
    QString text;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            *error = QStringLiteral("Das Kapitel %1 kann nicht gelesen werden.").arg(path);
            return false;
        }
        text += QString::fromUtf8(file.readAll()) + QStringLiteral("\n\n");
    }
    m_document.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    applyStyle();
    return true;
}

void ManualBook::applyStyle()
{
    frameBoxes();
    styleBlocks();
    for (QTextFrame* frame : m_document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            styleTable(table);
    }
    keepHeadingsWithText();
}

void ManualBook::frameBoxes()
{
    // Notes ("> ") and code blocks stand in tinted frames with some room around their text. A
    // frame leaves an empty block before and after it, which is made as flat as it can be.
    struct Box
    {
        int from;
        int to;
        QColor colour;
    };
    std::vector<Box> boxes;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        const bool note = format.hasProperty(QTextFormat::BlockQuoteLevel);
        if (!note && !format.hasProperty(QTextFormat::BlockCodeFence))
            continue;
        const QColor colour = note ? kNoteColour : kCodeColour;
        const int end = block.position() + block.length() - 1;
        if (!boxes.empty() && boxes.back().colour == colour && boxes.back().to + 1 == block.position())
            boxes.back().to = end; // the next line of the same code block
        else
            boxes.push_back({block.position(), end, colour});
    }
    QTextBlockFormat flat;
    flat.setProperty(kSpacer, true);
    flat.setLineHeight(0.01, QTextBlockFormat::FixedHeight);
    QTextCharFormat tiny;
    tiny.setFontPointSize(1);
    // From the end, so that the positions still to come stay where they are.
    for (auto box = boxes.rbegin(); box != boxes.rend(); ++box) {
        QTextFrameFormat frame;
        frame.setBackground(box->colour);
        frame.setPadding(points(5));
        frame.setTopMargin(points(2));
        frame.setBottomMargin(points(6));
        QTextCursor cursor(&m_document);
        cursor.setPosition(box->from);
        cursor.setPosition(box->to, QTextCursor::KeepAnchor);
        const QTextFrame* framed = cursor.insertFrame(frame);
        for (const QTextBlock& spacer : {framed->firstCursorPosition().block().previous(),
                                         framed->lastCursorPosition().block().next()}) {
            QTextCursor flatten(spacer);
            flatten.setBlockFormat(flat);
            flatten.setBlockCharFormat(tiny);
        }
    }
}

void ManualBook::styleBlocks()
{
    std::vector<std::pair<int, int>> codeSpans;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (const int level = block.blockFormat().headingLevel(); level > 0) {
            styleHeading(block, level);
            continue;
        }
        if (block.blockFormat().hasProperty(kSpacer))
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setLineHeight(118, QTextBlockFormat::ProportionalHeight);
        format.setTopMargin(0);
        if (cursor.currentTable() || cursor.currentFrame() != m_document.rootFrame()) {
            format.setBottomMargin(0); // in a table cell or a box
        } else if (block.textList()) {
            // The last item keeps the distance of a paragraph to what follows the list.
            const bool last = !block.next().isValid() || block.next().textList() != block.textList();
            format.setBottomMargin(points(last ? 5 : 2));
        } else {
            format.setBottomMargin(points(5));
        }
        cursor.setBlockFormat(format);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontFixedPitch())
                codeSpans.emplace_back(it.fragment().position(),
                                       it.fragment().position() + it.fragment().length());
        }
    }
    // Code in the monospaced companion of the body font, a little smaller.
    QTextCharFormat code;
    code.setFontFamilies({kCodeFont});
    code.setFontPointSize(kBodySize - 0.5);
    for (const auto& [from, to] : codeSpans)
        mergeChars(QTextCursor(&m_document), from, to, code);
}

void ManualBook::styleHeading(const QTextBlock& block, int level)
{
    const HeadingLook& look = kHeadingLooks[std::min(level, 3) - 1];
    QTextBlockFormat format = block.blockFormat();
    format.setTopMargin(points(look.above));
    format.setBottomMargin(points(look.below));
    format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
    if (level == 1) {
        if (block.position() > 0)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                           QTextLength(QTextLength::PercentageLength, 100));
    }
    QTextCursor cursor(block);
    cursor.setBlockFormat(format);
    cursor.setBlockCharFormat(headingChars(block.charFormat(), look.size));
    std::vector<std::pair<int, int>> fragments;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        fragments.emplace_back(it.fragment().position(), it.fragment().length());
    for (const auto& [position, length] : fragments) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(headingChars(cursor.charFormat(), look.size));
    }
}

void ManualBook::styleTable(QTextTable* table)
{
    QTextTableFormat format = table->format();
    format.setBorder(points(0.5));
    format.setBorderBrush(kRuleColour);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(points(3));
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setHeaderRowCount(1); // repeated at the top of every page the table runs onto
    format.setTopMargin(points(2));
    format.setBottomMargin(points(8));
    table->setFormat(format);

    QTextCharFormat head;
    head.setBackground(kTableHeadColour);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int column = 0; column < table->columns(); ++column) {
        QTextTableCell cell = table->cellAt(0, column);
        QTextCharFormat cellFormat = cell.format();
        cellFormat.merge(head);
        cell.setFormat(cellFormat);
        mergeChars(cell.firstCursorPosition(), cell.firstPosition(), cell.lastPosition(), bold);
    }
}

void ManualBook::keepHeadingsWithText()
{
    // A heading whose text starts on the next page moves there; every move may push later
    // headings down, so the search starts again after each.
    for (bool moved = true; moved;) {
        moved = false;
        for (QTextBlock block = m_document.begin(); block.isValid() && !moved; block = block.next()) {
            QTextBlockFormat format = block.blockFormat();
            const QTextBlock next = block.next();
            if (format.headingLevel() == 0 ||
                format.pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysBefore) || !next.isValid() ||
                pageOf(block) == pageOf(next))
                continue;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
            moved = true;
        }
    }
}

int ManualBook::pageOf(const QTextBlock& block) const
{
    // Half a unit guards a block that starts a page against rounding.
    const qreal top = m_document.documentLayout()->blockBoundingRect(block).top() + 0.5;
    return static_cast<int>(top / m_document.pageSize().height());
}

std::vector<ManualBook::Heading> ManualBook::headings() const
{
    std::vector<Heading> result;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 1 || level == 2)
            result.push_back({level, block.text(), pageOf(block)});
    }
    return result;
}

} // namespace korbelant
