#include "takeover/TakeOverRun.h"

#include "core/BackupBeforeChange.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/Transaction.h"
#include "core/UiPort.h"
#include "takeover/TakeOverDisplay.h"
#include "takeover/TakeOverKind.h"
#include "takeover/TakeOverSource.h"

namespace korbelant {

TakeOverRun::TakeOverRun(DataSet& set, UiPort& ui, TakeOverKind& kind, TakeOverDisplay& display)
    : m_set(set), m_ui(ui), m_kind(kind), m_display(display), m_rows(kind.rows()), m_states(m_rows.size())
{
}

Database& TakeOverRun::db()
{
    return m_set.db();
}

int TakeOverRun::recordsIn(const QString& table)
{
    return db().scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

TakeOverRun::Outcome TakeOverRun::start(const QString& source, const std::vector<bool>& checked)
{
    const QString problem = m_kind.checkSource(source);
    if (!problem.isEmpty()) {
        m_ui.error(problem);
        return Outcome::InvalidSource;
    }
    if (!BackupBeforeChange::make(db(), m_ui))
        return Outcome::NoBackup;
    m_source = source;
    m_running = true;
    m_stopRequested = false;
    m_display.started();
    for (int row = 0; row < static_cast<int>(m_rows.size()) && !m_stopRequested; ++row)
        if (row >= static_cast<int>(checked.size()) || checked.at(row))
            runRow(row);
    if (!m_stopRequested) {
        try {
            Transaction tx(db());
            m_kind.afterRows(*this);
            tx.commit();
        } catch (const DatabaseError& e) {
            m_set.log().LogException(e.message(), true);
        }
    }
    m_row = -1;
    m_running = false;
    m_display.finished();
    return m_stopRequested ? Outcome::Aborted : Outcome::Finished;
}

void TakeOverRun::runRow(int row)
{
    m_row = row;
    try {
        Transaction tx(db());
        m_kind.runRow(*this, row);
        tx.commit();
        if (m_rows.at(static_cast<size_t>(row)).showsDone)
            status(kDone);
    } catch (const Stopped&) {
        status(kUndone);
    } catch (const DatabaseError& e) {
        m_set.log().LogException(e.message(), true);
        status(kFailed);
    }
}

bool TakeOverRun::askStop()
{
    if (m_ui.question(kAskCancel, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return false;
    requestStop();
    return true;
}

void TakeOverRun::status(const QString& text)
{
    if (m_row < 0)
        return;
    m_states[m_row].status = text;
    m_display.rowStatus(m_row, text);
}

void TakeOverRun::counts(std::optional<int> source, std::optional<int> target)
{
    if (m_row < 0)
        return;
    RowState& state = m_states[m_row];
    if (source)
        state.source = source;
    if (target)
        state.target = target;
    m_display.rowCounts(m_row, source, target);
}

void TakeOverRun::eachRecord(TakeOverSource& source, const QString& table,
                             const std::function<bool()>& takeOver)
{
    int count = recordsIn(table);
    counts(source.recordCount(), count);
    while (source.next()) {
        if (takeOver())
            counts(std::nullopt, ++count);
        recordDone();
    }
}

void TakeOverRun::recordDone()
{
    m_display.beat();
    if (m_stopRequested)
        throw Stopped{};
}

} // namespace korbelant
