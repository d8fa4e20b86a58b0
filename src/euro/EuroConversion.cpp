#include "euro/EuroConversion.h"

#include "core/BackupBeforeChange.h"
#include "core/Cp1252.h"
#include "core/CurrencyRecord.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/GermanFormat.h"
#include "core/TableBuilder.h"
#include "core/Transaction.h"
#include "core/UiPort.h"
#include "euro/EuroAmount.h"
#include "euro/EuroBackup.h"
#include "euro/EuroPlan.h"

#include <QSaveFile>
#include <sqlite3.h>

namespace korbelant {

EuroConversion::EuroConversion(DataSet& set, UiPort& ui, const QDate& today)
    : m_set(set), m_ui(ui), m_today(today)
{
}

QString EuroConversion::upToDateQuestion(const QString& dateText)
{
    return QStringLiteral("Die Datenbankeinträge bis einschließlich dem ") + dateText +
           QStringLiteral(" werden umgerechnet.");
}

QString EuroConversion::statusText(const EuroRequest& request) const
{
    const QStringList lines{kConfirmWord, GermanFormat::date(m_today), request.dateText,
                            request.allData ? QStringLiteral("0") : QStringLiteral("1"), QString()};
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

EuroConversion::Outcome EuroConversion::ask(const EuroRequest& request, const Confirmation& confirm)
{
    if (EuroBackup(m_set.db(), m_set.home()).exists() &&
        m_ui.question(kBackupExists, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return Outcome::Cancelled;
    if (!confirm(request))
        return Outcome::Cancelled;
    if (request.allData)
        return Outcome::Converted;
    if (!request.date().isValid()) {
        m_ui.information(kInvalidDate);
        return Outcome::Refused;
    }
    if (m_ui.question(upToDateQuestion(request.dateText), UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
        return Outcome::Cancelled;
    return Outcome::Converted;
}

bool EuroConversion::backUp()
{
    m_ui.progressStep(QStringLiteral("Daten sichern."),
                      QStringLiteral("Datenbanken werden in Sicherungsverzeichniss kopiert"), 15);
    // The day's backup in DBSicher/ comes beside the D-Mark copy in DMDB/.
    if (!BackupBeforeChange::make(m_set.db(), m_ui, m_today))
        return false;
    const QStringList failures = EuroBackup(m_set.db(), m_set.home()).make();
    for (const QString& failure : failures)
        m_ui.error(failure);
    return failures.isEmpty();
}

void EuroConversion::convertTable(const EuroTableStep& step, const EuroRequest& request)
{
    if (!step.heading.isEmpty())
        m_ui.progressStep(step.heading, step.detail, step.percent);
    const QString sql = step.updateSql(request.allData);
    if (step.bindsDate(request.allData))
        m_set.db().run(sql, {request.date().toString(Qt::ISODate)});
    else
        m_set.db().run(sql);
}

EuroConversion::Outcome EuroConversion::run(const EuroRequest& request, const Confirmation& confirm)
{
    const Outcome asked = ask(request, confirm);
    if (asked != Outcome::Converted)
        return asked;
    if (!backUp()) {
        m_ui.progress(QString());
        return Outcome::Refused;
    }
    Database& db = m_set.db();
    const std::vector<EuroTableStep> steps = EuroPlan::steps(request);
    const EuroTableStep* current = &steps.front();
    try {
        if (EuroAmount::registerWith(db.handle()) != SQLITE_OK)
            throw DatabaseError(QStringLiteral("Die Umrechnung kann nicht vorbereitet werden."));
        Transaction transaction(db);
        for (const EuroTableStep& step : steps) {
            current = &step;
            convertTable(step, request);
        }
        CurrencyRecord::record(db, statusText(request), GermanFormat::date(m_today));
        transaction.commit();
    } catch (const DatabaseError& e) {
        m_set.log().LogException(e.message(), true);
        return restore(current->failure);
    }
    finish(request);
    return Outcome::Converted;
}

EuroConversion::Outcome EuroConversion::restore(const QString& failure)
{
    // The rollback has already left every amount as it was; putting the copy back and checking the
    // tables repeats that on the files, as the message says.
    m_ui.progress(QString());
    m_ui.error(failure);
    try {
        EuroBackup(m_set.db(), m_set.home()).restore();
        TableBuilder(m_set.db()).RepairTables();
    } catch (const DatabaseError& e) {
        m_set.log().LogException(e.message(), true);
    }
    m_ui.information(kRestored);
    return Outcome::Restored;
}

void EuroConversion::finish(const EuroRequest& request)
{
    m_ui.progressStep(QStringLiteral("Abgeschloßen."), QStringLiteral("Ende ohne Fehler erreicht."), 100);
    m_set.options().setChecked(QStringLiteral("Euro"), true);
    m_set.options().SaveOptions();
    // An unwritable status file is ignored: the next start takes it from the data set.
    QSaveFile status(m_set.home().statusFile());
    if (status.open(QIODevice::WriteOnly)) {
        status.write(Cp1252::encode(statusText(request)));
        status.commit();
    }
    m_ui.progress(QString());
    m_ui.information(kConverted);
}

} // namespace korbelant
