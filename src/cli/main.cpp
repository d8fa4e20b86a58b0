#include "cli/CliApp.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
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
