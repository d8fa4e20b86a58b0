#pragma once

#include <QString>

namespace korbelant {

// Whether an exchange medium belongs to this consultant: the distributor puts a file Ber_ID.bin
// on it whose first line begins with the consultant number.
class MediumCheck
{
public:
    static inline const QString kFileName = QStringLiteral("Ber_ID.bin");

    // False when the file is missing or cannot be read; otherwise whether the first five
    // characters of its first line are the consultant number (five characters, as written).
    static bool CheckMedium(const QString& berIdPath, const QString& consultantNumber);
    // Ber_ID.bin in a folder, its name matched without regard to case; the exact spelling when
    // the folder holds none.
    static QString berIdFile(const QString& folder);
};

} // namespace korbelant
