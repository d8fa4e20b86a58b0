#include "planning/PartyPlanning.h"

#include "core/Database.h"
#include "core/UiPort.h"

namespace korbelant {

PartyPlanning::Counts PartyPlanning::counts() const
{
    Counts counts;
    for (const QVariantList& row :
         m_db.rows(QStringLiteral("SELECT COUNT(V_ANZAHL) AS Anzahl, AVG(V_ANZAHL) AS Typ FROM Kunden "
                                  "WHERE V_ANZAHL IS NOT NULL GROUP BY V_ANZAHL"))) {
        const int mark = qRound(row.at(1).toDouble());
        if (mark == Host)
            counts.hosts = row.at(0).toInt();
        else if (mark == Guest)
            counts.guests = row.at(0).toInt();
    }
    return counts;
}

bool PartyPlanning::setMark(const QString& kNr, Mark mark)
{
    if (kNr.trimmed().isEmpty())
        return false;
    m_db.run(QStringLiteral("UPDATE Kunden SET V_ANZAHL = ? WHERE K_NR = ?"), {static_cast<int>(mark), kNr});
    return m_db.changes() > 0;
}

bool PartyPlanning::markHost(const QString& kNr)
{
    if (counts().hosts > 0) {
        m_ui.information(kHostMarked);
        return false;
    }
    return setMark(kNr, Host);
}

bool PartyPlanning::markGuest(const QString& kNr)
{
    return setMark(kNr, Guest);
}

bool PartyPlanning::clear(const QString& kNr)
{
    return setMark(kNr, None);
}

bool PartyPlanning::reset()
{
    if (m_ui.question(kResetQuestion, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return false;
    m_db.run(QStringLiteral("UPDATE Kunden SET V_ANZAHL = 0 WHERE V_ANZAHL IS NOT 0"));
    return true;
}

std::optional<QString> PartyPlanning::host() const
{
    const QVariant kNr =
        m_db.scalar(QStringLiteral("SELECT K_NR FROM Kunden WHERE V_ANZAHL = 1 ORDER BY K_NR LIMIT 1"));
    if (!kNr.isValid() || kNr.isNull())
        return std::nullopt;
    return kNr.toString();
}

QStringList PartyPlanning::marked(CustomerSort::Order order) const
{
    QStringList numbers;
    for (const QVariantList& row :
         m_db.rows(QStringLiteral("SELECT K_NR FROM Kunden WHERE ") + kMarkedCondition +
                   QStringLiteral(" ORDER BY ") + CustomerSort::orderBy(order)))
        numbers << row.at(0).toString();
    return numbers;
}

QString PartyPlanning::markText(int mark)
{
    if (mark == Host)
        return QStringLiteral("Gastgeberin");
    if (mark == Guest)
        return QStringLiteral("Gast");
    return QString();
}

} // namespace korbelant
