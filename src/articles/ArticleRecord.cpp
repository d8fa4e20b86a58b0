#include "articles/ArticleRecord.h"

#include "core/LagerFields.h"
#include "core/Statement.h"

#include <QStringList>

namespace korbelant {

QString ArticleRecord::selectColumns()
{
    using L = LagerFields;
    static const QString columns =
        QStringList{L::L_NR,      L::Z_NR,     L::STERNE,    L::VA,        L::L_TEXT,
                    L::PREIS,     L::VA38,     L::MUSTER,    L::SONDER,    L::AKTIV,
                    L::NEU,       L::ENTFERNT, L::PROV_SATZ, L::BER_PREIS, L::MU_SPERR,
                    L::VK_SPERRE, L::FG_DATUM, L::BESTAND,   L::WSPERRE,   L::WFREIGAB}
            .join(QStringLiteral(", "));
    return columns;
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
    using L = LagerFields;
    return {
        {L::L_NR, lNr},           {L::Z_NR, zNr},           {L::STERNE, sterne},    {L::VA, va},
        {L::L_TEXT, lText},       {L::PREIS, preis},        {L::VA38, va38},        {L::MUSTER, muster},
        {L::SONDER, sonder},      {L::AKTIV, aktiv},        {L::NEU, neu},          {L::ENTFERNT, entfernt},
        {L::PROV_SATZ, provSatz}, {L::BER_PREIS, berPreis}, {L::MU_SPERR, muSperr}, {L::VK_SPERRE, vkSperre},
        {L::FG_DATUM, fgDatum},   {L::BESTAND, bestand},    {L::WSPERRE, wSperre},  {L::WFREIGAB, wFreigab}};
}

} // namespace korbelant
