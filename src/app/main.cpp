#include "app/DesktopStart.h"
#include "app/KorbelantApplication.h"
#include "core/DataHome.h"
#include "widgets/DialogUi.h"

#include <QCommandLineParser>

// korbelant [--home DIR]: the desktop program on a data home.
int main(int argc, char* argv[])
{
    korbelant::KorbelantApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korbelant"));
    // The desktop entry of the installed program, for the icon and the name a desktop shows.
    QApplication::setDesktopFileName(QStringLiteral("de.korbelant.Korbelant"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Korbelant-Verwaltung"));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("home"), QStringLiteral("Datenablage (Verzeichnis)"), QStringLiteral("DIR")});
    parser.process(app);

    const korbelant::DataHome home = korbelant::DataHome::resolve(parser.value(QStringLiteral("home")));
    korbelant::DialogUi ui;
    app.setErrorSink(home.errorLogFile(), &ui);
    return korbelant::DesktopStart(home, ui).exec();
}
