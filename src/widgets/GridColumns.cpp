#include "widgets/GridColumns.h"

#include <QHeaderView>
#include <QTableView>

namespace korbelant {

void GridColumns::fitToContents(QTableView* grid)
{
    grid->resizeColumnsToContents();
    const int room = grid->fontMetrics().averageCharWidth();
    for (int column = 0; column < grid->horizontalHeader()->count(); ++column)
        grid->setColumnWidth(column, grid->columnWidth(column) + room);
}

} // namespace korbelant
