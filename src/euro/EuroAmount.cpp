#include "euro/EuroAmount.h"

#include "core/Currency.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sqlite3.h>
#include <string_view>

namespace korbelant {

namespace {

void euroAmountFunction(sqlite3_context* context, int, sqlite3_value** values)
{
    const double dm = sqlite3_value_type(values[0]) == SQLITE_NULL ? 0.0 : sqlite3_value_double(values[0]);
    sqlite3_result_double(context, EuroAmount::convert(dm, sqlite3_value_int(values[1])));
}

} // namespace

// The marked text into buffer (at least kTextSize characters); returns its length. In whole units
// of the last decimal and without printf, so that no locale can put a comma into it: it runs for
// every amount of the data set.
std::size_t EuroAmount::write(double dmAmount, int decimals, char* buffer)
{
    const long long scale = decimals == 2 ? 100LL : 10000000LL;
    const long long units = std::llroundl(static_cast<long double>(dmAmount) * (1.0L / Currency::kRate) *
                                          static_cast<long double>(scale));
    const long long magnitude = units < 0 ? -units : units;
    char* out = buffer;
    if (units < 0)
        *out++ = '-';
    out = std::to_chars(out, buffer + kTextSize, magnitude / scale).ptr;
    *out++ = '.';
    char fraction[24];
    const char* fractionEnd = std::to_chars(fraction, fraction + sizeof fraction, magnitude % scale).ptr;
    for (std::ptrdiff_t pad = decimals - (fractionEnd - fraction); pad > 0; --pad)
        *out++ = '0';
    out = std::copy(static_cast<const char*>(fraction), fractionEnd, out);
    const std::string_view marker = decimals == 2 ? "00000001016" : "1016";
    out = std::copy(marker.begin(), marker.end(), out);
    return static_cast<std::size_t>(out - buffer);
}

QString EuroAmount::text(double dmAmount, int decimals)
{
    char buffer[kTextSize];
    return QString::fromLatin1(buffer, static_cast<qsizetype>(write(dmAmount, decimals, buffer)));
}

double EuroAmount::convert(double dmAmount, int decimals)
{
    char buffer[kTextSize];
    double value = 0;
    std::from_chars(buffer, buffer + write(dmAmount, decimals, buffer), value);
    return value;
}

int EuroAmount::registerWith(sqlite3* db)
{
    return sqlite3_create_function_v2(db, kSqlFunction.toUtf8().constData(), 2,
                                      SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, euroAmountFunction,
                                      nullptr, nullptr, nullptr);
}

} // namespace korbelant
