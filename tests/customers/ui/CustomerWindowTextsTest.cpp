#include "customers/ui/TClientChoose.h"
#include "customers/ui/TClientFast.h"
#include "customers/ui/TClientForm.h"
#include "customers/ui/TClientGETR_NR.h"
#include "customers/ui/TClientNewForm.h"
#include "customers/ui/TKMForm.h"
#include "customers/ui/TOrteForm.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The customer windows' tests compare titles and messages with these texts by name; here the
// texts themselves are pinned, character for character (trailing blanks included).
TEST(CustomerWindowTexts, TitlesAndMessagesWordForWord)
{
    const struct
    {
        QString text;
        const char* expected;
    } texts[] = {
        {TClientChoose::kTitle, "Kunde auswählen"},
        {TClientChoose::kNewTitle, "Neukunde anlegen und übernehmen."},
        {TClientFast::kNewTitle, "Neukunde anlegen und übernehmen."},
        {TClientForm::kNewTitle, "Einen neuen Kunden anlegen"},
        {TClientForm::kDeleteQuestion, "Datensatz löschen?"},
        {TClientGETR_NR::kIncomplete, "Die gemachten Angaben sind unvollständig"},
        {TClientNewForm::kDefaultTitle, "Kunde bearbeiten"},
        {TOrteForm::kByTownTitle, "Orte sortiert nach Ortsname "},
        {TOrteForm::kByPostcodeTitle, "Orte sortiert nach Plz "},
        {TKMForm::kTitle, "Entfernungen sortiert nach Postleitzahlen"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.text, QString::fromUtf8(t.expected));
}

} // namespace

} // namespace korbelant::test
