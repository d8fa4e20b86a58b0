#pragma once

#include "parties/ExchangeReasons.h"
#include "parties/GuestArticleList.h"
#include "parties/GuestEntrySession.h"
#include "parties/GuestWindowGeometry.h"
#include "parties/ui/GuestArticlePanel.h"
#include "parties/ui/GuestLetterBar.h"
#include "parties/ui/GuestLineEditor.h"
#include "parties/ui/GuestParticipantPanel.h"
#include "parties/ui/TSternekonto.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace korbelant {

class Options;
class TArtikelModul;
class TClientDataModul;
class TVorFuerModul;
class UiPort;

// The guest window: one participant of a party at a time with her customer, payment,
// appointment and nomination, her order lines entered by keyboard or from the article list,
// and the moves to the other participants. It is opened modally on a participant; when it has
// closed, the caller stores the party's totals (TVorFuerModul::closeGuestWindow). The window
// holds its three parts together, handles the keys and runs the choosers and customer dialogs.
class TNewGuestForm : public QDialog
{
public:
    TNewGuestForm(TVorFuerModul& party, TArtikelModul& articles, TClientDataModul& customers,
                  Options& options, UiPort& ui, const QString& rNr, const QString& pNr,
                  QWidget* parent = nullptr);
    ~TNewGuestForm() override;

    // Opens the window modally over the active window on a participant; returns the participant
    // shown when it was closed.
    static QString run(TVorFuerModul& party, TArtikelModul& articles, TClientDataModul& customers,
                       Options& options, UiPort& ui, const QString& rNr, const QString& pNr,
                       QWidget* fallbackParent);

    GuestEntrySession& session() { return *m_session; }
    GuestArticleList& articleList() { return m_list; }

    QLineEdit* kindEdit() const { return m_lineEditor->kindEdit(); }
    QLineEdit* articleEdit() const { return m_lineEditor->articleEdit(); }
    QLineEdit* textEdit() const { return m_lineEditor->textEdit(); }
    QLineEdit* reasonEdit() const { return m_lineEditor->reasonEdit(); }
    QLineEdit* piecesEdit() const { return m_lineEditor->piecesEdit(); }
    QLineEdit* customerEdit() const { return m_participantPanel->customerEdit(); }
    QLabel* modeLabel() const { return m_lineEditor->modeLabel(); }
    QLabel* betragValue() const { return m_lineEditor->betragValue(); }
    QLabel* mengeValue() const { return m_lineEditor->mengeValue(); }
    QLabel* addressPanel() const { return m_participantPanel->addressPanel(); }
    QTableView* lineGrid() const { return m_lineEditor->lineGrid(); }
    GuestLineEditor* lineEditor() const { return m_lineEditor; }
    QTableView* articleGrid() const { return m_articlePanel->articleGrid(); }
    QCheckBox* advanceBox() const { return m_lineEditor->advanceBox(); }
    QCheckBox* aktivBox() const { return m_articlePanel->aktivBox(); }
    QCheckBox* inaktivBox() const { return m_articlePanel->inaktivBox(); }
    QCheckBox* lagerBox() const { return m_articlePanel->lagerBox(); }
    GuestLetterBar* letterTabs() const { return m_articlePanel->letterTabs(); }
    QPushButton* previousButton() const { return m_participantPanel->previousButton(); }
    QPushButton* nextButton() const { return m_participantPanel->nextButton(); }
    QMenu* articleMenu() const { return m_articlePanel->articleMenu(); }
    TSternekonto* starAccount() const { return m_starAccount; }
    int listHeight() const { return m_geometry.list; }

    // The actions of buttons and keys; the line actions are the line editor's.
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
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void build();
    void connectParticipantPanel();
    void connectArticlePanel();
    void installFilters();
    void applyGeometry();
    void storeGeometry();
    void showListHeight();

    bool handleKey(QObject* watched, QKeyEvent* event);
    bool handleAltKey(int key);
    bool handleCtrlKey(int key);
    bool handleFieldKey(QObject* watched, QKeyEvent* event);
    bool handleArticleKey(int key, bool shift);
    void enterIn(QObject* watched);
    void enterArticle();
    void escape();
    void stepKind(int direction);
    void stepReason(int direction);
    void chooseReason();
    void showStarAccount();
    void recomputeParty();
    void afterParticipantChange();
    void focusFirstField();
    void takeChosen(const QString& lNr, const QString& va);
    void focusEntry(QLineEdit* edit);
    void notAvailable();

    void showAll();
    // Runs an action; a database failure is shown and the window stays usable.
    void guarded(const std::function<void()>& action);

    TVorFuerModul& m_party;
    TArtikelModul& m_articles;
    TClientDataModul& m_customers;
    Options& m_options;
    UiPort& m_ui;
    std::unique_ptr<GuestEntrySession> m_session;
    GuestArticleList m_list;
    GuestWindowGeometry m_geometry;
    ExchangeReasons m_reasons;
    QPointer<TSternekonto> m_starAccount;
    bool m_closed = false;

    GuestParticipantPanel* m_participantPanel = nullptr;
    GuestLineEditor* m_lineEditor = nullptr;
    GuestArticlePanel* m_articlePanel = nullptr;
};

} // namespace korbelant
