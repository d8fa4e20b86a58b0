#include "expenses/ExpenseBook.h"

#include "core/Database.h"
#include "core/Schema.h"
#include "core/Statement.h"
#include "core/UiPort.h"

#include <QRegularExpression>

namespace korbelant {

std::vector<Expense> ExpenseBook::expenses(std::optional<int> year) const
{
    Statement st = m_db.prepare(
        QStringLiteral("SELECT ID, AUSDATUM, ATEXT, BETRAG, LAUFZEIT FROM Ausgaben ORDER BY AUSDATUM, ID"));
    std::vector<Expense> list;
    while (st.next()) {
        Expense e;
        e.ID = st.value(0).toLongLong();
        e.AUSDATUM = QDate::fromString(st.text(1), Qt::ISODate);
        e.ATEXT = st.text(2);
        e.BETRAG = st.value(3).toDouble();
        e.LAUFZEIT = st.value(4).toInt();
        e.depreciation = Depreciation::compute(e.AUSDATUM, e.BETRAG, e.LAUFZEIT, year);
        list.push_back(e);
    }
    return list;
}

std::optional<int> ExpenseBook::yearOf(const QString& text)
{
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    const QString t = text.trimmed();
    if (!fourDigits.match(t).hasMatch())
        return std::nullopt;
    return t.toInt();
}

bool ExpenseBook::store(Expense& e)
{
    if (e.LAUFZEIT < 0) {
        m_ui.warning(kNegativeTerm);
        return false;
    }
    const QVariantMap values{
        {QStringLiteral("AUSDATUM"), e.AUSDATUM.isValid() ? QVariant(e.AUSDATUM) : QVariant()},
        {QStringLiteral("ATEXT"), e.ATEXT},
        {QStringLiteral("BETRAG"), e.BETRAG},
        {QStringLiteral("LAUFZEIT"), e.LAUFZEIT}};
    if (e.ID == 0) {
        e.ID = m_db.insertReturningAutoInc(Schema::get(QStringLiteral("Ausgaben")), values);
        return true;
    }
    m_db.run(
        QStringLiteral("UPDATE Ausgaben SET AUSDATUM = ?, ATEXT = ?, BETRAG = ?, LAUFZEIT = ? WHERE ID = ?"),
        {values.value(QStringLiteral("AUSDATUM")), e.ATEXT, e.BETRAG, e.LAUFZEIT, e.ID});
    return true;
}

bool ExpenseBook::remove(qint64 id)
{
    if (m_ui.question(kDeleteQuestion, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return false;
    m_db.run(QStringLiteral("DELETE FROM Ausgaben WHERE ID = ?"), {id});
    return m_db.changes() > 0;
}

} // namespace korbelant
