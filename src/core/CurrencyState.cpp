#include "core/CurrencyState.h"

#include "core/Cp1252.h"
#include "core/DataHome.h"
#include "core/Options.h"
#include "core/UiPort.h"

#include <QFile>
#include <QSaveFile>

namespace korbelant {

QString CurrencyState::firstLine(const DataHome& home, bool& readable)
{
    QFile file(home.statusFile());
    readable = file.open(QIODevice::ReadOnly);
    if (!readable)
        return {};
    const QString text = Cp1252::decode(file.readAll());
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

std::optional<CurrencyState::Currency> CurrencyState::recorded(const DataHome& home)
{
    bool readable = false;
    const QString line = firstLine(home, readable);
    if (!readable || line.isEmpty())
        return std::nullopt;
    return line.toUpper() == QStringLiteral("EURO") ? Currency::Euro : Currency::DMark;
}

QString CurrencyState::protocol(const DataHome& home)
{
    QFile file(home.statusFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = Cp1252::decode(file.readAll());
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    return lineEnd < 0 ? QString() : text.mid(lineEnd + 1);
}

CurrencyState::Currency CurrencyState::determine(const DataHome& home, Options& options, UiPort& ui,
                                                 bool firstStart, const QDate& today)
{
    bool readable = false;
    const QString line = firstLine(home, readable);
    Currency currency;
    if (readable && !line.isEmpty()) {
        currency = line.toUpper() == QStringLiteral("EURO") ? Currency::Euro : Currency::DMark;
    } else {
        if (options.checked(QStringLiteral("Euro")))
            currency = ui.question(kQuestion, UiPort::Buttons::YesNoHelp) == UiPort::Answer::Yes
                           ? Currency::Euro
                           : Currency::DMark;
        else if (firstStart)
            currency = Currency::DMark;
        else
            currency = today > QDate(2002, 1, 1) ? Currency::Euro : Currency::DMark;
        QSaveFile file(home.statusFile());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(currency == Currency::Euro ? "Euro\r\n" : "DEM\r\n");
            file.commit();
        }
    }
    options.setChecked(QStringLiteral("Euro"), currency == Currency::Euro);
    options.SaveOptions();
    return currency;
}

} // namespace korbelant
