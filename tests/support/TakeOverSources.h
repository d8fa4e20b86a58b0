#pragma once

#include "support/DataSetFixture.h"
#include "support/DbfFileBuilder.h"
#include "support/ParadoxWriter.h"
#include "takeover/TakeOverRun.h"

#include <QTemporaryDir>
#include <QVariantMap>
#include <vector>

namespace korbelant::test {

// Table layouts of the programs whose data is taken over, as far as the takeovers read them.
struct DosLayouts
{
    static std::vector<DbfFileBuilder::Field> customers();
    static std::vector<DbfFileBuilder::Field> partyHeaders();
    static std::vector<DbfFileBuilder::Field> participants();
    static std::vector<DbfFileBuilder::Field> orderLines();
    static std::vector<DbfFileBuilder::Field> weeks();
};

struct KalmoLayouts
{
    static std::vector<DbfFileBuilder::Field> customers();
    static std::vector<DbfFileBuilder::Field> parties();
    static std::vector<DbfFileBuilder::Field> guests();
    static std::vector<DbfFileBuilder::Field> lines();
};

// Quarnel's Paradox tables: customers, party headers, guests and the guests' order lines.
struct QuarnelLayouts
{
    static std::vector<ParadoxWriter::Field> customers();
    static std::vector<ParadoxWriter::Field> parties();
    static std::vector<ParadoxWriter::Field> guests();
    static std::vector<ParadoxWriter::Field> lines();
};

// A data home and a source directory beside it, into which a test writes the tables of the
// program it takes over from.
class TakeOverFixture : public DataSetFixture
{
protected:
    QString sourceDir() const { return m_source.path(); }
    // Writes a table of that name with the layout and records into the source directory.
    QString writeTable(const QString& name, const std::vector<DbfFileBuilder::Field>& layout,
                       const std::vector<QVariantMap>& records);
    // The same for a Paradox table; a field a record does not name stays null.
    QString writeParadoxTable(const QString& name, const std::vector<ParadoxWriter::Field>& layout,
                              const std::vector<QVariantMap>& records);
    int count(const QString& table);
    // Runs a takeover of the kind from the source directory (or `source`) and keeps its rows'
    // states in m_states.
    TakeOverRun::Outcome runTakeOver(TakeOverKind& kind, TakeOverDisplay& display,
                                     const std::vector<bool>& checked = {}, const QString& source = {});
    // The transaction kind "77", whose factors all differ, so that each of them shows in a price.
    void addPricedKind();
    // One value of the first record of the table that matches `where` (bound parameters).
    QVariant value(const QString& table, const QString& field, const QString& where,
                   const QVariantList& params);

    QTemporaryDir m_source;
    std::vector<TakeOverRun::RowState> m_states;
};

} // namespace korbelant::test
