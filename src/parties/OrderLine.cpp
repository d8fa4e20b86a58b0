#include "parties/OrderLine.h"

#include "core/Tupper1Fields.h"

namespace korbelant {

void OrderLine::clearAmounts()
{
    einzPreis = einzKost = summe = kosten = sterneDm = umSterne = 0;
    sterne = 0;
}

OrderLine OrderLine::fromRecord(const QVariantMap& r)
{
    using L = Tupper1Fields;
    OrderLine line;
    line.rNr = r.value(L::R_NR).toString();
    line.pNr = r.value(L::P_NR).toString();
    line.id = r.value(L::ID).toLongLong();
    line.lNr = r.value(L::L_NR).toString();
    line.va = r.value(L::VA).toString();
    line.vorab = r.value(L::VORAB).toString();
    line.zNr = r.value(L::Z_NR).toString();
    line.mWoche = r.value(L::MWoche).toString();
    line.tWoche = r.value(L::TWoche).toString();
    line.lText = r.value(L::L_TEXT).toString();
    line.stueck = r.value(L::STUECK).toDouble();
    line.fehlCode = r.value(L::FEHL_CODE).toString();
    line.einzKost = r.value(L::EINZ_KOST).toDouble();
    line.einzPreis = r.value(L::EINZ_PREIS).toDouble();
    line.kosten = r.value(L::KOSTEN).toDouble();
    line.summe = r.value(L::SUMME).toDouble();
    line.sterne = r.value(L::STERNE).toInt();
    line.sterneDm = r.value(L::STERNE_DM).toDouble();
    line.umSterne = r.value(L::UM_STERNE).toDouble();
    line.naStuLi = r.value(L::NA_STU_LI).toInt();
    return line;
}

QVariantMap OrderLine::toValues() const
{
    using L = Tupper1Fields;
    QVariantMap v{{L::R_NR, rNr},
                  {L::P_NR, pNr},
                  {L::L_NR, lNr},
                  {L::VA, va},
                  {L::VORAB, vorab},
                  {L::Z_NR, zNr},
                  {L::MWoche, mWoche},
                  {L::TWoche, tWoche},
                  {L::L_TEXT, lText},
                  {L::STUECK, stueck},
                  {L::FEHL_CODE, fehlCode},
                  {L::EINZ_KOST, einzKost},
                  {L::EINZ_PREIS, einzPreis},
                  {L::KOSTEN, kosten},
                  {L::SUMME, summe},
                  {L::STERNE, sterne},
                  {L::STERNE_DM, sterneDm},
                  {L::UM_STERNE, umSterne}};
    if (va == QStringLiteral("90"))
        v.insert(L::NA_STU_LI, naStuLi);
    if (!isNew())
        v.insert(L::ID, id);
    return v;
}

} // namespace korbelant
