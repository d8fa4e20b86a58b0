#include "reports/ReportPdf.h"

#include "reports/ReportError.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace korbelant {

void ReportPdf::write(const ReportDocument& document, const QString& path)
{
    const auto pages = ReportLayout::layout(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(document.frame.programLine());
        writer.setResolution(300);
        ReportPainter::preparePageLayout(writer, document.orientation);
        if (!ReportPainter::paint(pages, writer)) {
            file.cancelWriting();
            throw ReportError(QStringLiteral("Der Bericht \"%1\" konnte nicht als PDF erzeugt werden.").arg(document.title));
        }
    }
    if (!file.commit())
        throw ReportError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(path, file.errorString()));
}

} // namespace korbelant
