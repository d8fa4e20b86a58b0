#pragma once

#include "customers/TClientDataModul.h"
#include "parties/GuestLineRules.h"
#include "parties/LineEntryKind.h"
#include "parties/OrderLine.h"
#include "parties/TVorFuerModul.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace korbelant {

class ExchangeReasons;
class KindTable;
class TArtikelModul;
class UiPort;

// What the guest window holds while the consultant enters a party's orders: the current
// participant with her customer, appointment and nomination, the moves between participants,
// her order lines with the line being edited or appended, and her running totals. Every rule
// runs here without widgets; the window shows the state and forwards keys and buttons.
class GuestEntrySession
{
public:
    enum class Mode
    {
        Browse,
        Edit,
        Insert
    };
    using Record = TVorFuerModul::Record;

    static inline const QString kNoArticleQuestion =
        QStringLiteral("Sie haben keinen Artikel eingegeben, Position Löschen ?");
    static inline const QString kNoKindMessage = QStringLiteral("Sie haben noch keine VA angegeben");

    // Opens the session on a stored participant of the party.
    GuestEntrySession(TVorFuerModul& party, TClientDataModul& customers, const QString& rNr,
                      const QString& pNr);

    // --- the participant ---
    const QString& rNr() const { return m_rNr; }
    QString pNr() const;
    const Record& participant() const { return m_participant; }
    bool isHost() const { return pNr() == TVorFuerModul::kHost; }
    std::optional<TClientDataModul::Record> customer() const;
    void setCustomer(const QString& kNr);
    void setUnknownCustomer();
    // A new customer record with the next free number for the customer dialog; nullopt (with
    // its message) when no number is left. Nothing is stored until the dialog stores it.
    std::optional<TClientDataModul::Record> newCustomerRecord();
    // Check boxes of the participant (BEZAHLT, Verabredung, BENENNUNG).
    void setFlag(const QString& field, bool on);
    // A date field as typed ("dd.mm.yyyy"); the empty mask clears it. False (nothing changed)
    // when the text is no date.
    bool setDateText(const QString& field, const QString& text);
    void setDate(const QString& field, const QDate& date);
    // A time field as typed ("hh:mm"); the empty mask clears it. False when the text is no time.
    bool setTimeText(const QString& field, const QString& text);
    // Stores the participant with her turnover (the sum of her lines).
    void saveParticipant();

    // --- moving between participants ---
    bool hasPrevious() const;
    bool hasNext() const;
    // Save the line and the participant, then move; false when the line could not be saved or
    // there is no such participant.
    bool previousParticipant();
    bool nextParticipant();
    // The same, then a new participant of the party (not stored until she is left or the
    // window closes); false when none can be added.
    bool newParticipant();

    // --- running totals of the participant ---
    double betrag() const { return m_betrag; }
    double gesamtmenge() const { return m_gesamtmenge; }

    // --- order lines ---
    const std::vector<OrderLine>& lines() const { return m_lines; }
    Mode mode() const { return m_mode; }
    static QString modeText(Mode mode);
    // The row of the stored lines that is selected (-1 for none); in Insert mode the new line
    // comes after the stored ones.
    int currentRow() const { return m_row; }
    void selectRow(int row);
    // The line the fields show: the line being edited or appended, else the selected line.
    const OrderLine* currentLine() const;
    bool isTextKind(const QString& va) const;
    // How the current line is entered (a line of no kind when there is none).
    LineEntryKind entryKind() const;

    // A new line after the current one. Does nothing (false) while a new line without article
    // number and of no text kind is being entered; an edited or new line is saved first.
    bool newLine();
    // A participant without lines starts with a new line when she is shown.
    void startLineIfEmpty();
    // Puts the selected line into edit state; own-stock lines are refused with their message.
    bool editLine();
    // An edited line goes back to its stored values, a new line is discarded.
    void resetLine();
    // Saves the line being edited or appended; the session returns to browsing when it was
    // saved or dropped.
    GuestLineRules::SaveResult saveLine();
    // Saves a line that is being edited or appended; true when nothing is pending any more.
    bool commitLine();
    // Deletes the selected (or edited) line without asking; a new line is discarded.
    void deleteLine();

    // Field entries of the line being edited or appended (ignored while browsing).
    void setKind(const QString& va);
    void setArticleNumber(const QString& lNr);
    void setPieces(double pieces);
    void stepPieces(int delta);
    void setText(const QString& text);
    void setReasonCode(const QString& code);
    // Up and Down in the kind field: the kind after (direction > 0) or before (< 0) the line's
    // kind in the kind table, the first kind for a kind that is not there; at either end the
    // kind stays. The kind now on the line; nullopt while browsing or without kinds.
    std::optional<QString> stepKind(const KindTable& kinds, int direction);
    // Up and Down in the reason field: the reason code after or before the line's code
    // (ExchangeReasons::step); nothing while browsing.
    void stepReason(const ExchangeReasons& reasons, int direction);
    // Enter in the article-number field. While a line is entered that is no text line, the typed
    // number stays when it names an article; otherwise the article the list stands on (`listed`,
    // empty for none) is taken. The field that comes next.
    LineEntryKind::Field enterArticle(const QString& typed, const QString& listed, TArtikelModul& articles);
    // "V&orab": advance "V" on or off; only while a line is edited or appended.
    bool setAdvance(bool on);
    bool toggleAdvance();
    // Takes an article (and its kind, when given) into the line being edited or appended.
    void takeArticle(const QString& lNr, const QString& va = {});
    // Appends a line with that article; its kind when given, else the kind a new line gets.
    bool appendArticle(const QString& lNr, const QString& va = {});

    // "be&rechnen" of the star account: the line and the participant are saved, her totals
    // rebuilt from her lines and the party's totals stored; false when the line could not be saved.
    bool recomputeParty();

    // --- closing ---
    // The checks and saves before the window closes: false keeps the window open. The party's
    // totals are left to TVorFuerModul::closeGuestWindow, which the caller runs afterwards.
    bool close();

private:
    void loadParticipant(const Record& participant);
    void reloadLines(qint64 selectId = 0);
    void rebuildTotals();
    void adjustTotals(double summe, double stueck, int sign);
    bool leaveParticipant();
    bool moveTo(int step);
    std::vector<QString> participantNumbers() const;
    QString previousKind() const;
    // Starts a new line of the participant after one of the given kind.
    void startLine(const QString& kindBefore);

    TVorFuerModul& m_party;
    GuestLineRules& m_rules;
    TClientDataModul& m_customers;
    UiPort& m_ui;
    QString m_rNr;
    Record m_participant;
    std::vector<OrderLine> m_lines;
    int m_row = -1;
    Mode m_mode = Mode::Browse;
    OrderLine m_edit;   // the line being edited or appended
    OrderLine m_stored; // the edited line as stored, for the running totals
    double m_betrag = 0;
    double m_gesamtmenge = 0;
};

} // namespace korbelant
