#include "exchange/DiskRecordCheck.h"

#include "exchange/FixedField.h"

namespace korbelant {

namespace {

struct Count
{
    int pos;
    int width;
};

// Where the counts of a success record stand.
const std::array<Count, 11> kCounts{
    {{11, 2}, {13, 2}, {15, 3}, {18, 2}, {20, 2}, {22, 2}, {24, 2}, {26, 2}, {28, 2}, {30, 2}, {32, 2}}};

bool numeric(const QString& field)
{
    return FixedField::integer(field).has_value();
}

} // namespace

QString DiskRecordCheck::position(const QString& nr)
{
    return nr.size() == 1 && FixedField::isDigits(nr) ? nr : QStringLiteral("0");
}

std::optional<QString> DiskRecordCheck::orderRecord(const QString& line, qint64& quantity)
{
    const QString type = FixedField::at(line, 1, 2);
    const QString consultant = FixedField::at(line, 3, 5);
    const QString va = FixedField::at(line, 11, 2);
    const QString orderNumber = FixedField::at(line, 13, 8);
    const auto pieces = FixedField::integer(FixedField::at(line, 21, 3), 0);
    if (type != QStringLiteral("76") || !numeric(consultant) || !numeric(va) ||
        QString(orderNumber).remove(QLatin1Char(' ')).size() < 4 || !pieces)
        return std::nullopt;
    quantity = *pieces;
    return type + FixedField::right(consultant.trimmed(), 5) +
           FixedField::text(FixedField::at(line, 8, 2), 2) + position(FixedField::at(line, 10, 1)) +
           FixedField::text(va, 2) + FixedField::text(orderNumber, 8) + *FixedField::number(quantity, 3) +
           QStringLiteral("  ");
}

std::optional<QString> DiskRecordCheck::successRecord(const QString& line, SuccessCounts& counts)
{
    const QString type = FixedField::at(line, 1, 2);
    const QString consultant = FixedField::at(line, 3, 5);
    if (type != QStringLiteral("77") || !numeric(consultant))
        return std::nullopt;
    QString record = type + FixedField::right(consultant.trimmed(), 5) +
                     position(FixedField::at(line, 8, 1)) + FixedField::text(FixedField::at(line, 9, 2), 2);
    for (size_t k = 0; k < kCounts.size(); ++k) {
        const auto value = FixedField::integer(FixedField::at(line, kCounts[k].pos, kCounts[k].width), 0);
        const auto field = value ? FixedField::number(*value, kCounts[k].width) : std::nullopt;
        if (!field)
            return std::nullopt;
        counts[k] = *value;
        record += *field;
    }
    return record + QString(12, QLatin1Char(' '));
}

bool DiskRecordCheck::addressRecord(const QString& line)
{
    return FixedField::at(line, 1, 2) == QStringLiteral("1A") && numeric(FixedField::at(line, 178, 5));
}

} // namespace korbelant
