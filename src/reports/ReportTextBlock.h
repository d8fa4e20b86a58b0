#pragma once

#include <QStringList>

namespace korbelant {

// Free lines of text such as an address block; blocks of one section stand side by side, a
// left block at the left margin, a right block at the right margin.
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
};

} // namespace korbelant
