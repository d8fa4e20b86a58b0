#pragma once

#include "parties/ExchangeReasons.h"

#include <QDialog>
#include <optional>

class QTableWidget;

namespace korbelant {

class UiPort;

// "Umtauschgründe": the exchange reasons to choose from. The texts may be reworded in place and
// are stored on OK; OK, Enter or a double click take the selected code, Escape or "&Abbrechen"
// cancel.
class TUMTForm : public QDialog
{
public:
    TUMTForm(ExchangeReasons& reasons, UiPort& ui, const QString& current, QWidget* parent = nullptr);

    static std::optional<QString> choose(ExchangeReasons& reasons, UiPort& ui, const QString& current,
                                         QWidget* parent);

    QString chosen() const { return m_chosen; }
    QTableWidget* grid() const { return m_grid; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill(const QString& current);
    void take();
    std::vector<ExchangeReasons::Reason> editedReasons() const;

    ExchangeReasons& m_reasons;
    UiPort& m_ui;
    QTableWidget* m_grid;
    QString m_chosen;
};

} // namespace korbelant
