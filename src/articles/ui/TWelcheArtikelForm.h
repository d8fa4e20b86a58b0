#pragma once

#include <QDialog>

class QLineEdit;

namespace korbelant {

// "Welche Artikel ?": the range of article numbers to print, or all of them.
class TWelcheArtikelForm : public QDialog
{
public:
    enum Result
    {
        Range = QDialog::Accepted,
        All = 2
    };

    TWelcheArtikelForm(const QString& from, QWidget* parent = nullptr);
    QLineEdit* fromEdit() const { return m_from; }
    QLineEdit* toEdit() const { return m_to; }

private:
    QLineEdit* m_from;
    QLineEdit* m_to;
};

} // namespace korbelant
