#pragma once

#include <QString>

namespace korbelant {

class Database;

// Takes the filled work table LagerTemp over into the catalogue Lager, in one transaction: an
// article found again is replaced by its new record (keeping the consultant's stock), an article
// missing from the list is marked dropped once and inactive, and the new records are appended.
// Any failure leaves the catalogue exactly as it was.
class ArticleMerge
{
public:
    static inline const QString kNotTaken = QStringLiteral("Die Artikel können nicht übernommen werden.");

    struct Result
    {
        int matched = 0;
        int removed = 0;
    };

    // With replaceAll (the option AppendArtikel) the catalogue is emptied first. Throws
    // DatabaseError with kNotTaken when the change cannot be made.
    static Result merge(Database& db, bool replaceAll);

private:
    static int takeOverFound(Database& db);
    static int markMissing(Database& db);
    static void append(Database& db);
};

} // namespace korbelant
