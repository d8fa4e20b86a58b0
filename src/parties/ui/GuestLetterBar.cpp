#include "parties/ui/GuestLetterBar.h"

#include "parties/ui/GuestWidgets.h"

#include <QButtonGroup>
#include <QEvent>
#include <QToolButton>
#include <algorithm>

namespace korbelant {

namespace {

// Room beside and above a letter inside its cell.
constexpr int kPadding = 4;

} // namespace

GuestLetterBar::GuestLetterBar(const QString& letters, QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    for (const QChar c : letters) {
        auto* b = new QToolButton(this);
        b->setText(QString(c));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        m_group->addButton(b, static_cast<int>(m_buttons.size()));
        m_buttons << b;
    }
    connect(m_group, &QButtonGroup::idClicked, this, &GuestLetterBar::tabBarClicked);
    setFont(GuestWidgets::smallerFont(font()));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString GuestLetterBar::tabText(int index) const
{
    return index >= 0 && index < count() ? m_buttons.at(index)->text() : QString();
}

QRect GuestLetterBar::tabRect(int index) const
{
    return index >= 0 && index < count() ? m_buttons.at(index)->geometry() : QRect();
}

int GuestLetterBar::currentIndex() const
{
    return m_group->checkedId();
}

void GuestLetterBar::setCurrentIndex(int index)
{
    if (index >= 0 && index < count())
        m_buttons.at(index)->setChecked(true);
}

QSize GuestLetterBar::cellSize() const
{
    int width = 0;
    for (const QToolButton* b : m_buttons)
        width = std::max(width, b->fontMetrics().horizontalAdvance(b->text()));
    return {width + kPadding, fontMetrics().height() + kPadding};
}

int GuestLetterBar::rowsFor(int width) const
{
    const int columns = std::clamp(width / std::max(1, cellSize().width()), 1, std::max(1, count()));
    return (count() + columns - 1) / columns;
}

QSize GuestLetterBar::sizeHint() const
{
    return {cellSize().width() * count(), cellSize().height() * m_rows};
}

QSize GuestLetterBar::minimumSizeHint() const
{
    return {cellSize().width(), cellSize().height() * m_rows};
}

void GuestLetterBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int rows = rowsFor(width());
    if (rows != m_rows) {
        m_rows = rows;
        updateGeometry();
    }
    placeButtons();
}

void GuestLetterBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometry();
}

// The letters share the width evenly, row by row.
void GuestLetterBar::placeButtons()
{
    const int perRow = (count() + m_rows - 1) / m_rows;
    const int height = cellSize().height();
    for (int i = 0; i < count(); ++i) {
        const int column = i % perRow;
        const int left = width() * column / perRow;
        const int right = width() * (column + 1) / perRow;
        m_buttons.at(i)->setGeometry(left, i / perRow * height, right - left, height);
    }
}

} // namespace korbelant
