#pragma once

#include "core/SqlCondition.h"
#include "customers/CustomerFilter.h"
#include "customers/CustomerRow.h"
#include "customers/CustomerSort.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace korbelant {

class Database;
class UiPort;

// The customer table as the customer window shows it: its sort order, the filter it has set
// (free criteria of the filter dialog, remarks, participants of a party, or only the marked
// customers), and the buttons that the filters enable. The customer lists, the export and the
// mail functions work on the customers of this view.
class CustomerView
{
public:
    enum class FilterKind
    {
        None,
        Criteria,
        Remarks,
        Participants,
        Marked
    };

    static inline const QString kNoRemarksMatch =
        QStringLiteral("Kein Kunde mit gewünschtem Bemerkungstext gefunden.");
    static inline const QString kRemarksPanel =
        QStringLiteral("Kunden nach Inhalt der Bemerkungen gefiltert");
    static inline const QString kCriteriaPanel = QStringLiteral("Kunden nach freien Kriterien gefiltert");
    static inline const QString kParticipantsPanel = QStringLiteral("Teilnehmer der Vorführung : ");
    static inline const QString kMarkedPanel = QStringLiteral("Nur die markierten Kunden anzeigen");
    static inline const QString kResetQuestion =
        QStringLiteral("Wollen Sie alle gemachten Eingaben zurücksetzen ?");

    explicit CustomerView(Database& db);

    CustomerSort::Order sortOrder() const { return m_order; }
    void setSortOrder(CustomerSort::Order order) { m_order = order; }

    // The accept button of the filter dialog: by remarks when its remarks field is filled,
    // otherwise by the free criteria. False (and no filter) when nothing matches the remarks or
    // an entry cannot be used; the message goes through the UI port.
    bool applyFilterDialog(const CustomerFilter& filter, UiPort& ui);
    // "&Teilnehmer": the participants of the party with the number as typed (mask "00/00/00  C");
    // the panel names the party by its number as stored ("120326A").
    void applyParticipants(const QString& typedNumber);
    void toggleLastFilter();   // "Filte&r"
    void toggleMarkedFilter(); // "Dr&uckfilter"
    void clearFilter();        // opening and leaving the window
    // After a customer was deleted under the remarks filter: the match list is made anew.
    void refreshRemarksMatches();

    FilterKind activeFilter() const;
    bool hasLastFilter() const { return m_last.kind != FilterKind::None; }
    QString panelText() const; // empty when the panel is hidden
    bool filterDialogEnabled() const
    {
        return activeFilter() == FilterKind::None;
    }                                                                       // "&Filter", "&Teilnehmer"
    bool markedFilterEnabled() const { return !m_lastActive; }              // "Dr&uckfilter"
    bool lastFilterEnabled() const { return !m_marked && hasLastFilter(); } // "Filte&r"

    // The rows shown, in the sort order.
    SqlCondition condition() const;
    QString orderBy() const { return CustomerSort::orderBy(m_order); }
    std::vector<CustomerRow> rows() const;
    // The rows of the customer table that meet the condition, in the order given.
    static std::vector<CustomerRow> readRows(Database& db, const SqlCondition& where, const QString& orderBy);
    QStringList numbers() const;
    int count() const;

    // "Alle zurücksetzen": asks, and on Yes clears the planning mark of every customer shown.
    bool resetAllMarks(UiPort& ui);

private:
    struct Filter
    {
        FilterKind kind = FilterKind::None;
        SqlCondition condition;
        QString panel;
        QString remarks; // the remarks text of a remarks filter
    };

    static SqlCondition numberList(const QStringList& numbers);
    QStringList remarksMatches(const QString& remarks) const;

    Database& m_db;
    CustomerSort::Order m_order = CustomerSort::Order::Name;
    Filter m_last;
    bool m_lastActive = false;
    bool m_marked = false;
};

} // namespace korbelant
