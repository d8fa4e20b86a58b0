#pragma once

#include <QStringList>

namespace korbelant {

// Free lines of text such as an address block; blocks of one section stand side by side, a
// left block at the left margin, a right block at the right margin. A framed block is drawn in a
// box, as the fields of a form. With a caption width, a line "caption\tvalue" prints its value
// that far right of the caption, so that the values of a block stand in one column.
struct ReportTextBlock
{
    enum class Side
    {
        Left,
        Right
    };

    QStringList lines;
    Side side = Side::Left;
    bool firstLineBold = false;
    bool framed = false;
    double captionWidthMm = 0;
};

} // namespace korbelant
