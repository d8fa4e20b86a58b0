#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace korbelant {

// An entry field with a pair of spin buttons beside it. The buttons do not change the field
// themselves: they report which way was clicked, and the owner decides the new value.
class SpinEdit : public QWidget
{
    Q_OBJECT

public:
    explicit SpinEdit(const QString& name, QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void spun(bool up);

private:
    QLineEdit* m_edit;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace korbelant
