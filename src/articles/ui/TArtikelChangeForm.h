#pragma once

#include "articles/ArticleRecord.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace korbelant {

class TArtikelModul;

// The article dialog ("Vorlix Soft - Korbelant - Artikel") for a new or the current article.
// "&Ok" hands the entries to the module, which checks and stores them; on a refusal the
// dialog stays open with the entries.
class TArtikelChangeForm : public QDialog
{
public:
    // originalLNr is empty for a new article.
    TArtikelChangeForm(TArtikelModul& modul, const ArticleRecord& article, const QString& originalLNr,
                       QWidget* parent = nullptr);

    QLineEdit* numberEdit() const { return m_lNr; }
    QLineEdit* orderNumberEdit() const { return m_zNr; }
    QLineEdit* kindEdit() const { return m_va; }
    QLineEdit* textEdit() const { return m_text; }
    // The entries as an article record.
    ArticleRecord entered() const;
    // "&Ok": true when the article was stored.
    bool okClicked();
    void chooseKind();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDoubleSpinBox* amountBox();
    void load(const ArticleRecord& article);

    TArtikelModul& m_modul;
    ArticleRecord m_article;
    QString m_originalLNr;
    QLineEdit* m_lNr;
    QLineEdit* m_zNr;
    QSpinBox* m_sterne;
    QLineEdit* m_va;
    QLineEdit* m_text;
    QDoubleSpinBox* m_preis;
    QDoubleSpinBox* m_muster;
    QDoubleSpinBox* m_bonus;
    QDoubleSpinBox* m_berPreis;
    QDoubleSpinBox* m_provSatz;
    QCheckBox* m_vkSperre;
    QCheckBox* m_muSperr;
    QLabel* m_freigabe;
    QLabel* m_sperre;
    QLabel* m_datum;
    QSpinBox* m_bestand;
    QLabel* m_status;
};

} // namespace korbelant
