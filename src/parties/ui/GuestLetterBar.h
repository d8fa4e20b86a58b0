#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QToolButton;

namespace korbelant {

// The letter row above the guest window's article list: one small button per initial in the
// lists' smaller font, all of them in one row as wide as the window, wrapped into more rows when
// the window is too narrow for that. A click reports the letter's index; the clicked letter stays
// marked, as a tab would.
class GuestLetterBar : public QWidget
{
    Q_OBJECT

public:
    explicit GuestLetterBar(const QString& letters, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(m_buttons.size()); }
    QString tabText(int index) const;
    // Where the letter stands in the bar.
    QRect tabRect(int index) const;
    int currentIndex() const;
    // Marks a letter without reporting a click.
    void setCurrentIndex(int index);

    // As many rows as the present width needs.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void tabBarClicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The smallest cell that shows every letter.
    QSize cellSize() const;
    int rowsFor(int width) const;
    void placeButtons();

    QButtonGroup* m_group = nullptr;
    QList<QToolButton*> m_buttons;
    int m_rows = 1;
};

} // namespace korbelant
