#include "core/MainWindowState.h"

#include "core/Database.h"
#include "core/Options.h"

namespace korbelant {

void MainWindowState::applyVersion(const VersionRecord& version)
{
    m_version = version;
    m_title = version.application + version.year + m_title;
}

QString MainWindowState::consultantName(Database& db, const QString& customerNumber)
{
    const auto rows =
        db.rows(QStringLiteral("SELECT VORNAME, NAME FROM Kunden WHERE K_NR = ?"), {customerNumber});
    if (rows.empty())
        return {};
    return rows.front().at(0).toString() + QLatin1Char(' ') + rows.front().at(1).toString();
}

void MainWindowState::readCaptionSuffix(Database& db, const Options& options)
{
    const QString number = options.text(QStringLiteral("K_NR"));
    if (number.isEmpty())
        return;
    const QString name = consultantName(db, number);
    if (name.isEmpty())
        return;
    m_suffix = name + QStringLiteral(" (") + options.text(QStringLiteral("BNR")) + QLatin1Char(')');
}

void MainWindowState::applyOptions(const Options& options)
{
    m_consultantLabel =
        options.checked(QStringLiteral("Berater")) ? QStringLiteral("Berater") : QStringLiteral("Beraterin");
    m_groupNumber = options.text(QStringLiteral("Gruppen_NR"));
}

QString MainWindowState::caption() const
{
    return QStringLiteral("Vorlix-Soft - ") + m_title + QStringLiteral(" -") + QLatin1Char(' ') + m_suffix;
}

QString MainWindowState::infoText(Database& db, const Options& options) const
{
    const QString number = options.text(QStringLiteral("K_NR"));
    const QString name = number.isEmpty() ? QString() : consultantName(db, number);
    return kInfoVersion + QLatin1Char('\n') + m_consultantLabel + QStringLiteral("-Nr. : ") +
           options.text(QStringLiteral("BNR")) + QLatin1Char('\n') + name.trimmed();
}

} // namespace korbelant
