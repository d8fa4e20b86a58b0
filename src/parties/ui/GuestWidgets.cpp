#include "parties/ui/GuestWidgets.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <algorithm>

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

void GuestWidgets::prepareGrid(QTableView* grid, const QStringList& widest)
{
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    // Whole rows at the top, however far the list is scrolled.
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->setFont(smallerFont(grid->font()));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    QHeaderView* header = grid->horizontalHeader();
    header->setMinimumSectionSize(12);
    // The cell's text margins on both sides and the grid line.
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 1;
    for (int column = 0; column < widest.size(); ++column) {
        if (widest.at(column).isEmpty()) {
            header->setSectionResizeMode(column, QHeaderView::Stretch);
            continue;
        }
        int text = 0;
        for (const QString& line : widest.at(column).split(QLatin1Char('\n')))
            text = std::max(text, grid->fontMetrics().horizontalAdvance(line) + margins);
        header->resizeSection(column, std::max(text, header->sectionSizeHint(column)));
    }
}

QFont GuestWidgets::smallerFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(7.0, font.pointSizeF() - 1.0));
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(9, font.pixelSize() - 1));
    return font;
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
