#pragma once

#include "week/InfoSummary.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLabel;

namespace korbelant {

class DataSet;

// "Informationen auf einen Blick": the greeting, the currency, the change-over, the latest week's
// states and the interface version on the tooltip colour. A click anywhere or Escape closes it;
// the check box keeps the option Info and saves it at once.
class TInfoForm : public QDialog
{
public:
    TInfoForm(DataSet& set, const QDateTime& now = QDateTime::currentDateTime(), QWidget* parent = nullptr);

    QCheckBox* showNextTime() const { return m_next; }
    // The text lines as shown, top to bottom (without the check box).
    QStringList shownLines() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void addLine(QGridLayout* grid, int row, const QString& left, const QString& right = {});

    DataSet& m_set;
    QCheckBox* m_next;
    QList<QLabel*> m_lines;
};

} // namespace korbelant
