#include "customers/CustomerQuickSearch.h"

#include "core/Database.h"
#include "core/SqlPattern.h"
#include "customers/CustomerView.h"

namespace korbelant {

namespace {

// Texts of the column that begin with the prefix, in the column's German order without regard to
// case.
void addPrefix(SqlCondition& c, const QString& column, const QString& prefix)
{
    if (prefix.isEmpty())
        return;
    c.add(QStringLiteral("%1 >= ? AND %1 <= ?").arg(column), {prefix, SqlPattern::through(prefix)});
}

} // namespace

void CustomerQuickSearch::typed(Field field, const QString& text)
{
    switch (field) {
    case Field::Name:
        m_name = text;
        break;
    case Field::FirstName:
        m_firstName = text;
        break;
    case Field::Postcode:
        m_postcode = text;
        break;
    case Field::Town:
        m_town = text;
        break;
    case Field::Grid:
        return;
    }
    m_filterBy = field == Field::FirstName ? Field::Name : field;
    m_order = field == Field::Postcode ? CustomerSort::Order::Postcode
              : field == Field::Town   ? CustomerSort::Order::TownStreet
                                       : CustomerSort::Order::Name;
}

QString CustomerQuickSearch::text(Field field) const
{
    switch (field) {
    case Field::Name:
        return m_name;
    case Field::FirstName:
        return m_firstName;
    case Field::Postcode:
        return m_postcode;
    case Field::Town:
        return m_town;
    case Field::Grid:
        break;
    }
    return {};
}

SqlCondition CustomerQuickSearch::condition() const
{
    SqlCondition c;
    switch (m_filterBy) {
    case Field::Postcode:
        addPrefix(c, QStringLiteral("PLZ"), m_postcode);
        break;
    case Field::Town:
        addPrefix(c, QStringLiteral("ORT"), m_town);
        break;
    default:
        addPrefix(c, QStringLiteral("NAME"), m_name);
        addPrefix(c, QStringLiteral("VORNAME"), m_firstName);
    }
    return c;
}

std::vector<CustomerRow> CustomerQuickSearch::rows() const
{
    return CustomerView::readRows(m_db, condition(), CustomerSort::orderBy(m_order));
}

int CustomerQuickSearch::count() const
{
    const SqlCondition where = condition();
    return m_db.scalar(QStringLiteral("SELECT count(*) FROM Kunden WHERE ") + where.sql(), where.params())
        .toInt();
}

CustomerQuickSearch::EnterAction CustomerQuickSearch::enter(Field field) const
{
    switch (field) {
    case Field::Grid:
        return EnterAction::Accept;
    case Field::FirstName: {
        if (m_name.isEmpty() && m_firstName.isEmpty())
            return EnterAction::MoveToPostcode;
        const int matches = count();
        return matches == 1  ? EnterAction::Accept
               : matches > 1 ? EnterAction::MoveToGrid
                             : EnterAction::CreateNew;
    }
    case Field::Postcode:
        return m_postcode.isEmpty() ? EnterAction::NextField : EnterAction::MoveToGrid;
    case Field::Town:
        return m_town.isEmpty() ? EnterAction::NextField : EnterAction::MoveToGrid;
    case Field::Name:
        break;
    }
    return EnterAction::NextField;
}

} // namespace korbelant
