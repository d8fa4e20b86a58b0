#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

// The rules of the masked date entry: the mask "__.__.____" (or "__.__.__" with short years),
// how a typed text is checked when the field is left, and how a two-digit year is completed.
class DateMaskCheck
{
public:
    enum class YearMode
    {
        Variable,
        FourDigits
    };

    struct Settings
    {
        bool shortYear = false;                 // the mask "__.__.__"
        YearMode yearMode = YearMode::Variable; // two or four year digits, or four only
        bool allowEmpty = true;
        std::optional<int> fixedCentury; // complete two-digit years with this century, untested
        QDate today = QDate::currentDate();
    };

    struct Result
    {
        bool accepted = false;
        QDate date;      // invalid for an accepted empty entry
        QString message; // the error text when refused
        int caret = 0;   // position of the offending character when refused
    };

    static inline const QChar kBlank = QLatin1Char('_');
    static inline const QString kMissingDigits = QStringLiteral("Bitte fehlende Ziffern eingeben.");
    static inline const QString kBadYear = QStringLiteral("Jahresangabe fehlerhaft");
    static inline const QString kBadMonth = QStringLiteral("Bitte Monatsangabe korrigieren");
    static inline const QString kBadDay = QStringLiteral("Bitte Tagesangabe korrigieren");

    static QString emptyMask(bool shortYear);
    static bool isDotPosition(int position) { return position == 2 || position == 5; }
    // The text a date shows in the field: "dd.mm.yyyy" or "dd.mm.yy"; the empty mask for no date.
    static QString textOf(const QDate& date, bool shortYear);
    // Checks an entry in the order the user is told about its faults.
    static Result check(const QString& text, const Settings& settings);

private:
    static std::optional<Result> checkMissingDigits(const QString& text);
    static std::optional<Result> checkYearDigits(const QString& text, const Settings& settings);
    static int completeYear(int twoDigits, int month, int day, const Settings& settings);
    static Result refuse(const QString& message, int caret);
};

} // namespace korbelant
