#pragma once

#include "core/DataHome.h"
#include "core/DataSet.h"
#include "core/ScriptedUi.h"

#include <QTextStream>
#include <memory>

namespace korbelant {

// What a command of korbelant-cli works with: the data home, the scripted answers to the
// program's questions (everything asked or shown is echoed to stderr) and the output.
class CliContext
{
public:
    CliContext(DataHome home, QList<UiPort::Answer> answers, QTextStream& out, QTextStream& err);

    const DataHome& home() const { return m_home; }
    ScriptedUi& ui() { return m_ui; }
    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }
    // The data set of the home, opened on first use (throws DatabaseError).
    DataSet& dataSet();
    // The exit code of an operation that did not happen: 1, or CliCancelled with the message
    // when the user declined its question.
    int notDone(const QString& cancelledMessage);

private:
    DataHome m_home;
    ScriptedUi m_ui;
    QTextStream& m_out;
    QTextStream& m_err;
    std::unique_ptr<DataSet> m_dataSet;
};

} // namespace korbelant
