#include "cli/CliApp.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    // Reports are drawn with fonts and the statistics chart with its widget, which need an
    // application of widgets; without windows it runs on the offscreen platform unless another one
    // is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session there is no runtime directory; give Qt a private one instead of
    // letting it warn on every call.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/korbelant-runtime-%1").arg(getuid());
        if (QDir().mkpath(runtime)) {
            QFile::setPermissions(runtime,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        }
    }
    QApplication app(argc, argv);
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
