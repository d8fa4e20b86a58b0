#include "customers/ui/PlanningMarkDelegate.h"

#include "customers/ui/CustomerTableModel.h"

namespace korbelant {

void PlanningMarkDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(CustomerTableModel::kPlanningMarkRole).toInt() > 0) {
        option->palette.setColor(QPalette::Highlight, QColor(0, 100, 0));
        option->palette.setColor(QPalette::HighlightedText, Qt::black);
    }
}

} // namespace korbelant
