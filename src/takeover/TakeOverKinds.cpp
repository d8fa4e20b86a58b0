#include "takeover/TakeOverKinds.h"

#include "takeover/DosTakeOver.h"
#include "takeover/KalmoTakeOver.h"
#include "takeover/OrvelaTakeOver.h"
#include "takeover/QuarnelTakeOver.h"

#include <functional>
#include <utility>
#include <vector>

namespace korbelant {

namespace {

using Maker = std::function<std::unique_ptr<TakeOverKind>()>;

const std::vector<std::pair<QString, Maker>>& makers()
{
    static const std::vector<std::pair<QString, Maker>> all{
        {DosTakeOver::kKey, [] { return std::make_unique<DosTakeOver>(); }},
        {KalmoTakeOver::kKey, [] { return std::make_unique<KalmoTakeOver>(); }},
        {OrvelaTakeOver::kKey, [] { return std::make_unique<OrvelaTakeOver>(); }},
        {QuarnelTakeOver::kKey, [] { return std::make_unique<QuarnelTakeOver>(); }},
    };
    return all;
}

} // namespace

QStringList TakeOverKinds::keys()
{
    QStringList names;
    for (const auto& [key, maker] : makers())
        names << key;
    return names;
}

std::unique_ptr<TakeOverKind> TakeOverKinds::make(const QString& key)
{
    for (const auto& [name, maker] : makers())
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return maker();
    return nullptr;
}

} // namespace korbelant
