#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace korbelant {

class Options;
class UiPort;

// "Textverar.": starts the word processor of the option WordPfad. When the option is empty or
// the program does not start, the user picks the program, which becomes the option (and is
// started when the option was empty).
class PlanWordProcessor
{
public:
    static inline const QString kChooseCaption = QStringLiteral("Textverarbeitung auswählen");
    static inline const QString kOption = QStringLiteral("WordPfad");

    // Starts a program with its arguments and tells whether it started (the program runner).
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    PlanWordProcessor(Options& options, UiPort& ui, Launcher launcher)
        : m_options(options), m_ui(ui), m_launch(std::move(launcher))
    {
    }

    // True when the word processor was started.
    bool start();

private:
    Options& m_options;
    UiPort& m_ui;
    Launcher m_launch;
};

} // namespace korbelant
