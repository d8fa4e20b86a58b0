#pragma once

#include "parties/ExchangeReasons.h"
#include "parties/GuestArticleList.h"
#include "parties/GuestEntrySession.h"
#include "parties/GuestWindowGeometry.h"
#include "parties/ui/TSternekonto.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;
class QTableView;

namespace korbelant {

class GuestArticleModel;
class GuestLineModel;
class Options;
class TArtikelModul;
class TClientDataModul;
class TMaskedDateEdit;
class TVorFuerModul;
class UiPort;

// The guest window: one participant of a party at a time with her customer, payment,
// appointment and nomination, her order lines entered by keyboard or from the article list,
// and the moves to the other participants. It is opened modally on a participant; when it has
// closed, the caller stores the party's totals (TVorFuerModul::closeGuestWindow).
class TNewGuestForm : public QDialog
{
public:
    TNewGuestForm(TVorFuerModul& party, TArtikelModul& articles, TClientDataModul& customers, Options& options, UiPort& ui,
                  const QString& rNr, const QString& pNr, QWidget* parent = nullptr);
    ~TNewGuestForm() override;

    // Opens the window modally over the active window on a participant; returns the participant
    // shown when it was closed.
    static QString run(TVorFuerModul& party, TArtikelModul& articles, TClientDataModul& customers, Options& options, UiPort& ui,
                       const QString& rNr, const QString& pNr, QWidget* fallbackParent);

    GuestEntrySession& session() { return *m_session; }
    GuestArticleList& articleList() { return m_list; }

    QLineEdit* kindEdit() const { return m_kind; }
    QLineEdit* articleEdit() const { return m_article; }
    QLineEdit* textEdit() const { return m_text; }
    QLineEdit* reasonEdit() const { return m_reason; }
    QLineEdit* piecesEdit() const { return m_pieces; }
    QLineEdit* customerEdit() const { return m_customer; }
    QLabel* modeLabel() const { return m_mode; }
    QLabel* betragValue() const { return m_betrag; }
    QLabel* mengeValue() const { return m_menge; }
    QLabel* addressPanel() const { return m_address; }
    QTableView* lineGrid() const { return m_lineGrid; }
    QTableView* articleGrid() const { return m_articleGrid; }
    QCheckBox* advanceBox() const { return m_advance; }
    QCheckBox* aktivBox() const { return m_aktiv; }
    QCheckBox* inaktivBox() const { return m_inaktiv; }
    QCheckBox* lagerBox() const { return m_lager; }
    QTabBar* letterTabs() const { return m_tabs; }
    QPushButton* previousButton() const { return m_previous; }
    QPushButton* nextButton() const { return m_next; }
    QMenu* articleMenu() const { return m_articleMenu; }
    TSternekonto* starAccount() const { return m_starAccount; }
    int listHeight() const { return m_geometry.list; }

    // The actions of buttons and keys.
    void newLine();
    void saveLine();
    void resetLine();
    void editLine();
    void deleteLine();
    void toggleAdvance();
    void moveParticipant(int step);
    void newParticipant();
    void newCustomer();
    void unknownCustomer();
    void editCustomer();
    void quickSearch();
    void articleSearch();
    void spareParts();
    void kindChooser();
    void tabChosen(int index);
    void takeListArticle(bool otherKind);
    void listDoubleClicked();
    void stepListHeight(int direction);
    void standardSize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void build();
    QWidget* buildParticipant();
    QWidget* buildNavigation();
    QWidget* buildOrderArea();
    QWidget* buildLineFields();
    QWidget* buildLineButtons();
    QWidget* buildArticleArea();
    QWidget* buildListControls();
    QPushButton* button(const QString& text, std::function<void()> action);
    QWidget* dateTime(const QString& dateField, const QString& timeField);
    void connectFields();
    void installFilters();
    void applyGeometry();
    void storeGeometry();

    bool handleKey(QObject* watched, QKeyEvent* event);
    bool handleAltKey(int key);
    bool handleCtrlKey(int key);
    bool handleFieldKey(QObject* watched, QKeyEvent* event);
    void enterIn(QObject* watched);
    void enterArticle();
    void escape();
    void stepKind(int direction);
    void stepReason(int direction);
    void chooseReason();
    void showStarAccount();
    void recomputeParty();
    void pickDate(const QString& field);
    void afterParticipantChange();
    void startLineIfEmpty();
    void typedKind(const QString& text);
    void typedArticle(const QString& text);
    void typedPieces(const QString& text);
    void takeChosen(const QString& lNr, const QString& va);
    void leaveCustomerField();
    void leaveTime(QLineEdit* edit);
    void notAvailable();

    void showAll();
    void showParticipant();
    void showLines();
    void showFields();
    void showList();
    void focusKind();
    // Runs an action; a database failure is shown and the window stays usable.
    template <typename F>
    void guarded(F&& action);

    TVorFuerModul& m_party;
    TArtikelModul& m_articles;
    TClientDataModul& m_customers;
    Options& m_options;
    UiPort& m_ui;
    std::unique_ptr<GuestEntrySession> m_session;
    GuestArticleList m_list;
    GuestWindowGeometry m_geometry;
    GuestLineModel* m_lineModel = nullptr;
    GuestArticleModel* m_articleModel = nullptr;
    ExchangeReasons m_reasons;
    QPointer<TSternekonto> m_starAccount;
    bool m_closed = false;
    bool m_showing = false;

    QLineEdit* m_pNr = nullptr;
    QLineEdit* m_customer = nullptr;
    QList<QPushButton*> m_customerButtons;
    QLabel* m_address = nullptr;
    QCheckBox* m_paid = nullptr;
    QCheckBox* m_appointment = nullptr;
    QCheckBox* m_nomination = nullptr;
    TMaskedDateEdit* m_appointmentDate = nullptr;
    QLineEdit* m_appointmentTime = nullptr;
    TMaskedDateEdit* m_nominationDate = nullptr;
    QLineEdit* m_nominationTime = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QWidget* m_orderArea = nullptr;
    QLabel* m_mode = nullptr;
    QLineEdit* m_kind = nullptr;
    QLineEdit* m_article = nullptr;
    QLabel* m_textLabel = nullptr;
    QLineEdit* m_text = nullptr;
    QLabel* m_reasonLabel = nullptr;
    QLineEdit* m_reason = nullptr;
    QLineEdit* m_pieces = nullptr;
    QCheckBox* m_advance = nullptr;
    QTableView* m_lineGrid = nullptr;
    QLabel* m_betrag = nullptr;
    QLabel* m_menge = nullptr;
    QTabBar* m_tabs = nullptr;
    QCheckBox* m_aktiv = nullptr;
    QCheckBox* m_inaktiv = nullptr;
    QCheckBox* m_lager = nullptr;
    QTableView* m_articleGrid = nullptr;
    QMenu* m_articleMenu = nullptr;
};

} // namespace korbelant
