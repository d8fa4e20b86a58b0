#pragma once

#include "core/SqlCondition.h"
#include "customers/CustomerRow.h"
#include "customers/CustomerSort.h"

#include <QString>
#include <vector>

namespace korbelant {

class Database;

// The rules of the quick search "Kundenschnellsuche": which customers the typed name, first name,
// postcode or town select, and what Enter does in each field. Everything typed is a bound prefix
// that ignores case.
class CustomerQuickSearch
{
public:
    enum class Field
    {
        Name,
        FirstName,
        Postcode,
        Town,
        Grid
    };
    enum class EnterAction
    {
        Accept,
        MoveToPostcode,
        MoveToGrid,
        CreateNew,
        NextField
    };

    explicit CustomerQuickSearch(Database& db) : m_db(db) {}

    // Typing in one of the four fields: the grid is filtered by that field (name and first name
    // together) and sorted by it.
    void typed(Field field, const QString& text);
    QString text(Field field) const;
    CustomerSort::Order sortOrder() const { return m_order; }
    void setSortOrder(CustomerSort::Order order) { m_order = order; }

    SqlCondition condition() const;
    std::vector<CustomerRow> rows() const;
    int count() const;

    EnterAction enter(Field field) const;

private:
    Database& m_db;
    QString m_name;
    QString m_firstName;
    QString m_postcode;
    QString m_town;
    Field m_filterBy = Field::Name;
    CustomerSort::Order m_order = CustomerSort::Order::Name;
};

} // namespace korbelant
