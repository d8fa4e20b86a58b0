#include "week/OrderDataPreview.h"

#include "core/Options.h"
#include "core/TuppkopfFields.h"
#include "core/UiPort.h"
#include "exchange/TransferQueries.h"
#include "week/TWocheDataModul.h"

#include <algorithm>

namespace korbelant {

namespace {

bool confirmed(UiPort& ui, const QString& question)
{
    return ui.question(question, UiPort::Buttons::YesNo) == UiPort::Answer::Yes;
}

} // namespace

std::optional<OrderDataPreview::Data> OrderDataPreview::prepare(TWocheDataModul& week, const Options& options,
                                                                UiPort& ui)
{
    Data data;
    data.range = week.actionRange();
    const auto& parties = week.VorFuerTable();
    const bool transferred = std::any_of(parties.begin(), parties.end(), [](const WeekPartyView::Row& party) {
        return party.header.value(TuppkopfFields::ERSTELLT).toBool();
    });
    if (transferred && !confirmed(ui, kAlreadyWritten))
        return std::nullopt;
    if (parties.size() > kPartiesPerDisk && !confirmed(ui, kMoreThanNine))
        return std::nullopt;
    if (parties.empty())
        return std::nullopt;
    const TransferQueries queries = week.transferQueries();
    data.orders = queries.RechQuery(data.range);
    data.success = queries.ERfolgQuery(data.range);
    data.addresses = queries.AddressQuerry(data.range);
    data.withAddresses = options.checked(QStringLiteral("GGAdress"));
    return data;
}

} // namespace korbelant
