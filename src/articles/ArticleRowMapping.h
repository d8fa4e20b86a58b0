#pragma once

#include <QDate>
#include <QVariantMap>
#include <optional>

namespace korbelant {

class TTWD_Table;

// Turns one row of the distributor's article list into a record for the work table LagerTemp:
// a row of the converted disk file PCART.ASC, or a row of the section ARTIKEL of ArtInfos.txt.
// The record's L_NR is the product number as delivered; the number rules come afterwards.
class ArticleRowMapping
{
public:
    // Fields of PCART.ASC by name (VA, Z_NR, ART_NR, L_Text, VKPF, MUSTPF, VITALIC, Sterne);
    // prices are in hundredths. Nothing when a price cannot be read: the row is dropped.
    static std::optional<QVariantMap> fromDisk(const QVariantMap& row);
    // Row n of the table ARTIKEL. Nothing when a field from L_TEXT to MUSTER cannot be taken:
    // the row is dropped with "Datensatz nicht übernommen".
    static std::optional<QVariantMap> fromArchive(const TTWD_Table& table, int n, const QDate& today);

    // A delivered number: empty gives null; a decimal comma or point; nothing when it is no number.
    static std::optional<QVariant> number(const QString& text);
    static QString withoutBlanks(const QString& text);

private:
    static void addLockGroup(QVariantMap& record, const TTWD_Table& table, int n);
};

} // namespace korbelant
