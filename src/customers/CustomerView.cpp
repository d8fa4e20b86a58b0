#include "customers/CustomerView.h"

#include "core/Database.h"
#include "core/SqlPattern.h"
#include "core/UiPort.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace korbelant {

namespace {

const QString kRowColumns =
    QStringLiteral("K_NR, NAME, VORNAME, STRASSE, PLZ, ORT, TELEFON, \"E-MAIL\", V_ANZAHL, GASTGEBER, "
                   "N_DATUM, N_ZEIT, WiederVorlage, MCODE, L_DATUM");

} // namespace

CustomerView::CustomerView(Database& db) : m_db(db) {}

SqlCondition CustomerView::numberList(const QStringList& numbers)
{
    // The numbers travel as one bound JSON array, however many there are.
    const QString list =
        QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(numbers)).toJson(QJsonDocument::Compact));
    return SqlCondition(QStringLiteral("K_NR IN (SELECT value FROM json_each(?))"), {list});
}

QStringList CustomerView::remarksMatches(const QString& remarks) const
{
    QStringList numbers;
    for (const QVariantList& row :
         m_db.rows(QStringLiteral("SELECT K_NR FROM Kunden WHERE ") +
                       SqlPattern::like(QStringLiteral("TEXT"), QStringLiteral("?")),
                   {SqlPattern::containing(remarks)}))
        numbers << row.at(0).toString();
    return numbers;
}

bool CustomerView::applyFilterDialog(const CustomerFilter& filter, UiPort& ui)
{
    Filter next;
    if (filter.selectsByRemarks()) {
        const QStringList numbers = remarksMatches(filter.remarksText());
        if (numbers.isEmpty()) {
            ui.information(kNoRemarksMatch);
            return false;
        }
        next = {FilterKind::Remarks, numberList(numbers), kRemarksPanel, filter.remarksText()};
    } else {
        CustomerFilter::Expression e = filter.expression();
        if (!e.ok()) {
            ui.warning(e.error);
            return false;
        }
        e.condition.add(e.recordFilter.condition());
        next = {FilterKind::Criteria, e.condition, kCriteriaPanel, {}};
    }
    m_last = next;
    m_lastActive = true;
    m_marked = false;
    return true;
}

void CustomerView::applyParticipants(const QString& typedNumber)
{
    QString number = typedNumber;
    number.remove(QLatin1Char('/')).remove(QLatin1Char(' ')).remove(QLatin1Char('_'));
    QStringList numbers;
    for (const QVariantList& row :
         m_db.rows(QStringLiteral("SELECT DISTINCT K_NR FROM Tupper WHERE R_NR = ?"), {number}))
        numbers << row.at(0).toString();
    m_last = {FilterKind::Participants, numberList(numbers), kParticipantsPanel + number, {}};
    m_lastActive = true;
    m_marked = false;
}

void CustomerView::toggleLastFilter()
{
    if (!lastFilterEnabled())
        return;
    m_lastActive = !m_lastActive;
}

void CustomerView::toggleMarkedFilter()
{
    if (!markedFilterEnabled())
        return;
    m_marked = !m_marked;
}

void CustomerView::clearFilter()
{
    m_lastActive = false;
    m_marked = false;
}

void CustomerView::refreshRemarksMatches()
{
    if (m_last.kind == FilterKind::Remarks)
        m_last.condition = numberList(remarksMatches(m_last.remarks));
}

CustomerView::FilterKind CustomerView::activeFilter() const
{
    if (m_marked)
        return FilterKind::Marked;
    return m_lastActive ? m_last.kind : FilterKind::None;
}

QString CustomerView::panelText() const
{
    if (m_marked)
        return kMarkedPanel;
    return m_lastActive ? m_last.panel : QString();
}

SqlCondition CustomerView::condition() const
{
    if (m_marked)
        return SqlCondition(QStringLiteral("V_ANZAHL > 0"), {});
    return m_lastActive ? m_last.condition : SqlCondition();
}

std::vector<CustomerRow> CustomerView::rows() const
{
    return readRows(m_db, condition(), orderBy());
}

std::vector<CustomerRow> CustomerView::readRows(Database& db, const SqlCondition& where,
                                                const QString& orderBy)
{
    Statement st = db.prepare(
        QStringLiteral("SELECT %1 FROM Kunden WHERE %2 ORDER BY %3").arg(kRowColumns, where.sql(), orderBy));
    st.bindAll(where.params());
    std::vector<CustomerRow> list;
    while (st.next()) {
        CustomerRow r;
        r.number = st.text(0);
        r.name = st.text(1);
        r.firstName = st.text(2);
        r.street = st.text(3);
        r.postcode = st.text(4);
        r.town = st.text(5);
        r.telephone = st.text(6);
        r.email = st.text(7);
        r.planningMark = st.value(8).toInt();
        r.guestType = st.text(9);
        r.nextParty = QDate::fromString(st.text(10), Qt::ISODate);
        r.nextPartyTime = QTime::fromString(st.text(11), QStringLiteral("HH:mm:ss"));
        r.followUp = QDate::fromString(st.text(12), Qt::ISODate);
        r.matchCode = st.text(13);
        r.lastParty = QDate::fromString(st.text(14), Qt::ISODate);
        list.push_back(std::move(r));
    }
    return list;
}

QStringList CustomerView::numbers() const
{
    const SqlCondition where = condition();
    QStringList list;
    for (const QVariantList& row :
         m_db.rows(QStringLiteral("SELECT K_NR FROM Kunden WHERE %1 ORDER BY %2").arg(where.sql(), orderBy()),
                   where.params()))
        list << row.at(0).toString();
    return list;
}

int CustomerView::count() const
{
    const SqlCondition where = condition();
    return m_db.scalar(QStringLiteral("SELECT count(*) FROM Kunden WHERE ") + where.sql(), where.params())
        .toInt();
}

bool CustomerView::resetAllMarks(UiPort& ui)
{
    if (ui.question(kResetQuestion, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return false;
    const SqlCondition where = condition();
    m_db.run(QStringLiteral("UPDATE Kunden SET V_ANZAHL = 0 WHERE ") + where.sql(), where.params());
    return true;
}

} // namespace korbelant
