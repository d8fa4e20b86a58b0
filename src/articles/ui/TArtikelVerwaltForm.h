#pragma once

#include "articles/ArticleChooser.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace korbelant {

class ArticleTableModel;
class TArtikelModul;
class UiPort;

// The article window ("Artikelverwaltung"): the catalogue grid with status switches, kind
// selection, the four orders, search, full-text search, spare-part view and the article
// dialog. Opened as chooser ("ArtikelListForm") it returns an article for an order line.
class TArtikelVerwaltForm : public QDialog
{
public:
    // The window of the main menu.
    TArtikelVerwaltForm(TArtikelModul& modul, UiPort& ui, const QString& programTitle,
                        QWidget* parent = nullptr);
    // The chooser, starting with the caller's status switches.
    TArtikelVerwaltForm(TArtikelModul& modul, UiPort& ui, const ArticleStatusSwitches& callerSwitches,
                        QWidget* parent = nullptr);
    ~TArtikelVerwaltForm() override;

    bool isChooser() const { return m_chooser != nullptr; }
    // The chooser's result after "&Ok"; nullopt after "&Abbr.." or "#".
    std::optional<ArticleChooser::Choice> choice() const { return m_choice; }
    // The status switches for the chooser's caller to take back.
    ArticleStatusSwitches returnedSwitches() const { return m_returned; }

    QTableView* grid() const { return m_grid; }
    ArticleTableModel* model() const { return m_model; }
    QComboBox* sortBox() const { return m_sort; }
    QComboBox* kindBox() const { return m_kind; }
    QCheckBox* newBox() const { return m_new; }
    QCheckBox* activeBox() const { return m_active; }
    QCheckBox* inactiveBox() const { return m_inactive; }
    QCheckBox* removedBox() const { return m_removed; }
    QCheckBox* stockBox() const { return m_stock; }
    QPushButton* backButton() const { return m_back; }
    QLineEdit* searchEdit() const { return m_search; }

    // "&Einlesen": the article import, given the article window to work from.
    using Importer = std::function<void(QWidget* articleWindow)>;
    void setImporter(Importer importer) { m_importer = std::move(importer); }

    // The actions of the buttons (the dialogs they open are modal).
    void editCurrent();
    void newArticle();
    void deleteCurrent();
    // Spare parts of the product with that number (after the prompt "Ersatzteile für Artikel").
    void showSpareParts(const QString& productNumber);
    void back();
    void importArticles();
    void takeChoice();
    void cancelChoice();
    // The record count of the view ("Datenbankzähler").
    QString counterText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);
    void build();
    QWidget* buildButtons();
    QWidget* buildFilters();
    void connectFilters();
    void applySwitches();
    void openSearch();
    void showSwitches();
    void reloadGrid();
    void showCurrent();
    void askSpareParts();
    void fullText();
    void showCounter();
    void printList(bool stock);
    void notYet(const QString& what);

    TArtikelModul& m_modul;
    UiPort& m_ui;
    QString m_programTitle;
    std::unique_ptr<ArticleChooser> m_chooser;
    std::optional<ArticleChooser::Choice> m_choice;
    ArticleStatusSwitches m_returned;
    bool m_closed = false;
    ArticleTableModel* m_model = nullptr;
    Importer m_importer;
    QTableView* m_grid = nullptr;
    QComboBox* m_sort = nullptr;
    QComboBox* m_kind = nullptr;
    QLabel* m_kindLabel = nullptr;
    QCheckBox* m_new = nullptr;
    QCheckBox* m_active = nullptr;
    QCheckBox* m_inactive = nullptr;
    QCheckBox* m_removed = nullptr;
    QCheckBox* m_stock = nullptr;
    QPushButton* m_back = nullptr;
    QLineEdit* m_search = nullptr;
};

} // namespace korbelant
