#include "week/PrintedMatter.h"

#include "core/Database.h"
#include "core/UiPort.h"

namespace korbelant {

QString PrintedMatter::number(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString PrintedMatter::emptyLabel(const QString& n)
{
    return n + QStringLiteral(". .........................................:");
}

QString PrintedMatter::label(Database& db, int n)
{
    const auto rows = db.rows(QStringLiteral("SELECT ART_TEXT FROM Drucksa WHERE NUMMER = ?"), {number(n)});
    return rows.empty() ? emptyLabel(number(n)) : rows.front().at(0).toString();
}

std::optional<QString> PrintedMatter::name(Database& db, UiPort& ui, int n)
{
    const auto rows = db.rows(QStringLiteral("SELECT ART_TEXT FROM Drucksa WHERE NUMMER = ?"), {number(n)});
    if (rows.empty()) {
        ui.information(kInvalid);
        return std::nullopt;
    }
    return rows.front().at(0).toString();
}

QString PrintedMatter::changeName(Database& db, UiPort& ui, int n, const QString& newName)
{
    if (ui.question(kAskChange, UiPort::Buttons::YesNo) == UiPort::Answer::Yes)
        db.run(QStringLiteral("UPDATE Drucksa SET ART_TEXT = ? WHERE NUMMER = ?"),
               {newName.isEmpty() ? QVariant() : QVariant(newName), number(n)});
    const QString shown = label(db, n);
    return shown.isEmpty() ? emptyLabel(QString::number(n)) : shown;
}

QStringList PrintedMatter::names(Database& db)
{
    QStringList result;
    for (const QVariantList& row : db.rows(QStringLiteral("SELECT ART_TEXT FROM Drucksa ORDER BY rowid")))
        result << row.at(0).toString();
    return result;
}

} // namespace korbelant
