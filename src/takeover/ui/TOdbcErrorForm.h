#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace korbelant {

// The window of an ODBC failure: one diagnostic record at a time, with "< &Back" and "Next >"
// to page through the records and "OK" to close.
class TOdbcErrorForm : public QDialog
{
    Q_OBJECT
public:
    TOdbcErrorForm(const QString& caption, QStringList records, QWidget* parent = nullptr);

    int currentRecord() const { return m_current; }
    QString shownText() const;
    QPushButton* backButton() const { return m_back; }
    QPushButton* nextButton() const { return m_next; }

private:
    void showRecord(int index);

    QStringList m_records;
    int m_current = 0;
    QLabel* m_text = nullptr;
    QLabel* m_position = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
};

} // namespace korbelant
