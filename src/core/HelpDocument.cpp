#include "core/HelpDocument.h"

#include "core/DataHome.h"
#include "core/UiPort.h"

#include <QFileInfo>

namespace korbelant {

HelpDocument::HelpDocument(const DataHome& home, UiPort& ui, Opener opener)
    : m_home(home), m_ui(ui), m_opener(std::move(opener))
{
}

bool HelpDocument::OpenHelp()
{
    const QString path = m_home.helpFile();
    if (QFileInfo(path).isFile() && m_opener && m_opener(path))
        return true;
    m_ui.error(kFailed);
    return false;
}

} // namespace korbelant
