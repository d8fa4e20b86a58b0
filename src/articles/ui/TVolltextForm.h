#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QTableWidget;

namespace korbelant {

class TArtikelModul;

// "Volltextsuche in Artikeldatei": articles whose text contains the entry, searched again on
// every change. "Ok" or a double click positions the article window on the chosen article.
class TVolltextForm : public QDialog
{
public:
    explicit TVolltextForm(TArtikelModul& modul, QWidget* parent = nullptr);

    QLineEdit* entry() const { return m_entry; }
    QCheckBox* ignoreCase() const { return m_ignoreCase; }
    QTableWidget* grid() const { return m_grid; }
    void search();
    // The article number of the chosen hit; empty when there is none.
    QString chosen() const;

private:
    TArtikelModul& m_modul;
    QLineEdit* m_entry;
    QCheckBox* m_ignoreCase;
    QTableWidget* m_grid;
};

} // namespace korbelant
