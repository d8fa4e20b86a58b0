#pragma once

#include <QDialog>

class QTableWidget;

namespace korbelant {

class KindTable;

// "Vorgangsart": the transaction kinds to choose from. Enter or a double click takes the kind,
// Escape cancels.
class TVaChooseForm : public QDialog
{
public:
    TVaChooseForm(const KindTable& kinds, const QString& current, QWidget* parent = nullptr);
    QString chosen() const { return m_chosen; }
    QTableWidget* grid() const { return m_grid; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void take();

    QTableWidget* m_grid;
    QString m_chosen;
};

} // namespace korbelant
