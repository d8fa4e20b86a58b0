// korbelant-manual --version VERSION --output FILE CHAPTER.md…: the user manual as a PDF, laid out
// and drawn with Qt's own text rendering. The build runs it to make KORBELANT.pdf.
#include "manual/ManualPdf.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Fonts need a platform, the build runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Handbuch als PDF"));
    parser.addOption(
        {QStringLiteral("version"), QStringLiteral("Programmversion"), QStringLiteral("VERSION")});
    parser.addOption({QStringLiteral("output"), QStringLiteral("PDF-Datei"), QStringLiteral("DATEI")});
    parser.addPositionalArgument(QStringLiteral("kapitel"),
                                 QStringLiteral("Kapitel (Markdown), in ihrer Reihenfolge"));
    parser.process(app);
    QTextStream err(stderr);
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty() || parser.positionalArguments().isEmpty()) {
        err << "Aufruf: korbelant-manual --version VERSION --output DATEI KAPITEL.md …" << Qt::endl;
        return 2;
    }
    // Written beside the target and renamed, so that a failed run leaves no half a document.
    const QString partial = output + QStringLiteral(".teil");
    QString error;
    bool written = false;
    {
        korbelant::ManualPdf pdf(partial, parser.value(QStringLiteral("version")));
        written = pdf.write(parser.positionalArguments(), &error);
    }
    if (!written || (QFile::exists(output) && !QFile::remove(output)) || !QFile::rename(partial, output)) {
        QFile::remove(partial);
        err << (error.isEmpty() ? QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(output)
                                : error)
            << Qt::endl;
        return 1;
    }
    return 0;
}
