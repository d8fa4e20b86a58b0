#include "reports/ReportPdf.h"

#include "core/SystemErrorText.h"
#include "reports/ReportError.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"

#include <QPdfWriter>
#include <QSaveFile>
#include <cerrno>

namespace korbelant {

namespace {

ReportError notWritten(const QString& path, const QSaveFile& file, int savedErrno)
{
    return ReportError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                           .arg(path, SystemErrorText::fromFile(file.error(), savedErrno)));
}

} // namespace

void ReportPdf::write(const ReportDocument& document, const QString& path)
{
    const auto pages = ReportLayout::layout(document);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw notWritten(path, file, errno);
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(document.frame.programLine());
        writer.setResolution(300);
        ReportPainter::preparePageLayout(writer, document.orientation);
        if (!ReportPainter::paint(pages, writer)) {
            file.cancelWriting();
            throw ReportError(QStringLiteral("Der Bericht \"%1\" konnte nicht als PDF erzeugt werden.")
                                  .arg(document.title));
        }
    }
    errno = 0;
    if (!file.commit())
        throw notWritten(path, file, errno);
}

} // namespace korbelant
