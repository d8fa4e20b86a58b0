#include "parties/LineCatalogue.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"

namespace korbelant {

LineCatalogue::LineCatalogue(Database& db) : m_db(db)
{
}

std::optional<LineCatalogue::Article> LineCatalogue::article(const QString& lNr) const
{
    if (lNr.trimmed().isEmpty())
        return std::nullopt;
    Statement st = m_db.prepare(QStringLiteral(
        "SELECT L_NR, Z_NR, STERNE, VA, L_TEXT, PREIS, VA38, MUSTER, BER_PREIS, BESTAND FROM Lager WHERE L_NR = ?"));
    st.bind(1, lNr);
    if (!st.next())
        return std::nullopt;
    return Article{st.text(0), st.text(1), st.value(2).toInt(), st.text(3), st.text(4), st.value(5).toDouble(),
                   st.value(6).toDouble(), st.value(7).toDouble(), st.value(8).toDouble(), st.value(9).toInt()};
}

std::optional<LineCatalogue::Kind> LineCatalogue::kind(const QString& va) const
{
    if (va.trimmed().isEmpty())
        return std::nullopt;
    Statement st = m_db.prepare(QStringLiteral("SELECT VA, VAQUELLE, EKFAKTOR, VKFAKTOR, STERNEFAKT, STERNEDMFA, UMSSTERNFA, VA_ART, MUSTER "
                                               "FROM VA WHERE VA = ?"));
    st.bind(1, va);
    if (!st.next())
        return std::nullopt;
    return Kind{st.text(0), st.text(1), st.value(2).toDouble(), st.value(3).toDouble(), st.value(4).toDouble(),
                st.value(5).toDouble(), st.value(6).toDouble(), st.text(7), st.text(8)};
}

bool LineCatalogue::isTextKind(const QString& va) const
{
    const auto k = kind(va);
    return k && k->isText();
}

bool LineCatalogue::kindValidForArticle(const QString& va, const QString& lNr) const
{
    const auto k = kind(va);
    const auto a = article(lNr);
    if (!k || !a)
        return false;
    return k->vaQuelle.isEmpty() || a->va == k->va || a->va == k->vaQuelle;
}

void LineCatalogue::storeStock(const QString& lNr, int bestand)
{
    try {
        m_db.run(QStringLiteral("UPDATE Lager SET BESTAND = ? WHERE L_NR = ?"), {bestand, lNr});
    } catch (const DatabaseError&) {
        // The stock of the article record stays as it was; the line is kept.
    }
}

void LineCatalogue::keepTextArticle(const QString& lNr, const QString& va, const QString& lText)
{
    m_db.insert(Schema::get(QStringLiteral("Lager")),
                {{QStringLiteral("L_NR"), lNr}, {QStringLiteral("VA"), va}, {QStringLiteral("L_TEXT"), lText},
                 {QStringLiteral("AKTIV"), false}, {QStringLiteral("NEU"), false}});
}

} // namespace korbelant
