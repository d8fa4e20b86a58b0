#include "planning/PlanExport.h"

#include "core/Cp437.h"
#include "core/Database.h"
#include "core/DbfTableWriter.h"
#include "core/UiPort.h"
#include "customers/CustomerDbfExport.h"
#include "planning/PartyPlanning.h"

#include <QDate>
#include <QDir>
#include <QVariantMap>

namespace korbelant {

namespace {

// The customer's own fields of the export, in their order: export name, width, customer field.
struct Own
{
    const char* name;
    int width;
    const char* source;
};

const Own kOwn[] = {{"K_NR", 6, "K_NR"},        {"ANREDE", 20, "ANREDE"},
                    {"VORNAME", 40, "VORNAME"}, {"NAME", 40, "NAME"},
                    {"STRASSE", 40, "STRASSE"}, {"LAND", 20, "LAND"},
                    {"PLZ", 5, "PLZ"},          {"ORT", 40, "ORT"},
                    {"TELEFON", 40, "TELEFON"}, {"TELEFON2", 40, "TELEFON2"},
                    {"FAX", 40, "FAX"},         {"N_DATUM", 10, "N_DATUM"},
                    {"N_ZEIT", 5, "N_ZEIT"},    {"GASTGEBER", 1, "GASTGEBER"},
                    {"VORPLANUNG", 30, nullptr}};

// The host's fields, the same in every record.
const Own kHostFields[] = {
    {"GNAME", 40, "NAME"},       {"GVORNAME", 40, "VORNAME"}, {"GANREDE", 20, "ANREDE"},
    {"GSTRASSE", 40, "STRASSE"}, {"GLAND", 20, "LAND"},       {"GPLZ", 5, "PLZ"},
    {"GORT", 40, "ORT"},         {"GTELEFON", 40, "TELEFON"}, {"GTELEFON2", 40, "TELEFON2"},
    {"GFAX", 40, "FAX"},         {"GN_DATUM", 10, "N_DATUM"}, {"GN_ZEIT", 5, "N_ZEIT"},
    {"GWOCHENTAG", 20, nullptr}};

const QStringList& sourceFields()
{
    static const QStringList fields{
        QStringLiteral("K_NR"),     QStringLiteral("ANREDE"),   QStringLiteral("VORNAME"),
        QStringLiteral("NAME"),     QStringLiteral("STRASSE"),  QStringLiteral("LAND"),
        QStringLiteral("PLZ"),      QStringLiteral("ORT"),      QStringLiteral("TELEFON"),
        QStringLiteral("TELEFON2"), QStringLiteral("FAX"),      QStringLiteral("N_DATUM"),
        QStringLiteral("N_ZEIT"),   QStringLiteral("GASTGEBER")};
    return fields;
}

std::vector<DbfTableWriter::Field> exportFields()
{
    std::vector<DbfTableWriter::Field> fields;
    for (const Own& f : kOwn)
        fields.push_back({f.name, 'C', f.width});
    for (const Own& f : kHostFields)
        fields.push_back({f.name, 'C', f.width});
    return fields;
}

// A stored value as the export writes it: dates "dd.mm.yyyy", the time "hh:mm".
QString shown(const QString& field, const QString& stored)
{
    if (field == QStringLiteral("N_DATUM")) {
        const QDate d = QDate::fromString(stored, Qt::ISODate);
        return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    }
    if (field == QStringLiteral("N_ZEIT"))
        return stored.left(5);
    return stored;
}

QVariantMap customerRow(const QVariantList& row)
{
    QVariantMap values;
    for (int i = 0; i < sourceFields().size(); ++i)
        values.insert(sourceFields().at(i), row.value(i).toString());
    return values;
}

} // namespace

QString PlanExport::confirmation()
{
    return QStringLiteral("Es wird eine Exportdatei mit dem Namen >") + QStringLiteral("Vorplan") +
           QStringLiteral(".dbf< erzeugt");
}

bool PlanExport::Export(const QString& directory, UiPort& ui)
{
    const auto host = PartyPlanning(m_db, ui).host();
    if (!host) {
        ui.information(PartyPlanning::kNoHost);
        return false;
    }
    if (ui.question(confirmation(), UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
        return false;
    write(QDir(directory).filePath(kFileName), *host);
    return true;
}

int PlanExport::write(const QString& targetFile, const QString& host)
{
    const QString select = QStringLiteral("SELECT ") + sourceFields().join(QStringLiteral(", ")) +
                           QStringLiteral(" FROM Kunden WHERE ");
    const auto hostRows = m_db.rows(select + QStringLiteral("K_NR = ?"), {host});
    const QVariantMap hostValues = hostRows.empty() ? QVariantMap() : customerRow(hostRows.front());

    QList<QByteArray> hostPart;
    for (const Own& f : kHostFields) {
        const QString value = f.source
                                  ? shown(QString::fromLatin1(f.source),
                                          hostValues.value(QString::fromLatin1(f.source)).toString())
                                  : CustomerDbfExport::weekdayName(QDate::fromString(
                                        hostValues.value(QStringLiteral("N_DATUM")).toString(), Qt::ISODate));
        hostPart << Cp437::encode(value).left(f.width);
    }

    DbfTableWriter dbf(targetFile, exportFields());
    for (const QVariantList& row :
         m_db.rows(select + PartyPlanning::kMarkedCondition + QStringLiteral(" ORDER BY K_NR"))) {
        const QVariantMap values = customerRow(row);
        QList<QByteArray> record;
        for (const Own& f : kOwn) {
            QString value = f.source ? shown(QString::fromLatin1(f.source),
                                             values.value(QString::fromLatin1(f.source)).toString())
                                     : QString();
            if (QString::fromLatin1(f.name) == QStringLiteral("GASTGEBER") &&
                values.value(QStringLiteral("K_NR")).toString() == host)
                value = QStringLiteral("J");
            record << Cp437::encode(value).left(f.width);
        }
        dbf.append(record + hostPart);
    }
    dbf.commit();
    return dbf.written();
}

} // namespace korbelant
