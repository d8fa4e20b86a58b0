#include "reports/ui/ReportPrinter.h"

#include "core/UiPort.h"
#include "reports/ReportDocument.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace korbelant {

const QString ReportPrinter::NoPrinterMessage =
    QStringLiteral("Sie haben keinen Drucker installiert, die Berichte funktionieren nur wenn Sie einen "
                   "Drucker installieren. "
                   "(Siehe Hilfe, FAQ´s)");

bool ReportPrinter::CheckPrinter(UiPort& ui)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        return true;
    ui.warning(NoPrinterMessage);
    return false;
}

QPrinter& ReportPrinter::shared()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool ReportPrinter::showPrinterSetup(UiPort& ui, QWidget* parent)
{
    if (!CheckPrinter(ui))
        return false;
    QPrintDialog dialog(&shared(), parent);
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    return dialog.exec() == QDialog::Accepted;
}

void ReportPrinter::print(const ReportDocument& document, int copies)
{
    const std::vector<ReportPage> pages = ReportLayout::layout(document);
    QPrinter& printer = shared();
    printer.setFullPage(true);
    ReportPainter::preparePageLayout(printer, document.orientation);
    for (int copy = 0; copy < copies; ++copy)
        ReportPainter::paint(pages, printer);
}

} // namespace korbelant
