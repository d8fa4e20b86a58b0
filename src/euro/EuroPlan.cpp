#include "euro/EuroPlan.h"

#include "euro/EuroRequest.h"

namespace korbelant {

namespace {

using Rule = EuroTableStep::DateRule;

EuroTableStep step(const char* table, QStringList fields, Rule rule, const char* heading, const char* detail,
                   int percent, const char* file)
{
    EuroTableStep s;
    s.table = QString::fromLatin1(table);
    s.fields = std::move(fields);
    s.rule = rule;
    s.heading = QString::fromUtf8(heading);
    s.detail = QString::fromUtf8(detail);
    s.percent = percent;
    s.failure = EuroPlan::failureText(QString::fromUtf8(file));
    return s;
}

} // namespace

QString EuroPlan::failureText(const QString& file)
{
    return QStringLiteral(
               "Die %1 kann nicht umgerechnet werden, schliessen sie alle anderen Anwendungen. Die "
               "Daten wurden wieder hergestellt, versuchen Sie es später wieder.")
        .arg(file);
}

std::vector<EuroTableStep> EuroPlan::steps(const EuroRequest& request)
{
    std::vector<EuroTableStep> steps;
    if (request.articles) {
        EuroTableStep articles =
            step("Lager", {"PREIS", "MUSTER", "VA38"}, Rule::None, "", "", 0, "Artikeldatei");
        articles.decimals = 2;
        steps.push_back(articles);
    }
    EuroTableStep expenses = step("Ausgaben", {"BETRAG"}, Rule::OwnDate, "Ausgaben.",
                                  "Die Ausgaben Datei wird umgerechnet.", 30, "Ausgabendatei");
    expenses.dateField = QStringLiteral("AUSDATUM");
    steps.push_back(expenses);
    steps.push_back(step("Tupper", {"UMSATZ", "AUSGABE"}, Rule::PartyDate, "Gästedaten.",
                         "Die Gäste-Datei wird umgerechnet.", 43, "Tupperdatei"));
    steps.push_back(step("Tupper1", {"EINZ_KOST", "EINZ_PREIS", "KOSTEN", "SUMME", "STERNE_DM", "UM_STERNE"},
                         Rule::PartyDate, "Bestelldaten.", "Die Bestell-Datei wird umgerechnet.", 59,
                         "Tupper1datei"));
    EuroTableStep parties =
        step("Tuppkopf", {"S_UMSATZ", "S_AUSGABE", "S_PROV", "STERNE_DM", "UM_STERNE"}, Rule::OwnDate,
             "Vorführungsdaten.", "Die Vorführungkopf-Datei wird umgerechnet.", 74, "TuppKopfdatei");
    parties.dateField = QStringLiteral("DATUM");
    steps.push_back(parties);
    steps.push_back(step("MWoche", {"START_VF"}, Rule::None, "Wochendaten.",
                         "Die Wochen-Datei wird umgerechnet.", 90, "Woche-Datein"));
    if (request.allData)
        steps.push_back(step("SternePlan", {"SterneBetragMin", "SterneBetragMax", "SchrittBetrag"},
                             Rule::None, "Sterneplan.", "Die Sterneplan-Datei wird umgerechnet.", 98,
                             "Sterneplan-Datei"));
    return steps;
}

} // namespace korbelant
