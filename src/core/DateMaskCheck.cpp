#include "core/DateMaskCheck.h"

#include <tuple>

namespace korbelant {

namespace {

constexpr int kDay = 0;
constexpr int kMonth = 3;
constexpr int kYear = 6;

int digitsAt(const QString& text, int position, int count)
{
    return text.mid(position, count).toInt();
}

} // namespace

QString DateMaskCheck::emptyMask(bool shortYear)
{
    return shortYear ? QStringLiteral("__.__.__") : QStringLiteral("__.__.____");
}

QString DateMaskCheck::textOf(const QDate& date, bool shortYear)
{
    if (!date.isValid())
        return emptyMask(shortYear);
    return date.toString(shortYear ? QStringLiteral("dd.MM.yy") : QStringLiteral("dd.MM.yyyy"));
}

DateMaskCheck::Result DateMaskCheck::refuse(const QString& message, int caret)
{
    Result result;
    result.message = message;
    result.caret = caret;
    return result;
}

std::optional<DateMaskCheck::Result> DateMaskCheck::checkMissingDigits(const QString& text)
{
    // Day, month and the first two year digits must all be there.
    for (int i = 0; i <= kYear + 1; ++i) {
        if (isDotPosition(i))
            continue;
        if (i >= text.size() || !text.at(i).isDigit())
            return refuse(kMissingDigits, i);
    }
    return std::nullopt;
}

std::optional<DateMaskCheck::Result> DateMaskCheck::checkYearDigits(const QString& text,
                                                                    const Settings& settings)
{
    if (settings.shortYear)
        return std::nullopt;
    const bool third = text.size() > kYear + 2 && text.at(kYear + 2).isDigit();
    const bool fourth = text.size() > kYear + 3 && text.at(kYear + 3).isDigit();
    if (third && fourth)
        return std::nullopt;
    if (!third && !fourth && settings.yearMode == YearMode::Variable)
        return std::nullopt;
    return refuse(kBadYear, third ? kYear + 3 : kYear + 2);
}

int DateMaskCheck::completeYear(int twoDigits, int month, int day, const Settings& settings)
{
    if (settings.fixedCentury)
        return *settings.fixedCentury * 100 + twoDigits;
    const int year = settings.today.year() / 100 * 100 + twoDigits;
    const auto completed = std::make_tuple(year, month, day);
    const auto today = std::make_tuple(settings.today.year(), settings.today.month(), settings.today.day());
    return completed > today ? year - 100 : year;
}

DateMaskCheck::Result DateMaskCheck::check(const QString& text, const Settings& settings)
{
    if (text == emptyMask(settings.shortYear) || text.trimmed().isEmpty()) {
        if (settings.allowEmpty) {
            Result result;
            result.accepted = true;
            return result;
        }
        return refuse(kMissingDigits, 0);
    }
    if (auto fault = checkMissingDigits(text))
        return *fault;
    if (auto fault = checkYearDigits(text, settings))
        return *fault;

    const int day = digitsAt(text, kDay, 2);
    const int month = digitsAt(text, kMonth, 2);
    const bool fourDigitYear = !settings.shortYear && text.size() > kYear + 3 && text.at(kYear + 3).isDigit();
    const int year = fourDigitYear ? digitsAt(text, kYear, 4)
                                   : completeYear(digitsAt(text, kYear, 2), month, day, settings);

    if (month < 1 || month > 12)
        return refuse(kBadMonth, kMonth);
    if (year < 1)
        return refuse(kBadYear, kYear);
    const QDate date(year, month, day);
    if (day < 1 || !date.isValid())
        return refuse(kBadDay, kDay);
    Result result;
    result.accepted = true;
    result.date = date;
    return result;
}

} // namespace korbelant
