#include "customers/ui/PlanningMarkDelegate.h"

#include "customers/ui/CustomerTableModel.h"

namespace korbelant {

void PlanningMarkDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant selected = index.data(CustomerTableModel::kSelectedBackgroundRole);
    if (selected.isValid()) {
        option->palette.setColor(QPalette::Highlight, selected.value<QColor>());
        option->palette.setColor(QPalette::HighlightedText, Qt::black);
    }
}

} // namespace korbelant
