#pragma once

#include <QStringList>
#include <optional>

namespace korbelant {

class UiPort;

// The currency of the disk's article file GBART.ASC against that of the data set: the code at
// positions 75 to 77 of the second line, or of the third when the second has none there.
class ArticleFileCurrency
{
public:
    static inline const QString kDemInEuro = QStringLiteral(
        "Die Artikeldatei enthält Preise in D-Mark, ihre aktuelle Währung ist Euro, Artikel können nicht "
        "eingelesen werden.");
    static inline const QString kEuroInDem = QStringLiteral(
        "Die Artikeldatei enthält Preise in Euro, ihre aktuelle Währung ist D-Mark, Artikel können nicht "
        "eingelesen werden.");
    static inline const QString kUnknown = QStringLiteral(
        "Die Währung der Artikeldatei kann nicht festgestellt werden, sind sie absulut sicher dass sie "
        "diese einlesen wollen?");

    // The code in upper case; empty when neither line has one.
    static QString code(const QStringList& lines);
    // Whether the file may be read into a data set in Euro (or D-Mark); a refusal has been shown,
    // an unknown code asked about.
    static bool accept(const QStringList& lines, bool euro, UiPort& ui);
};

} // namespace korbelant
