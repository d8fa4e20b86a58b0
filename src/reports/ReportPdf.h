#pragma once

#include "reports/ReportDocument.h"

#include <QString>

namespace korbelant {

// Saves a report as a PDF file. The file is written completely or not at all: an existing file
// of that name stays as it was when writing fails. Throws ReportError with a German message.
// Needs a QGuiApplication (fonts).
class ReportPdf
{
public:
    static void write(const ReportDocument& document, const QString& path);
};

} // namespace korbelant
