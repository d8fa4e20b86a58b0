#include "customers/CustomerDbfExport.h"
#include "customers/CustomerMail.h"
#include "customers/CustomerView.h"
#include "customers/TClientDataModul.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The customer rules' tests compare what was shown with these texts by name; here the texts
// themselves are pinned, character for character (typos included).
TEST(CustomerTexts, MessagesAndNamesWordForWord)
{
    const struct
    {
        QString text;
        const char* expected;
    } texts[] = {
        {TClientDataModul::kReservedMessage,
         "Kundennummern \"099999\",\"100000\" und \"100001\" können nicht gelöscht werden !"},
        {TClientDataModul::kDuplicatePlaceMessage, "Sie können keinen Datensatz doppelt anlegen"},
        {CustomerView::kNoRemarksMatch, "Kein Kunde mit gewünschtem Bemerkungstext gefunden."},
        {CustomerView::kRemarksPanel, "Kunden nach Inhalt der Bemerkungen gefiltert"},
        {CustomerView::kCriteriaPanel, "Kunden nach freien Kriterien gefiltert"},
        {CustomerView::kResetQuestion, "Wollen Sie alle gemachten Eingaben zurücksetzen ?"},
        {CustomerMail::kNoAddress, "Sie haben bei diesem Kunden keine email-Adresse eigetragen."},
        {CustomerDbfExport::kFileName, "KundTemp.dbf"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.text, QString::fromUtf8(t.expected));
}

} // namespace

} // namespace korbelant::test
