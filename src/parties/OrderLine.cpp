#include "parties/OrderLine.h"

namespace korbelant {

void OrderLine::clearAmounts()
{
    einzPreis = einzKost = summe = kosten = sterneDm = umSterne = 0;
    sterne = 0;
}

OrderLine OrderLine::fromRecord(const QVariantMap& r)
{
    OrderLine line;
    line.rNr = r.value(QStringLiteral("R_NR")).toString();
    line.pNr = r.value(QStringLiteral("P_NR")).toString();
    line.id = r.value(QStringLiteral("ID")).toLongLong();
    line.lNr = r.value(QStringLiteral("L_NR")).toString();
    line.va = r.value(QStringLiteral("VA")).toString();
    line.vorab = r.value(QStringLiteral("VORAB")).toString();
    line.zNr = r.value(QStringLiteral("Z_NR")).toString();
    line.mWoche = r.value(QStringLiteral("MWoche")).toString();
    line.tWoche = r.value(QStringLiteral("TWoche")).toString();
    line.lText = r.value(QStringLiteral("L_TEXT")).toString();
    line.stueck = r.value(QStringLiteral("STUECK")).toDouble();
    line.fehlCode = r.value(QStringLiteral("FEHL_CODE")).toString();
    line.einzKost = r.value(QStringLiteral("EINZ_KOST")).toDouble();
    line.einzPreis = r.value(QStringLiteral("EINZ_PREIS")).toDouble();
    line.kosten = r.value(QStringLiteral("KOSTEN")).toDouble();
    line.summe = r.value(QStringLiteral("SUMME")).toDouble();
    line.sterne = r.value(QStringLiteral("STERNE")).toInt();
    line.sterneDm = r.value(QStringLiteral("STERNE_DM")).toDouble();
    line.umSterne = r.value(QStringLiteral("UM_STERNE")).toDouble();
    line.naStuLi = r.value(QStringLiteral("NA_STU_LI")).toInt();
    return line;
}

QVariantMap OrderLine::toValues() const
{
    QVariantMap v{{QStringLiteral("R_NR"), rNr},         {QStringLiteral("P_NR"), pNr},
                  {QStringLiteral("L_NR"), lNr},         {QStringLiteral("VA"), va},
                  {QStringLiteral("VORAB"), vorab},      {QStringLiteral("Z_NR"), zNr},
                  {QStringLiteral("MWoche"), mWoche},    {QStringLiteral("TWoche"), tWoche},
                  {QStringLiteral("L_TEXT"), lText},     {QStringLiteral("STUECK"), stueck},
                  {QStringLiteral("FEHL_CODE"), fehlCode}, {QStringLiteral("EINZ_KOST"), einzKost},
                  {QStringLiteral("EINZ_PREIS"), einzPreis}, {QStringLiteral("KOSTEN"), kosten},
                  {QStringLiteral("SUMME"), summe},      {QStringLiteral("STERNE"), sterne},
                  {QStringLiteral("STERNE_DM"), sterneDm}, {QStringLiteral("UM_STERNE"), umSterne}};
    if (va == QStringLiteral("90"))
        v.insert(QStringLiteral("NA_STU_LI"), naStuLi);
    if (!isNew())
        v.insert(QStringLiteral("ID"), id);
    return v;
}

} // namespace korbelant
