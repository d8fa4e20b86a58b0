#include "cli/CliApp.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Reports are drawn with fonts, which need a GUI application; without windows it runs on the
    // offscreen platform unless another one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    korbelant::CliApp cli;
    const int code = cli.run(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
