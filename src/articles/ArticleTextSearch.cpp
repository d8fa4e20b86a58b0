#include "articles/ArticleTextSearch.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/SqlPattern.h"

#include <sqlite3.h>

namespace korbelant {

namespace {

// Upper case of any text, umlauts included (SQLite's own UPPER knows only ASCII).
void germanUpper(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray upper = QString::fromUtf8(text, sqlite3_value_bytes(argv[0])).toUpper().toUtf8();
    sqlite3_result_text(context, upper.constData(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

} // namespace

ArticleTextSearch::ArticleTextSearch(Database& db) : m_db(db)
{
    const int rc =
        sqlite3_create_function_v2(m_db.handle(), "GERMAN_UPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   nullptr, &germanUpper, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw DatabaseError(
            QStringLiteral("Datenbankfehler: die Volltextsuche kann nicht eingerichtet werden."));
}

std::vector<ArticleTextSearch::Hit> ArticleTextSearch::search(const QString& entry, bool ignoreCase) const
{
    // With regard to case the entry must appear as it is; SQLite's LIKE would ignore the case
    // of plain letters.
    const QString condition = ignoreCase ? SqlPattern::like(QStringLiteral("GERMAN_UPPER(L_TEXT)"),
                                                            QStringLiteral("GERMAN_UPPER(:Text)"))
                                         : QStringLiteral("instr(L_TEXT, IFNULL(:Text, '')) > 0");
    Statement st = m_db.prepare(QStringLiteral("SELECT L_NR, VA, L_TEXT FROM Lager WHERE ") + condition +
                                QStringLiteral(" ORDER BY L_NR"));
    st.bind(QStringLiteral(":Text"), ignoreCase ? SqlPattern::containing(entry) : entry);
    std::vector<Hit> hits;
    while (st.next())
        hits.push_back({st.text(0), st.text(1), st.text(2)});
    return hits;
}

} // namespace korbelant
