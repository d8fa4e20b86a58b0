#include "planning/PlanWordProcessor.h"

#include "core/Options.h"
#include "core/UiPort.h"

#include <QFileInfo>

namespace korbelant {

bool PlanWordProcessor::start()
{
    const QString program = m_options.text(kOption).trimmed();
    if (!program.isEmpty() && m_launch(program, {}))
        return true;
    const QString chosen =
        m_ui.chooseFile(kChooseCaption, program.isEmpty() ? QString() : QFileInfo(program).path(),
                        QStringLiteral("Programme (*)"), false);
    if (chosen.isEmpty())
        return false;
    m_options.setText(kOption, chosen);
    m_options.SaveOptions();
    return program.isEmpty() && m_launch(chosen, {});
}

} // namespace korbelant
