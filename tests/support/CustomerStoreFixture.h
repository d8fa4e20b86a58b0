#pragma once

#include "core/ScriptedUi.h"
#include "customers/CustomerView.h"
#include "customers/TClientDataModul.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

// A fresh data set with the three fixed customers, the customer store and the customer view.
class CustomerStoreFixture : public ::testing::Test
{
protected:
    CustomerStoreFixture();

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
