#include "exchange/DiskFileBuilder.h"

#include "core/Options.h"
#include "exchange/DiskError.h"
#include "exchange/DiskRecordCheck.h"
#include "exchange/FixedField.h"
#include "exchange/StreetSplit.h"
#include "exchange/TransferQueries.h"

#include <QDate>
#include <cmath>

namespace korbelant {

namespace {

const QString kOnDisk = QStringLiteral("Ja");

// A count of the success file with its name for the message when it does not fit.
struct SuccessField
{
    const char* column;
    const char* label;
    int width;
};

const SuccessField kSuccessFields[] = {{"S_VORFUEHR", "Anzahl der Vorführungen", 2},
                                       {"S_VERABRED", "Verabredungen", 2},
                                       {"S_GAESTE", "Gäste", 3},
                                       {"GV1", "Geplante Vorführungen 1. Woche", 2},
                                       {"GV2", "Geplante Vorführungen 2. Woche", 2},
                                       {"GV3", "Geplante Vorführungen 3. Woche", 2},
                                       {"GV4", "Geplante Vorführungen 4. Woche", 2},
                                       {"GV5", "Geplante Vorführungen 5. Woche", 2},
                                       {"GV6", "Geplante Vorführungen 6. Woche", 2},
                                       {"BENENNUNG", "Benennungen", 2},
                                       {"RekBesuch", "Rekrutierungsbesuche", 2}};

qint64 whole(const QVariant& value)
{
    return static_cast<qint64>(std::llround(value.toDouble()));
}

QString text(const ResultTable& table, int r, const char* column)
{
    return table.value(r, QString::fromLatin1(column)).toString();
}

QString fitted(qint64 value, int width, const QString& what)
{
    const auto field = FixedField::number(value, width);
    if (!field)
        throw DiskError(QStringLiteral("%1 ist mit %2 zu groß für die Diskette (höchstens %3 Stellen). "
                                       "Die Diskette wird nicht geschrieben.")
                            .arg(what)
                            .arg(value)
                            .arg(width));
    return *field;
}

QString partWeekLabel(const ResultTable& table, int r)
{
    return QStringLiteral(" der Teilwoche ") + text(table, r, "TWOCHE");
}

} // namespace

QStringList DiskFileBuilder::orders(const ResultTable& rechQuery) const
{
    const QString consultant = TransferQueries::consultantNumber(m_options);
    QStringList lines;
    for (int r = 0; r < rechQuery.rowCount(); ++r) {
        if (text(rechQuery, r, "OnDisk") != kOnDisk)
            continue;
        const QString what = QStringLiteral("Die Bestellmenge des Artikels ") +
                             text(rechQuery, r, "Z_NR").trimmed() + QStringLiteral(" (") +
                             text(rechQuery, r, "L_TEXT").trimmed() + QStringLiteral(")");
        lines << QStringLiteral("76") + consultant + FixedField::text(weekNumber(), 2) +
                     DiskRecordCheck::position(text(rechQuery, r, "Nr")) +
                     FixedField::text(text(rechQuery, r, "VA"), 2) +
                     FixedField::text(text(rechQuery, r, "Z_NR"), 8) +
                     fitted(whole(rechQuery.value(r, QStringLiteral("MENGE"))), 3, what) +
                     QStringLiteral("  ");
    }
    return lines;
}

QStringList DiskFileBuilder::success(const ResultTable& erfolgQuery) const
{
    const QString consultant = TransferQueries::consultantNumber(m_options);
    QStringList lines;
    for (int r = 0; r < erfolgQuery.rowCount(); ++r) {
        QString line = QStringLiteral("77") + consultant +
                       DiskRecordCheck::position(text(erfolgQuery, r, "Nr")) +
                       FixedField::text(weekNumber(), 2);
        for (const SuccessField& field : kSuccessFields)
            line += fitted(whole(erfolgQuery.value(r, QString::fromLatin1(field.column))), field.width,
                           QStringLiteral("Das Feld \"") + QString::fromUtf8(field.label) +
                               QStringLiteral("\"") + partWeekLabel(erfolgQuery, r));
        lines << line;
    }
    return lines;
}

QStringList DiskFileBuilder::addresses(const ResultTable& addressQuery) const
{
    QStringList lines;
    for (int r = 0; r < addressQuery.rowCount(); ++r)
        lines << addressRecord(addressQuery, r);
    return lines;
}

QString DiskFileBuilder::addressRecord(const ResultTable& table, int r) const
{
    const StreetSplit street = StreetSplit::of(text(table, r, "Strasse"));
    const QString town = text(table, r, "Ort");
    const qsizetype dash = town.indexOf(QLatin1Char('-'));
    const QString kz = text(table, r, "KZ");
    const QDate appointment = table.value(r, QStringLiteral("Verabred_Datum")).toDate();
    const QString date = kz == QStringLiteral("V") && appointment.isValid()
                             ? appointment.toString(QStringLiteral("dd.MM.yy"))
                             : QString();
    return QStringLiteral("1A") + FixedField::text(text(table, r, "K_NR"), 6) +
           FixedField::text(text(table, r, "Name").trimmed(), 30) +
           FixedField::text(text(table, r, "VORName"), 20) + FixedField::text(street.street, 25) +
           FixedField::text(street.houseNumber, 10) + QString(3, QLatin1Char(' ')) +
           FixedField::text(text(table, r, "PLZ"), 5) +
           FixedField::text(dash < 0 ? town : town.left(dash + 1), 25) +
           FixedField::text(dash < 0 ? QString() : town.mid(dash + 1), 25) +
           FixedField::text(text(table, r, "Telefon"), 15) + QString(10, QLatin1Char(' ')) +
           FixedField::text(kz, 1) + TransferQueries::consultantNumber(m_options) +
           FixedField::text(weekNumber() + QLatin1Char('/') + m_range.week.mid(2, 2), 5) + figures(table, r) +
           FixedField::text(date, 8) +
           (m_options.checked(QStringLiteral("Euro")) ? QStringLiteral("EUR") : QStringLiteral("DEM"));
}

// UMSATZ, STERNE, VERAB and GAESTE: the party's figures on the host's record, 0 on the others.
QString DiskFileBuilder::figures(const ResultTable& table, int r) const
{
    const bool host = text(table, r, "KZ") == QStringLiteral("G");
    const QString who = QStringLiteral(" der Vorführung ") + text(table, r, "R_Nr");
    const double turnover = host ? table.value(r, QStringLiteral("S_Umsatz")).toDouble() : 0.0;
    const auto umsatz = FixedField::decimal(turnover, 2, 10);
    if (!umsatz)
        throw DiskError(QStringLiteral("Der Umsatz%1 ist zu groß für die Adressdatei der Diskette. "
                                       "Die Diskette wird nicht geschrieben.")
                            .arg(who));
    auto count = [&](const char* column, int width, const QString& label) {
        return fitted(host ? whole(table.value(r, QString::fromLatin1(column))) : 0, width,
                      QStringLiteral("Das Feld \"") + label + QStringLiteral("\"") + who);
    };
    return *umsatz + count("Sterne", 4, QStringLiteral("Sterne")) +
           count("Verabred", 2, QStringLiteral("Verabredungen")) +
           count("Gaeste", 3, QStringLiteral("Gäste"));
}

} // namespace korbelant
