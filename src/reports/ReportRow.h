#pragma once

#include <QStringList>
#include <QVariantList>

namespace korbelant {

// One detail row of a report table: one value per column; optional further lines printed under
// it (e.g. the address of a customer), one text per column; then lines that run over the whole
// width of the table (lists that belong to the row). Only the values are summed. An underlined
// row carries a rule under its lines.
struct ReportRow
{
    ReportRow() = default;
    ReportRow(QVariantList rowValues, QList<QStringList> lines = {})
        : values(std::move(rowValues)), extraLines(std::move(lines))
    {
    }

    QVariantList values;
    QList<QStringList> extraLines;
    bool shaded = false; // shaded whatever the section's alternate shading says
    QStringList wideLines;
    bool underlined = false;
};

} // namespace korbelant
