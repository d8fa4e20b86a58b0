#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

namespace korbelant {

// The incremental search of the customer and article windows ("Kunde suchen"): every change of
// the entry moves the caller's table to the first match; Up and Down move one record (Shift:
// ten); Enter, Escape or leaving the dialog close it.
class TClientSearch : public QDialog
{
    Q_OBJECT

public:
    TClientSearch(const QString& title, const QString& label, std::function<void(const QString&)> onEntry,
                  std::function<void(int)> onStep, QWidget* parent = nullptr);

    QLineEdit* entry() const { return m_entry; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_entry = nullptr;
    std::function<void(int)> m_onStep;
};

} // namespace korbelant
