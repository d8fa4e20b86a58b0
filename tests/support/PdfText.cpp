#include "support/PdfText.h"

#include <QProcess>

namespace korbelant::test {

QString pdfLayoutText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace korbelant::test
