#pragma once

class QTableView;

namespace korbelant {

// The columns of a grid as wide as their titles and the texts they show, with a little room
// between one column's text and the next.
class GridColumns
{
public:
    static void fitToContents(QTableView* grid);
    // After one row changed: the columns its texts no longer fit are widened, none made narrower.
    static void widenToFit(QTableView* grid, int row);
};

} // namespace korbelant
