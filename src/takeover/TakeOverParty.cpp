#include "takeover/TakeOverParty.h"

#include "core/Database.h"
#include "takeover/TargetRecord.h"

#include <QDate>

namespace korbelant {

namespace {

bool numberTaken(Database& db, const QString& number)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf WHERE R_NR = ?"), {number}).toInt() > 0;
}

} // namespace

QString TakeOverParty::partyNumber(const QVariant& date)
{
    QDate day = date.toDate();
    if (!day.isValid())
        day = QDate::fromString(date.toString().trimmed(), QStringLiteral("dd.MM.yyyy"));
    return day.isValid() ? day.toString(QStringLiteral("ddMMyy")) + QLatin1Char('A') : QString();
}

bool TakeOverParty::storeHeader(Database& db, TargetRecord& record)
{
    QString number = record.text(QStringLiteral("R_NR"));
    if (number.size() != 7)
        return false;
    for (char letter = number.at(6).toLatin1(); letter >= 'A' && letter <= 'Z'; ++letter) {
        number[6] = QLatin1Char(letter);
        if (numberTaken(db, number))
            continue;
        record.set(QStringLiteral("R_NR"), number);
        return record.store(db);
    }
    return false;
}

bool TakeOverParty::isWholeNumber(const QString& text)
{
    bool ok = false;
    text.trimmed().toLongLong(&ok);
    return ok;
}

QVariantMap TakeOverParty::participant(const QVariantMap& header, const QString& customer, const QString& pNr)
{
    QVariantMap p;
    p.insert(QStringLiteral("R_NR"), header.value(QStringLiteral("R_NR")));
    p.insert(QStringLiteral("MWoche"), header.value(QStringLiteral("MWoche")));
    p.insert(QStringLiteral("TWoche"), QStringLiteral("1"));
    p.insert(QStringLiteral("K_NR"), customer);
    p.insert(QStringLiteral("P_NR"), pNr);
    return p;
}

} // namespace korbelant
