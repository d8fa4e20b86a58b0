#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <vector>

class QPaintDevice;
class QTextBlock;
class QTextTable;

namespace korbelant {

// The body of the user manual: its chapters, Markdown files read in the given order into one
// document and laid out in pages on the paint device. Every chapter ("#") starts on a new page,
// no heading is left alone at the foot of a page, and notes and code blocks stand in tinted boxes.
//
// The Markdown the chapters may use: headings "#" (chapter), "##" (section) and "###"; paragraphs
// separated by blank lines; lists with "-" or "1."; tables with "|" columns and a "---" line
// under the column titles; "**bold**", "*italic*", "`code`"; code blocks between "```" lines;
// "> " for a note set apart from the text.
class ManualBook
{
public:
    struct Heading
    {
        int level = 0;
        QString text;
        int page = 0; // the body page it stands on, counted from 0
    };

    // pageSize in the units of the device, on which the document is laid out.
    ManualBook(QPaintDevice* device, const QSizeF& pageSize);

    // Reads the chapters; false with a German message when one cannot be read.
    bool load(const QStringList& files, QString* error);

    QTextDocument& document() { return m_document; }
    int pageCount() const { return m_document.pageCount(); }
    // The chapters and sections, in order, for the table of contents.
    std::vector<Heading> headings() const;

private:
    // Points in the units of the formats' margins and borders.
    qreal points(qreal pt) const { return pt * m_unitsPerInch / 72.0; }

    void applyStyle();
    void frameBoxes();
    void styleBlocks();
    void styleHeading(const QTextBlock& block, int level);
    void styleTable(QTextTable* table);
    void keepHeadingsWithText();
    int pageOf(const QTextBlock& block) const;

    QTextDocument m_document;
    qreal m_unitsPerInch = 96;
};

} // namespace korbelant
