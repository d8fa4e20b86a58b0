#pragma once

#include "core/ScriptedUi.h"
#include "customers/CustomerView.h"
#include "customers/TClientDataModul.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace korbelant::test {

// A fresh data set with the three fixed customers, the customer store and the customer view.
class CustomerFixture : public ::testing::Test
{
protected:
    CustomerFixture();

    // Stores a new customer with the given fields (edit form, dates "dd.mm.yyyy") and returns
    // her number; fails the test when she cannot be stored.
    QString add(const QVariantMap& fields);
    // Stores a customer under a number of her own.
    void addWithNumber(const QString& number, const QVariantMap& fields = {});
    // Numbers of the customers shown by the view, in its order.
    QStringList shown() const { return view.numbers(); }
    // The names of the customers shown, without the fixed records.
    QStringList shownNames() const;

    TempHome home;
    std::unique_ptr<Database> db;
    ScriptedUi ui;
    TClientDataModul store;
    CustomerView view;
};

} // namespace korbelant::test
