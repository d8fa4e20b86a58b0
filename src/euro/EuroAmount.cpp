#include "euro/EuroAmount.h"

#include "core/Currency.h"

#include <QByteArray>
#include <cmath>
#include <sqlite3.h>

namespace korbelant {

namespace {

void euroAmountFunction(sqlite3_context* context, int, sqlite3_value** values)
{
    const double dm = sqlite3_value_type(values[0]) == SQLITE_NULL ? 0.0 : sqlite3_value_double(values[0]);
    sqlite3_result_double(context, EuroAmount::convert(dm, sqlite3_value_int(values[1])));
}

} // namespace

QString EuroAmount::text(double dmAmount, int decimals)
{
    // In whole units of the last decimal, so that no locale can put a comma into the text.
    const long double scale = std::pow(10.0L, decimals);
    const long long units = std::llroundl(static_cast<long double>(dmAmount) * (1.0L / Currency::kRate) * scale);
    const long long whole = static_cast<long long>(scale);
    const QString sign = units < 0 ? QStringLiteral("-") : QString();
    const long long magnitude = units < 0 ? -units : units;
    const QString fraction = QString::number(magnitude % whole).rightJustified(decimals, QLatin1Char('0'));
    const QString marker = decimals == 2 ? QStringLiteral("00000001016") : QStringLiteral("1016");
    return sign + QString::number(magnitude / whole) + QLatin1Char('.') + fraction + marker;
}

double EuroAmount::convert(double dmAmount, int decimals)
{
    return text(dmAmount, decimals).toLatin1().toDouble();
}

int EuroAmount::registerWith(sqlite3* db)
{
    return sqlite3_create_function_v2(db, kSqlFunction.toUtf8().constData(), 2,
                                      SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, euroAmountFunction, nullptr,
                                      nullptr, nullptr);
}

} // namespace korbelant
