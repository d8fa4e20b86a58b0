#pragma once

namespace korbelant {

// D-Mark and Euro: 1 Euro = 1.95583 D-Mark. Amounts are taken as fixed-point values with four
// decimals, converted in extended precision and kept to four decimals again (ties to even).
class Currency
{
public:
    static constexpr long double kRate = 1.95583L;
    static double DmToEuro(double amount);
    static double EuroToDm(double amount);

private:
    static double convert(double amount, long double factor);
};

} // namespace korbelant
