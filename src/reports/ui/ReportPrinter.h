#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace korbelant {

class UiPort;
struct ReportDocument;

// The printer the reports go to, shared for the whole run so that the choice made in the
// printer set-up ("&Drucker") holds for every later print.
class ReportPrinter
{
public:
    static const QString NoPrinterMessage;

    // True when at least one printer is installed; otherwise the warning through the UI port
    // and false.
    static bool CheckPrinter(UiPort& ui);
    static QPrinter& shared();
    // The printer set-up dialog of the main window's "&Drucker"; false when cancelled or when
    // there is no printer.
    static bool showPrinterSetup(UiPort& ui, QWidget* parent);
    // Prints the document on the shared printer without a dialog, as many times as asked.
    static void print(const ReportDocument& document, int copies);
};

} // namespace korbelant
