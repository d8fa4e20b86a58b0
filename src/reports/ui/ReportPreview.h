#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

class QPrintPreviewDialog;
class QWidget;

namespace korbelant {

class DataSet;
class UiPort;

// The print preview of a report: the pages as they will be printed, printing to the shared
// printer and saving as PDF from the preview's tool bar. Without a printer the warning of the
// printer check is shown and the preview still opens, for saving as PDF only.
class ReportPreview
{
public:
    // Shows the document modally; returns true when it was printed.
    static bool show(const ReportDocument& document, UiPort& ui, QWidget* parent);
    // Builds the named report of the registry while "Bitte warten" is shown, then previews it.
    // Errors while building are shown through the UI port.
    static bool show(const QString& name, DataSet& set, const QStringList& args, UiPort& ui, QWidget* parent);

    // Asks for a file name and saves the document as PDF; false when cancelled or failed (the
    // failure is shown).
    static bool saveAsPdf(const ReportDocument& document, UiPort& ui);

    // The preview dialog over the document, not yet shown; for the callers above and tests. The
    // UI port must outlive the dialog.
    static QPrintPreviewDialog* createDialog(const ReportDocument& document, UiPort& ui,
                                             bool printerInstalled, QWidget* parent);
};

} // namespace korbelant
