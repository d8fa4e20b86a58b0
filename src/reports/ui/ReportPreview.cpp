#include "reports/ui/ReportPreview.h"

#include "core/DataSet.h"
#include "core/UiPort.h"
#include "reports/ReportError.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPdf.h"
#include "reports/ReportRegistry.h"
#include "reports/ui/ReportPrinter.h"
#include "widgets/DatabaseGuard.h"

#include <QAction>
#include <QDir>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QToolBar>
#include <memory>

namespace korbelant {

namespace {

// Draws the laid-out pages onto the printer the preview hands over, for the preview and for printing.
void paintOnto(QPrinter* printer, const std::vector<ReportPage>& pages,
               ReportDocument::Orientation orientation)
{
    printer->setFullPage(true);
    ReportPainter::preparePageLayout(*printer, orientation);
    ReportPainter::paint(pages, *printer);
}

QString suggestedFileName(const ReportDocument& document)
{
    QString name = document.title;
    name.replace(QRegularExpression(QStringLiteral("[^\\w\\-]+")), QStringLiteral("_"));
    return QDir::home().filePath((name.isEmpty() ? QStringLiteral("Bericht") : name) +
                                 QStringLiteral(".pdf"));
}

} // namespace

QPrintPreviewDialog* ReportPreview::createDialog(const ReportDocument& document, UiPort& ui,
                                                 bool printerInstalled, QWidget* parent)
{
    QPrinter& printer = ReportPrinter::shared();
    if (!printerInstalled)
        printer.setOutputFormat(QPrinter::PdfFormat);
    auto* dialog = new QPrintPreviewDialog(&printer, parent);
    dialog->setWindowTitle(document.title);
    auto pages = std::make_shared<std::vector<ReportPage>>(ReportLayout::layout(document));
    const auto orientation = document.orientation;
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [pages, orientation](QPrinter* target) { paintOnto(target, *pages, orientation); });

    auto* toolBar = dialog->findChild<QToolBar*>();
    if (toolBar) {
        auto* save = toolBar->addAction(QStringLiteral("Als PDF speichern"));
        save->setObjectName(QStringLiteral("saveAsPdf"));
        save->setToolTip(QStringLiteral("Den Bericht als PDF-Datei speichern"));
        auto copy = std::make_shared<ReportDocument>(document);
        QObject::connect(save, &QAction::triggered, dialog, [copy, &ui] { saveAsPdf(*copy, ui); });
        if (!printerInstalled) {
            // Without a printer the print button would only produce a nameless file.
            for (QAction* action : toolBar->actions()) {
                if (action != save && action->text().contains(QStringLiteral("Print"), Qt::CaseInsensitive))
                    action->setVisible(false);
            }
        }
    }
    return dialog;
}

bool ReportPreview::show(const ReportDocument& document, UiPort& ui, QWidget* parent)
{
    const bool printerInstalled = ReportPrinter::CheckPrinter(ui);
    std::unique_ptr<QPrintPreviewDialog> dialog(createDialog(document, ui, printerInstalled, parent));
    return dialog->exec() == QDialog::Accepted && printerInstalled;
}

bool ReportPreview::show(const QString& name, DataSet& set, const QStringList& args, UiPort& ui,
                         QWidget* parent)
{
    ReportDocument document;
    try {
        const bool built = guardDatabase(ui, [&] {
            ui.progress(QStringLiteral("Bericht wird  vorbereitet."));
            // The progress display goes before an error of the build is shown.
            const auto hideProgress = qScopeGuard([&ui] { ui.progress(QString()); });
            document = ReportRegistry::standard().build(name, set, args);
        });
        if (!built)
            return false;
    } catch (const ReportError& e) {
        ui.error(e.message());
        return false;
    }
    return show(document, ui, parent);
}

bool ReportPreview::saveAsPdf(const ReportDocument& document, UiPort& ui)
{
    const QString path = ui.chooseFile(QStringLiteral("Als PDF speichern"), suggestedFileName(document),
                                       QStringLiteral("PDF-Dateien (*.pdf)"), true);
    if (path.isEmpty())
        return false;
    try {
        ReportPdf::write(document, path);
    } catch (const ReportError& e) {
        ui.error(e.message());
        return false;
    }
    return true;
}

} // namespace korbelant
