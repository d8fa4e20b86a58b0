#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace korbelant {

// The plain paragraphs of a rich-text (RTF) file, read as far as a printed footer needs: text,
// paragraph breaks, escaped and hexadecimal (Windows-1252) and Unicode characters, and bold.
// Tables of fonts, colours and styles and other destinations are left out.
class RtfText
{
public:
    struct Paragraph
    {
        QString text;
        bool bold = false; // the paragraph starts in bold
    };

    static std::vector<Paragraph> parse(const QByteArray& rtf);
    // The paragraphs of a file; none when it is missing or is no RTF.
    static std::vector<Paragraph> read(const QString& path);
};

} // namespace korbelant
