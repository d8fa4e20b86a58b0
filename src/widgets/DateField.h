#pragma once

#include <QDate>
#include <QWidget>
#include <functional>

class QPushButton;

namespace korbelant {

class TMaskedDateEdit;
class UiPort;

// A masked date field with its calendar button "..." beside it. The button opens the pick-a-date
// dialog through the UI port on the field's date: a date picked goes into the field, "no date"
// empties it, cancelling leaves it as it is.
class DateField : public QWidget
{
    Q_OBJECT

public:
    explicit DateField(UiPort& ui, QWidget* parent = nullptr);

    TMaskedDateEdit* edit() const { return m_edit; }
    QPushButton* calendarButton() const { return m_button; }

    // Names the field after its data field and the button after the field ("<field>Button").
    void setFieldName(const QString& field);
    // The date the calendar opens on while the field is empty (else the calendar's own choice).
    void setPickStart(std::function<QDate()> start) { m_pickStart = std::move(start); }
    // Cancelling the calendar empties the field, too.
    void setClearOnCancel(bool on) { m_clearOnCancel = on; }
    // The button takes the focus like any button, and keeps it after a pick. By default it takes
    // none, and the field the calendar has changed gets the focus.
    void setButtonTakesFocus(bool on);

    QDate date() const;
    QString dateText() const; // "dd.mm.yyyy", empty for no date
    void setDate(const QDate& date);
    // Checks the entry as leaving the field does; true when it was accepted.
    bool checkEntry();

    // What the calendar button does.
    void pickDate();

signals:
    // A typed entry was accepted with another date, or the calendar has changed the field.
    void dateChanged(const QDate& date);

private:
    QDate pickStart() const;

    UiPort& m_ui;
    TMaskedDateEdit* m_edit = nullptr;
    QPushButton* m_button = nullptr;
    std::function<QDate()> m_pickStart;
    bool m_clearOnCancel = false;
};

} // namespace korbelant
