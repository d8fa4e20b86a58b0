#pragma once

#include "core/DateMaskCheck.h"

#include <QDate>
#include <QLineEdit>

namespace korbelant {

class UiPort;

// A date typed into a fixed mask "__.__.____": digits overwrite the blanks, the caret jumps over
// the dots, Backspace and Delete close the gap. When the field is left the entry is checked; a
// fault is shown through the UI port, the caret goes to the faulty digit and the focus stays.
class TMaskedDateEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TMaskedDateEdit(QWidget* parent = nullptr);

    void setUi(UiPort* ui) { m_ui = ui; }
    void setShortYear(bool on);
    void setYearMode(DateMaskCheck::YearMode mode) { m_settings.yearMode = mode; }
    void setAllowEmpty(bool on) { m_settings.allowEmpty = on; }
    // Completes two-digit years with a fixed century (19 by default) instead of the nearest past one.
    void setFixedCentury(std::optional<int> century = 19) { m_settings.fixedCentury = century; }
    // The day two-digit years are measured against; today unless set.
    void setToday(const QDate& today) { m_today = today; }

    QDate date() const { return m_date; }
    // The accepted date as "dd.mm.yyyy"; empty for no date.
    QString dateText() const;
    void setDate(const QDate& date);

    // Checks the entry as leaving the field does; true when it was accepted. A caller that acts
    // while the field still has the focus (Enter on a default button) checks first.
    bool checkEntry();

signals:
    void dateChanged(const QDate& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void typeDigit(QChar digit);
    void backspace();
    void deleteAtCaret();
    void removeSlot(int position);
    int skipDotForward(int position) const;
    void showEntry(const QString& text, int caret);

    UiPort* m_ui = nullptr;
    DateMaskCheck::Settings m_settings;
    QDate m_today;
    QDate m_date;
    bool m_checking = false;
};

} // namespace korbelant
