#pragma once

#include <QDialog>

class QLineEdit;

namespace korbelant {

// The dialog "Wochen auswählen": the range of week keys of the week overview.
class TWeekRangeForm : public QDialog
{
    Q_OBJECT

public:
    TWeekRangeForm(const QString& from, const QString& to, QWidget* parent = nullptr);

    QLineEdit* fromEdit() const { return m_from; }
    QLineEdit* toEdit() const { return m_to; }

private:
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
};

} // namespace korbelant
