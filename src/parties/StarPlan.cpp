#include "parties/StarPlan.h"

#include "core/Database.h"
#include "core/DatabaseError.h"

#include <cmath>
#include <optional>

namespace korbelant {

namespace {

std::optional<double> numberOf(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return d;
}

enum Column { Max = 0, Stars, OneAppointment, TwoAppointments, StepAmount, StepStars };

} // namespace

StarPlan::StarPlan(Database& db) : m_db(db)
{
}

int StarPlan::StarsByPlan(double amount, int appointments) const
{
    std::vector<QVariantList> plan;
    try {
        plan = m_db.rows(QStringLiteral("SELECT SterneBetragMax, Sterne, Verabredung1, Verabredung2, SchrittBetrag, SchrittSterne "
                                        "FROM SternePlan ORDER BY rowid"));
    } catch (const DatabaseError&) {
        return 0;
    }
    if (plan.empty())
        return 0;
    int result = 0;
    for (const QVariantList& band : plan) {
        const auto max = numberOf(band[Max]);
        if (!max)
            return result;
        if (*max >= amount) {
            const auto stars = numberOf(band[Stars]);
            if (!stars)
                return result;
            result = static_cast<int>(*stars);
            break;
        }
    }
    const QVariantList& first = plan.front();
    const QVariantList& last = plan.back();
    const double stepAmount = numberOf(first[StepAmount]).value_or(0);
    const double stepStars = numberOf(first[StepStars]).value_or(0);
    const auto lastMax = numberOf(last[Max]);
    if (lastMax && amount > *lastMax && stepAmount != 0) {
        const auto lastStars = numberOf(last[Stars]);
        if (!lastStars)
            return result;
        const double steps = std::trunc((amount - *lastMax) / stepAmount);
        result = static_cast<int>(*lastStars + stepStars + steps * stepStars);
    }
    for (const auto& [column, applies] : {std::pair{OneAppointment, appointments == 1}, std::pair{TwoAppointments, appointments >= 2}}) {
        const QVariant bonus = first[column];
        if (bonus.isNull() || bonus.toString().trimmed().isEmpty())
            continue;
        const auto value = numberOf(bonus);
        if (!value)
            return result;
        if (applies)
            result += static_cast<int>(*value);
    }
    return result;
}

} // namespace korbelant
