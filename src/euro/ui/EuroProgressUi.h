#pragma once

#include "core/UiPort.h"

namespace korbelant {

class TEuroStatus;

// The UI port while the conversion runs: its progress steps go to the progress window, every
// message and question to the port of the program.
class EuroProgressUi : public UiPort
{
public:
    EuroProgressUi(UiPort& inner, TEuroStatus& status) : m_inner(inner), m_status(status) {}

    void message(Severity severity, const QString& text) override;
    Answer question(const QString& text, Buttons buttons) override;
    QString chooseFile(const QString& caption, const QString& directory, const QString& filter,
                       bool forSaving) override;
    QString chooseDirectory(const QString& caption, const QString& directory) override;
    std::optional<QDate> pickDate(const QDate& current) override;
    void progress(const QString& text) override;
    void progressStep(const QString& heading, const QString& detail, int percent) override;

private:
    UiPort& m_inner;
    TEuroStatus& m_status;
};

} // namespace korbelant
