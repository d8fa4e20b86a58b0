#include "support/ArtInfosFile.h"

#include "core/Cp1252.h"
#include "support/FileBytes.h"
#include "support/ZipTools.h"

#include <QDir>
#include <QStringList>

namespace korbelant::test {

namespace {

void addTable(QStringList& lines, const QString& section, const QString& fields, const QString& types,
              const QStringList& records)
{
    lines << QString() << QStringLiteral("[%1]").arg(section) << QString()
          << QStringLiteral("Tabelle = %1").arg(section) << QStringLiteral("Felder = ") + fields
          << QStringLiteral("Feldtypen = ") + types;
    for (const QString& record : records)
        lines << QStringLiteral("Datensatz = ") + record;
}

} // namespace

QByteArray artInfosText(const QString& created, const std::vector<ArtInfosRow>& rows,
                        const std::vector<ArtInfosItem>& items,
                        const std::vector<ArtInfosSparePart>& spareParts)
{
    QStringList lines{QStringLiteral("ERSTELLT = ") + created, QStringLiteral("VERSION = 2.0")};
    QStringList records;
    for (const ArtInfosRow& r : rows)
        records << QStringList{r.group,
                               r.orderNumber,
                               r.productNumber,
                               r.text,
                               r.price,
                               r.sample,
                               QStringLiteral("0,1"),
                               QStringLiteral("8,75"),
                               QStringLiteral("false"),
                               r.salesLock,
                               QStringLiteral("0,50"),
                               r.stars,
                               QStringLiteral("200601"),
                               QString()}
                       .join(QLatin1Char(';'));
    addTable(lines, QStringLiteral("ARTIKEL"),
             QStringLiteral("GRUPPE;ARTNR;PRODUKTNR;BEZEICHNUNG;KUNDENPREIS;MUSTERPREIS;Provisionssatz;"
                            "Beraterinnenpreis;Mustersperre;Verkaufssperre;BONUS;STERNE;FREIGABE;SPERRE"),
             QStringLiteral("10;10;10;10;5;5;5;5;1;1;5;3;11;11"), records);
    records.clear();
    for (const ArtInfosItem& i : items)
        records << i.code + QLatin1Char(';') + i.text + QLatin1Char(';') + i.maximum;
    addTable(lines, QStringLiteral("Posten"), QStringLiteral("Kodierung;Bezeichnung;MaximaleMenge"),
             QStringLiteral("10;10;3"), records);
    records.clear();
    for (const ArtInfosSparePart& p : spareParts)
        records << p.sparePart + QLatin1Char(';') + p.product;
    addTable(lines, QStringLiteral("Ersatzteile"), QStringLiteral("FORMNUMMER;PRODUKTNR5"),
             QStringLiteral("10;10"), records);
    return Cp1252::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void writeMasterDataMedium(const QString& folder, const QByteArray& artInfos)
{
    QDir().mkpath(folder);
    writeFileBytes(QDir(folder).filePath(QStringLiteral("Ber_ID.bin")), " 4711 Ute Muster\r\n");
    makeZip(QDir(folder).filePath(QStringLiteral("Stamm.zip")), {{QStringLiteral("ArtInfos.txt"), artInfos}});
}

} // namespace korbelant::test
