#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace korbelant::test {

// One article row of the distributor's ArtInfos.txt, with its values as the file holds them.
struct ArtInfosRow
{
    QString group = QStringLiteral("10");
    QString orderNumber;   // ARTNR
    QString productNumber; // PRODUKTNR
    QString text = QStringLiteral("Schüssel");
    QString price = QStringLiteral("12,50");
    QString sample = QStringLiteral("6,25");
    QString salesLock = QStringLiteral("false");
    QString stars = QStringLiteral("2");
};

struct ArtInfosItem
{
    QString code;
    QString text;
    QString maximum;
};

struct ArtInfosSparePart
{
    QString sparePart; // FORMNUMMER
    QString product;   // PRODUKTNR5
};

// The text of an ArtInfos.txt written by hand in the distributor's layout: the header values
// ERSTELLT and VERSION, then the sections ARTIKEL, Posten and Ersatzteile, each with one table.
QByteArray artInfosText(const QString& created, const std::vector<ArtInfosRow>& rows,
                        const std::vector<ArtInfosItem>& items = {},
                        const std::vector<ArtInfosSparePart>& spareParts = {});

// A medium as the distributor sends it: Ber_ID.bin of consultant 4711 and Stamm.zip holding
// ArtInfos.txt with these bytes.
void writeMasterDataMedium(const QString& folder, const QByteArray& artInfos);

} // namespace korbelant::test
