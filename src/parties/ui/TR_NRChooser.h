#pragma once

#include <QDate>
#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korbelant {

class TVorFuerModul;
class UiPort;

// The party-number dialog "Nummer der Vorführung eingeben :": the party date and a day letter
// give the number of a new party; the party module checks it before the dialog closes.
class TR_NRChooser : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        QString rNr;
        QDate date;
    };

    TR_NRChooser(TVorFuerModul& modul, UiPort& ui, const QDate& today, QWidget* parent = nullptr);

    // Runs the dialog modally; nullopt when it was cancelled.
    static std::optional<Choice> choose(TVorFuerModul& modul, UiPort& ui, const QDate& today,
                                        QWidget* parent);

    std::optional<Choice> choice() const { return m_choice; }
    // Puts a date into the date field (the planning's party date); the day letter stays.
    void setDate(const QDate& date);
    // "dd.mm.yy X" of the entries; what the number will be, with separators.
    QString previewText() const;

    QLineEdit* dateEdit() const { return m_date; }
    QLineEdit* suffixEdit() const { return m_suffix; }
    QLabel* preview() const { return m_preview; }
    QPushButton* calendarButton() const { return m_calendar; }

    // "&Ok": closes with the number when every check passes; otherwise the dialog stays open.
    void okClicked();
    // Leaving the date field: an entry that is no date is reported.
    void dateLeft();
    void pickDate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshPreview();

    TVorFuerModul& m_modul;
    UiPort& m_ui;
    QDate m_today;
    bool m_suffixEntered = false;
    std::optional<Choice> m_choice;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_suffix = nullptr;
    QLabel* m_preview = nullptr;
    QPushButton* m_calendar = nullptr;
};

} // namespace korbelant
