#include "euro/ui/EuroProgressUi.h"

#include "euro/ui/TEuroStatus.h"

namespace korbelant {

void EuroProgressUi::message(Severity severity, const QString& text)
{
    m_inner.message(severity, text);
}

UiPort::Answer EuroProgressUi::question(const QString& text, Buttons buttons)
{
    return m_inner.question(text, buttons);
}

QString EuroProgressUi::chooseFile(const QString& caption, const QString& directory, const QString& filter,
                                   bool forSaving)
{
    return m_inner.chooseFile(caption, directory, filter, forSaving);
}

QString EuroProgressUi::chooseDirectory(const QString& caption, const QString& directory)
{
    return m_inner.chooseDirectory(caption, directory);
}

std::optional<QDate> EuroProgressUi::pickDate(const QDate& current)
{
    return m_inner.pickDate(current);
}

void EuroProgressUi::progress(const QString& text)
{
    // The end of the action: the progress window goes.
    if (text.isEmpty())
        m_status.hide();
}

void EuroProgressUi::progressStep(const QString& heading, const QString& detail, int percent)
{
    m_status.step(heading, detail, percent);
}

} // namespace korbelant
