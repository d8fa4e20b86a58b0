#pragma once

#include "parties/LineEntryKind.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace korbelant {

class GuestArticleList;
class GuestEntrySession;
class GuestLineModel;
class UiPort;

// The order part of the guest window: the entry fields of the current line (kind, article
// number, text, reason, pieces, "V&orab"), the participant's lines with her running totals and
// the line buttons. What is typed goes to the session, and the article list follows the typed
// kind and number. After each change changed() asks the window to show everything again.
class GuestLineEditor : public QWidget
{
    Q_OBJECT

public:
    GuestLineEditor(GuestEntrySession& session, GuestArticleList& list, UiPort& ui,
                    QWidget* parent = nullptr);

    QLabel* modeLabel() const { return m_mode; }
    QLineEdit* kindEdit() const { return m_kind; }
    QLineEdit* articleEdit() const { return m_article; }
    QLineEdit* textEdit() const { return m_text; }
    QLineEdit* reasonEdit() const { return m_reason; }
    QLineEdit* piecesEdit() const { return m_pieces; }
    QCheckBox* advanceBox() const { return m_advance; }
    QTableView* lineGrid() const { return m_lineGrid; }
    QLabel* betragValue() const { return m_betrag; }
    QLabel* mengeValue() const { return m_menge; }
    // The entry field of a field that follows the article number.
    QLineEdit* field(LineEntryKind::Field field) const;

    // The lines with the selected one, the mode, the running totals and the current line's fields.
    void showLines();
    void focusKind();

    // The line actions of the buttons and keys.
    void newLine();
    void saveLine();
    void resetLine();
    void editLine();
    void deleteLine();
    void toggleAdvance();
    void stepPieces(int delta);
    // A kind or an article number as if typed into its field.
    void typedKind(const QString& text);
    void typedArticle(const QString& text);

signals:
    // The session or the article list has changed.
    void changed();
    // The fields show a line; a text line takes no article number from the letter tabs.
    void textLineShown(bool textLine);

private:
    QWidget* buildLineFields();
    QWidget* buildLineButtons();
    void connectFields();
    void showFields();
    void typedPieces(const QString& text);
    // Runs an action on the session; a database failure is shown, then changed() follows.
    void run(const std::function<void()>& action);

    GuestEntrySession& m_session;
    GuestArticleList& m_list;
    UiPort& m_ui;
    bool m_showing = false;
    GuestLineModel* m_lineModel = nullptr;
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
};

} // namespace korbelant
