#include "reports/ui/ReportPrinter.h"

#include "core/UiPort.h"

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

} // namespace korbelant
