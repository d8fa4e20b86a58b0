#include "widgets/GridSearch.h"

#include <QTableWidget>

namespace korbelant {

bool GridSearch::moveToPrefix(QTableWidget* grid, int column, const QString& text)
{
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem* item = grid->item(row, column);
        if (item && item->text().startsWith(text, Qt::CaseInsensitive)) {
            grid->setCurrentCell(row, column);
            grid->scrollToItem(grid->item(row, column));
            return true;
        }
    }
    return false;
}

} // namespace korbelant
