#pragma once

#include "exchange/ExchangeTarget.h"

#include <QString>

namespace korbelant {

class ArticleImport;

// The article import from the distributor's exchange disk of the old interface: the disk and
// consultant checks, the age and currency of GBART.ASC, its conversion into PCART.ASC, whose rows
// go into the catalogue, and the spare parts of AEHLP.ASC.
class ArticleDiskReader
{
public:
    static inline const QString kNotOpened = QStringLiteral("Artikel-Datei kann nicht geöffnet werden.");

    // The disk reader the import is given when the option bzh_old is set.
    static bool read(ArticleImport& import, const ExchangeTarget& source);
};

} // namespace korbelant
