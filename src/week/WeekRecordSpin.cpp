#include "week/WeekRecordSpin.h"

#include <QRegularExpression>

namespace korbelant {

bool WeekRecordSpin::spinnable(const QString& field)
{
    static const QRegularExpression names(QStringLiteral("^(VORFUEHR_[1-6]|REK_BESUCH|DR_([1-9]|1[0-9]))$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return names.match(field).hasMatch();
}

QVariant WeekRecordSpin::up(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return 1;
    return value.toInt() + 1;
}

QVariant WeekRecordSpin::down(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return value;
    return value.toInt() <= 0 ? 0 : value.toInt() - 1;
}

std::optional<int> WeekRecordSpin::requestUp(const QString& kodierung, int menge, int max)
{
    if (kodierung.isEmpty() || (max != 0 && menge >= max))
        return std::nullopt;
    return menge + 1;
}

std::optional<int> WeekRecordSpin::requestDown(const QString& kodierung, int menge)
{
    if (kodierung.isEmpty())
        return std::nullopt;
    return menge - 1 < 1 ? 0 : menge - 1;
}

} // namespace korbelant
