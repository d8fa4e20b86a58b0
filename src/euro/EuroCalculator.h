#pragma once

#include <QString>
#include <optional>

namespace korbelant {

// The calculator for single amounts: an entry read as a fixed-point amount, converted with
// DmToEuro or EuroToDm and shown with two decimals ("100,00" DM -> "51,13").
class EuroCalculator
{
public:
    static inline const QString kNoDmValue = QStringLiteral("Sie haben keinen gültigen DM-Wert eingegeben.");
    static inline const QString kNoEuroValue =
        QStringLiteral("Sie haben keinen gültigen Euro-Wert eingegeben.");

    // nullopt when the entry is no amount.
    static std::optional<QString> toEuro(const QString& dmEntry);
    static std::optional<QString> toDm(const QString& euroEntry);

private:
    static std::optional<QString> convert(const QString& entry, double (*function)(double));
};

} // namespace korbelant
