#include "cli/CliContext.h"

#include "cli/CliCancelled.h"

namespace korbelant {

CliContext::CliContext(DataHome home, QList<UiPort::Answer> answers, QTextStream& out, QTextStream& err)
    : m_home(std::move(home)), m_ui(std::move(answers)), m_out(out), m_err(err)
{
    m_ui.setEcho(
        [this](const ScriptedUi::Shown& shown) { m_err << shown.kind << ": " << shown.text << Qt::endl; });
}

DataSet& CliContext::dataSet()
{
    if (!m_dataSet)
        m_dataSet = DataSet::open(m_home);
    return *m_dataSet;
}

int CliContext::notDone(const QString& cancelledMessage)
{
    if (m_ui.lastQuestionDeclined())
        throw CliCancelled(cancelledMessage);
    return 1;
}

} // namespace korbelant
