#include "customers/CustomerView.h"

#include "core/Database.h"
#include "core/SqlPattern.h"
#include "core/Statement.h"
#include "core/UiPort.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace korbelant {

namespace {

const QString kRowColumns =
    QStringLiteral("K_NR, NAME, VORNAME, STRASSE, PLZ, ORT, TELEFON, \"E-MAIL\", V_ANZAHL, GASTGEBER, "
                   "N_DATUM, N_ZEIT, WiederVorlage, MCODE, L_DATUM");

// The list of every customer reads tens of thousands of rows; the values are taken straight from
// the statement's UTF-8 text rather than through a variant each.
QString textAt(const Statement& st, int column)
{
    const std::string_view text = st.utf8(column);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The digits of text[from, from + count) as a number; -1 when one is no digit.
int digitsAt(std::string_view text, size_t from, size_t count)
{
    int number = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

// A date as the tables keep it ("2004-03-24"); invalid for anything else.
QDate dateAt(const Statement& st, int column)
{
    const std::string_view text = st.utf8(column);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return QDate::fromString(textAt(st, column), Qt::ISODate);
    return QDate(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2));
}

// A time as the tables keep it ("09:30:00"); invalid for anything else.
QTime timeAt(const Statement& st, int column)
{
    const std::string_view text = st.utf8(column);
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return QTime::fromString(textAt(st, column), QStringLiteral("HH:mm:ss"));
    return QTime(digitsAt(text, 0, 2), digitsAt(text, 3, 2), digitsAt(text, 6, 2));
}

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
        r.number = textAt(st, 0);
        r.name = textAt(st, 1);
        r.firstName = textAt(st, 2);
        r.street = textAt(st, 3);
        r.postcode = textAt(st, 4);
        r.town = textAt(st, 5);
        r.telephone = textAt(st, 6);
        r.email = textAt(st, 7);
        r.planningMark = static_cast<int>(st.real(8));
        r.guestType = textAt(st, 9);
        r.nextParty = dateAt(st, 10);
        r.nextPartyTime = timeAt(st, 11);
        r.followUp = dateAt(st, 12);
        r.matchCode = textAt(st, 13);
        r.lastParty = dateAt(st, 14);
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
