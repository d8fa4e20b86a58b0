#pragma once

#include <QStringList>
#include <QVariantList>

namespace korbelant {

// One detail row of a report table: one value per column; optional further lines printed under
// it (e.g. the address of a customer), one text per column. Only the values are summed.
struct ReportRow
{
    QVariantList values;
    QList<QStringList> extraLines;
    bool shaded = false; // shaded whatever the section's alternate shading says
};

} // namespace korbelant
