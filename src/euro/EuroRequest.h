#pragma once

#include <QDate>
#include <QString>

namespace korbelant {

// What the conversion window asks for: every amount or those up to a date (the date as typed),
// and whether the article catalogue is converted too.
struct EuroRequest
{
    static inline const QString kPresetDate = QStringLiteral("01.01.2002");

    bool allData = true;
    QString dateText = kPresetDate;
    bool articles = true;

    // The typed date; invalid when it is none.
    QDate date() const;
    // The lines of the confirmation: "komplett" or "bis " and the date; whether the articles follow.
    QString scopeText() const;
    QString articlesText() const;
};

} // namespace korbelant
