#pragma once

#include "manual/ManualBook.h"

#include <QPdfWriter>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace korbelant {

// Writes the user manual as an A4 PDF: a title page with the program's name and version, the
// table of contents with the page of every chapter and section, then the chapters; every page
// after the title carries its number in the foot line.
class ManualPdf
{
public:
    ManualPdf(const QString& path, const QString& version);

    // False with a German message when a chapter cannot be read or the file cannot be written.
    bool write(const QStringList& chapters, QString* error);

private:
    struct ContentsLine
    {
        const ManualBook::Heading* heading;
        qreal y; // from the top of the text area
    };

    qreal mm(qreal millimetres) const;
    qreal points(qreal pt) const;
    QFont font(qreal pointSize, bool bold = false) const;
    std::vector<std::vector<ContentsLine>>
    contentsPages(const std::vector<ManualBook::Heading>& headings) const;
    void drawTitlePage(QPainter& painter);
    void drawContentsPage(QPainter& painter, const std::vector<ContentsLine>& lines, bool first,
                          int bodyStart);
    void drawBodyPage(QPainter& painter, int index);
    void drawFootLine(QPainter& painter, int pageNumber);

    QPdfWriter m_writer;
    QString m_version;
    QRectF m_text; // the text area of a page, in device units
    ManualBook m_book;
};

} // namespace korbelant
