#include "parties/ui/GuestWidgets.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace korbelant {

QLabel* GuestWidgets::label(const QString& text, QWidget* buddy)
{
    auto* l = new QLabel(text);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QLineEdit* GuestWidgets::lineEdit(int maxLength, int width)
{
    auto* e = new QLineEdit;
    e->setMaxLength(maxLength);
    e->setFixedWidth(width);
    return e;
}

QList<QPushButton*> GuestWidgets::addButtons(QBoxLayout* layout, QObject* context,
                                             std::initializer_list<Button> buttons)
{
    QList<QPushButton*> added;
    for (const Button& button : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(button.caption));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        if (*button.description) {
            b->setToolTip(QString::fromUtf8(button.description));
            b->setAccessibleName(b->toolTip());
        }
        QObject::connect(b, &QPushButton::clicked, context, button.action);
        layout->addWidget(b);
        added << b;
    }
    return added;
}

void GuestWidgets::prepareGrid(QTableView* grid, std::initializer_list<int> widths)
{
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    QHeaderView* header = grid->horizontalHeader();
    header->setMinimumSectionSize(20);
    header->setDefaultSectionSize(60);
    int column = 0;
    for (const int width : widths) {
        if (width > 0)
            header->resizeSection(column, width);
        else
            header->setSectionResizeMode(column, QHeaderView::Stretch);
        ++column;
    }
    grid->verticalHeader()->setDefaultSectionSize(20);
}

void GuestWidgets::selectRow(QTableView* grid, int row)
{
    if (row < 0 || row >= grid->model()->rowCount()) {
        grid->clearSelection();
        return;
    }
    const QModelIndex index = grid->model()->index(row, 1);
    grid->setCurrentIndex(index);
    grid->scrollTo(index);
}

} // namespace korbelant
