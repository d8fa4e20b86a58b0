#pragma once

#include <QStyledItemDelegate>

namespace korbelant {

// Draws a selected row of a marked customer in the colour its model gives, with black text.
class PlanningMarkDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace korbelant
