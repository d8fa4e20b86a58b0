#include "articles/KindTable.h"

#include "core/Database.h"

namespace korbelant {

KindTable::KindTable(Database& db) : m_db(db)
{
    reload();
}

void KindTable::reload()
{
    m_kinds.clear();
    Statement st = m_db.prepare(QStringLiteral("SELECT VA, VAQUELLE, VA_TEXT, VA_INFO, EKFAKTOR, VKFAKTOR, "
                                               "STERNEFAKT, STERNEDMFA, UMSSTERNFA, PROVISION, "
                                               "NURBERATER, LNR_VA, VA_ART, MUSTER, VONARTNR, BISARTNR, "
                                               "UMSATZ_VKG, UMSATZ_WB FROM VA ORDER BY rowid"));
    while (st.next()) {
        TransactionKind k;
        k.va = st.text(0);
        k.vaQuelle = st.text(1).trimmed();
        k.vaText = st.text(2);
        k.vaInfo = st.text(3);
        k.ekFaktor = st.value(4).toDouble();
        k.vkFaktor = st.value(5).toDouble();
        k.sterneFakt = st.value(6).toDouble();
        k.sterneDmFa = st.value(7).toDouble();
        k.umsSternFa = st.value(8).toDouble();
        k.provision = st.value(9).toDouble();
        k.nurBerater = st.text(10);
        k.lnrVa = st.text(11);
        k.vaArt = st.text(12);
        k.muster = st.text(13);
        k.vonArtNr = st.text(14);
        k.bisArtNr = st.text(15);
        k.umsatzVkg = st.value(16).toDouble();
        k.umsatzWb = st.value(17).toDouble();
        m_kinds.push_back(k);
    }
}

const TransactionKind* KindTable::find(const QString& va) const
{
    if (va.isEmpty())
        return nullptr;
    for (const TransactionKind& k : m_kinds) {
        if (k.va.compare(va, Qt::CaseInsensitive) == 0)
            return &k;
    }
    return nullptr;
}

QStringList KindTable::displayList() const
{
    QStringList list;
    for (const TransactionKind& k : m_kinds)
        list << k.displayEntry();
    return list;
}

QStringList KindTable::numberCarryingKinds() const
{
    QStringList codes;
    for (const TransactionKind& k : m_kinds) {
        if (k.carriesKindInNumber())
            codes << k.va;
    }
    return codes;
}

QString KindTable::codeOfEntry(const QString& entry)
{
    if (entry.isEmpty() || entry == kAll)
        return {};
    return entry.left(2);
}

} // namespace korbelant
