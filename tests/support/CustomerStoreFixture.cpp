#include "support/CustomerStoreFixture.h"

#include "core/FixedCustomers.h"

namespace korbelant::test {

CustomerStoreFixture::CustomerStoreFixture() : db(home.openDb()), store(*db, ui), view(*db) {}

QString CustomerStoreFixture::add(const QVariantMap& fields)
{
    TClientDataModul::Record record = store.newCustomer();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        record.insert(it.key(), it.value());
    const auto result = store.post(record, true);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    return record.value(QStringLiteral("K_NR")).toString();
}

void CustomerStoreFixture::addWithNumber(const QString& number, const QVariantMap& fields)
{
    TClientDataModul::Record record = fields;
    record.insert(QStringLiteral("K_NR"), number);
    const auto result = store.post(record, true);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
}

QStringList CustomerStoreFixture::shownNames() const
{
    QStringList names;
    for (const CustomerRow& row : view.rows()) {
        if (!FixedCustomers::isFixed(row.number))
            names << row.name;
    }
    return names;
}

} // namespace korbelant::test
