#include "core/DataHome.h"
#include "core/ui/DesktopStart.h"
#include "core/ui/KorbelantApplication.h"

#include <QCommandLineParser>

// The desktop dialogs of the UI port; until they are built, messages go to stderr and questions
// take their cancelling answer.
#if __has_include("widgets/DialogUi.h")
#include "widgets/DialogUi.h"
using DesktopUi = korbelant::DialogUi;
#else
#include "core/ScriptedUi.h"
using DesktopUi = korbelant::ScriptedUi;
#endif

// korbelant [--home DIR]: the desktop program on a data home.
int main(int argc, char* argv[])
{
    korbelant::KorbelantApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korbelant"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Korbelant-Verwaltung"));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("home"), QStringLiteral("Datenablage (Verzeichnis)"), QStringLiteral("DIR")});
    parser.process(app);

    const korbelant::DataHome home = korbelant::DataHome::resolve(parser.value(QStringLiteral("home")));
    DesktopUi ui;
#if !__has_include("widgets/DialogUi.h")
    ui.setEcho([](const korbelant::ScriptedUi::Shown& shown) {
        qWarning("%s: %s", qPrintable(shown.kind), qPrintable(shown.text));
    });
#endif
    app.setErrorSink(home.errorLogFile(), &ui);
    return korbelant::DesktopStart(home, ui).exec();
}
