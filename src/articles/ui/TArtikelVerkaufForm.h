#pragma once

#include "articles/ArticleSalesQuery.h"
#include "reports/ReportDocument.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace korbelant {

class TArtikelModul;
class UiPort;

// "Artikel-Verkäufe an welchen Kunden ?": the order lines of an article (number prefix), a kind
// and a range of weeks, with the buyer. Queried again on every change of the inputs.
class TArtikelVerkaufForm : public QDialog
{
public:
    TArtikelVerkaufForm(TArtikelModul& modul, UiPort& ui, QWidget* parent = nullptr);

    QLineEdit* articleEdit() const { return m_article; }
    QComboBox* kindBox() const { return m_kind; }
    QLineEdit* fromYear() const { return m_fromYear; }
    QLineEdit* fromWeek() const { return m_fromWeek; }
    QLineEdit* toYear() const { return m_toYear; }
    QLineEdit* toWeek() const { return m_toWeek; }
    QTableWidget* grid() const { return m_grid; }

    ArticleSalesQuery::Conditions conditions() const;
    const std::vector<ArticleSalesQuery::Sale>& sales() const { return m_sales; }
    // The title of the printed list.
    QString listTitle() const;
    void query();
    // "Kurzliste &Drucken" and "Mit Adresse D&rucken": the list of the result.
    ReportDocument listDocument(bool withAddress) const;
    void print(bool withAddress);
    // A calendar button: the week of the picked date, or both fields cleared.
    void pickWeek(QLineEdit* year, QLineEdit* week);

private:
    QLayout* weekRow();

    TArtikelModul& m_modul;
    UiPort& m_ui;
    QLineEdit* m_article;
    QComboBox* m_kind;
    QLineEdit* m_fromYear;
    QLineEdit* m_fromWeek;
    QLineEdit* m_toYear;
    QLineEdit* m_toWeek;
    QTableWidget* m_grid;
    std::vector<ArticleSalesQuery::Sale> m_sales;
};

} // namespace korbelant
