#include "week/WeekPrintState.h"

namespace korbelant {

QString WeekPrintState::digits(const QVariant& word)
{
    if (!word.isValid() || word.isNull())
        return QStringLiteral("00000");
    bool ok = false;
    const int value = word.toString().trimmed().toInt(&ok);
    if (!ok)
        return {};
    if (value <= 0)
        return QStringLiteral("00000");
    return QString::number(value).rightJustified(kReports, QLatin1Char('0'));
}

QString WeekPrintState::ReportPrintState(const QVariant& word, int k)
{
    const QString d = digits(word);
    if (d.isEmpty() || k < 1 || k > d.size())
        return kUnknown;
    if (d.at(k - 1) == QLatin1Char('1'))
        return kPrinted;
    return d == QStringLiteral("00000") ? kUnknown : kNotPrinted;
}

std::optional<int> WeekPrintState::MarkReportPrinted(const QVariant& word, int k)
{
    QString d = digits(word);
    if (d.isEmpty() || k < 1 || k > kReports || d.size() > kReports)
        return std::nullopt;
    d[k - 1] = QLatin1Char('1');
    if (d.at(kReports - 1) == QLatin1Char('2'))
        d[kReports - 1] = QLatin1Char('0');
    return d.toInt();
}

WeekPrintState::Picture WeekPrintState::picture(const QVariant& word)
{
    const int value = word.toInt();
    if (value == kNewWeek)
        return Picture::PrintPart;
    return value >= 11001 ? Picture::PrintFull : Picture::PrintG;
}

} // namespace korbelant
