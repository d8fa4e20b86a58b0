#pragma once

#include "reports/ReportColumn.h"

#include <QRectF>
#include <QString>

namespace korbelant {

// One thing drawn on a laid-out page, positioned in millimetres from the paper's top left: a
// line of text in its box, a shaded background, a horizontal rule or the frame of a box.
struct ReportItem
{
    enum class Kind
    {
        Text,
        Shade,
        Rule,
        Box
    };
    enum class Font
    {
        Normal,
        Bold,
        Title,
        Small
    };

    Kind kind = Kind::Text;
    QRectF rectMm;
    QString text;
    ReportColumn::Align align = ReportColumn::Align::Left;
    Font font = Font::Normal;
};

} // namespace korbelant
