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

void GridColumns::widenToFit(QTableView* grid, int row)
{
    const QAbstractItemModel* model = grid->model();
    const int room = grid->fontMetrics().averageCharWidth();
    for (int column = 0; column < model->columnCount(); ++column) {
        const int needed = grid->sizeHintForIndex(model->index(row, column)).width() + room;
        if (needed > grid->columnWidth(column))
            grid->setColumnWidth(column, needed);
    }
}

} // namespace korbelant
