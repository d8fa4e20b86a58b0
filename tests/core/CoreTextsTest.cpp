#include "core/CurrencyState.h"
#include "core/DataReset.h"
#include "core/DateMaskCheck.h"
#include "core/DriveMap.h"
#include "core/HelpDocument.h"
#include "core/IndexRepair.h"
#include "core/Options.h"
#include "core/Startup.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The rules' tests compare what was shown with these texts by name; here the texts themselves
// are pinned, character for character (typos included), together with the names in files and
// folders that other programs and the user's set-up rely on.
TEST(CoreTexts, MessagesAndNamesWordForWord)
{
    const struct
    {
        QString text;
        const char* expected;
    } texts[] = {
        {HelpDocument::kFailed,
         "Beim Aufrufen der Hilfedatei ist ein Fehler aufgegtreten. Prüfen Sie bitte ob ein geeigneter "
         "PDF-Reader installiert ist."},
        {DateMaskCheck::kBadYear, "Jahresangabe fehlerhaft"},
        {DateMaskCheck::kMissingDigits, "Bitte fehlende Ziffern eingeben."},
        {IndexRepair::kNotice,
         "Ihre Datenbanken werden reorgansiert, dieser Vorgang kann einige Minuten in Anspruch nehmen."},
        {CurrencyState::kQuestion,
         "In den Optionen ist vermerkt das eine Umstellung auf Euro bereits stattgefunden hat. Ist diese "
         "Angabe falsch oder haben Sie einen Datenbestand in DM wieder hergestellt, dann drücken Sie bitte "
         "Nein. Haben Sie bereits auf Euro umgestellt ?"},
        {Startup::kNarrowScreen,
         "Um optimal mit der Korbelant-Verwaltung arbeiten zu können, sollten Sie eine "
         "Bildschirmauflösung von mindestens 800x600 einstellen."},
        {Startup::kNoPrinter,
         "Sie haben keinen Drucker installiert, die Berichte funktionieren nur wenn Sie einen Drucker "
         "installieren. (Siehe Hilfe, FAQ´s)"},
        {Startup::kNoPrinterList,
         "Sie haben keinen Drucker installiert, um das Programm zu benützen müßen sie einen Drucker "
         "anlegen. (Wenn Sie keinen besitzen, wählen sie einen beliebigen)."},
        {Startup::kDatabaseFailure,
         "Datenbankfehler, die Datenbanken werden wiederhergestellt. Starten Sie erneut"},
        {DataReset::kConfirmPlease, "Bitte bestätigen Sie den Befehl schriftlich"},
        {Options::kSection, "KLV"},
        {DriveMap::kDefaultA, "/media/floppy0"},
        {DriveMap::kDefaultB, "/media/floppy1"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.text, QString::fromUtf8(t.expected));
}

} // namespace

} // namespace korbelant::test
