#include "articles/ArticleRecord.h"

#include "core/Statement.h"

namespace korbelant {

QString ArticleRecord::selectColumns()
{
    return QStringLiteral(
        "L_NR, Z_NR, STERNE, VA, L_TEXT, PREIS, VA38, MUSTER, SONDER, AKTIV, NEU, ENTFERNT, "
        "PROV_SATZ, BER_PREIS, MU_SPERR, VK_SPERRE, FG_DATUM, BESTAND, WSPERRE, WFREIGAB");
}

ArticleRecord ArticleRecord::fromStatement(const Statement& st)
{
    ArticleRecord r;
    r.lNr = st.text(0);
    r.zNr = st.text(1);
    r.sterne = st.value(2).toInt();
    r.va = st.text(3);
    r.lText = st.text(4);
    r.preis = st.value(5).toDouble();
    r.va38 = st.value(6).toDouble();
    r.muster = st.value(7).toDouble();
    r.sonder = st.text(8);
    r.aktiv = st.value(9).toInt() != 0;
    r.neu = st.value(10).toInt() != 0;
    r.entfernt = st.value(11).toInt() != 0;
    r.provSatz = st.value(12).toDouble();
    r.berPreis = st.value(13).toDouble();
    r.muSperr = st.text(14);
    r.vkSperre = st.text(15);
    r.fgDatum = QDate::fromString(st.text(16), Qt::ISODate);
    r.bestand = st.value(17).toInt();
    r.wSperre = st.text(18);
    r.wFreigab = st.text(19);
    return r;
}

QVariantMap ArticleRecord::toValues() const
{
    return {{QStringLiteral("L_NR"), lNr},
            {QStringLiteral("Z_NR"), zNr},
            {QStringLiteral("STERNE"), sterne},
            {QStringLiteral("VA"), va},
            {QStringLiteral("L_TEXT"), lText},
            {QStringLiteral("PREIS"), preis},
            {QStringLiteral("VA38"), va38},
            {QStringLiteral("MUSTER"), muster},
            {QStringLiteral("SONDER"), sonder},
            {QStringLiteral("AKTIV"), aktiv},
            {QStringLiteral("NEU"), neu},
            {QStringLiteral("ENTFERNT"), entfernt},
            {QStringLiteral("PROV_SATZ"), provSatz},
            {QStringLiteral("BER_PREIS"), berPreis},
            {QStringLiteral("MU_SPERR"), muSperr},
            {QStringLiteral("VK_SPERRE"), vkSperre},
            {QStringLiteral("FG_DATUM"), fgDatum},
            {QStringLiteral("BESTAND"), bestand},
            {QStringLiteral("WSPERRE"), wSperre},
            {QStringLiteral("WFREIGAB"), wFreigab}};
}

} // namespace korbelant
