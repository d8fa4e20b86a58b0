#include "core/IndexRepair.h"

#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/DistanceRebuild.h"
#include "core/IncompleteRecords.h"
#include "core/TableBuilder.h"
#include "core/UiPort.h"

namespace korbelant {

bool IndexRepair::run(DataSet& set, UiPort& ui)
{
    notify(ui);
    return rebuild(set, ui);
}

void IndexRepair::notify(UiPort& ui)
{
    ui.information(kNotice);
}

bool IndexRepair::rebuild(DataSet& set, UiPort& ui)
{
    try {
        TableBuilder(set.db()).RepairTables();
        IncompleteRecords(set.db()).RemoveIncompleteRecords();
    } catch (const DatabaseError& e) {
        set.log().LogException(e.message(), false, &ui);
        return false;
    }
    DistanceRebuild(set.db(), set.log()).RebuildDistances();
    return true;
}

} // namespace korbelant
